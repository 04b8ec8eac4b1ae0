// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/modalboxes.h"
#include "support/windowtests.h"
#include "ui/window/platform.h"
#include "ui/window/tavola.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <limits>

using windowtests::designedCaption;
using windowtests::valueLabels;

namespace {

const QString normalStateCaption = QStringLiteral("Giocare con I Solvetra");

// One window with its fakes; the clock reads 10:00:00 on 08/12/2026.
struct Session
{
    explicit Session(QList<float> draws = {0.5f}) : random(std::move(draws)) {}

    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola{clock, random, platform};

    template <typename T> T *find(const QString &name) { return tavola.findChild<T *>(name); }
    QAction *command(const char *name)
    {
        return tavola.menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    }

    // With the real timer stopped, only the ticks the test makes reach the clock.
    bool startQuiet()
    {
        tavola.start();
        find<QTimer>("Timer1")->stop();
        return QTest::qWaitForWindowActive(&tavola);
    }

    QString text(const QString &name) // of a label or a box
    {
        auto *widget = find<QWidget>(name);
        return widget ? widget->property("text").toString() : QStringLiteral("<no %1>").arg(name);
    }

    QStringList shownValues()
    {
        QStringList shown;
        for (const QString &name : valueLabels)
            if (auto *label = find<QLabel>(name); label && label->isVisibleTo(&tavola))
                shown << name;
        return shown;
    }

    // What the pupil sees of the problem and the game, in one text so that a
    // difference shows in the failure message.
    QString snapshot()
    {
        QStringList parts{QStringLiteral("shown=") + shownValues().join(u',')};
        for (const QString &name : valueLabels + QStringList{"Label5", "txtAnswer", "lblMessage",
                                                             "lblScore", "lblScore1", "lblScore2"})
            parts << name + u'=' + text(name);
        return parts.join(QStringLiteral(" | "));
    }

    void tick(QTime time)
    {
        clock.now = time;
        tavola.Timer1_Timer();
    }

    void type(const QString &typed, bool enter = true)
    {
        auto *box = find<QLineEdit>(QStringLiteral("txtAnswer"));
        QTest::keyClicks(box, typed);
        if (enter)
            QTest::keyClick(box, Qt::Key_Return);
    }

    void enterState(Qt::WindowState state)
    {
        tavola.setWindowState(state);
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void clockTicks_data();
    void clockTicks();
    void textAlarmNeverRings_data();
    void textAlarmNeverRings();
    void alarmRingsOnceAndRearms();
    void restartStartsAFreshGame();
    void exitAnsweredNoChangesNothing_data();
    void exitAnsweredNoChangesNothing();
    void exitAnsweredYesSaysGoodbye();
    void farewellAtMidnightShowsOneReading();
    void calculator_data();
    void calculator();
    void findProgram_data();
    void findProgram();
    void uncaughtErrorIsReported_data();
    void uncaughtErrorIsReported();
    // Last: closing the last window would end the application's event loops.
    void closingRunsNothingOfOurs();
};

void TestLifecycle::startUp_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("7-24-25 family, height asked")
        << 0.0f << "Altezza AH" << QStringList{"Lblpro1", "Lblpro2"};
    QTest::newRow("3-4-5 family, hypotenuse asked")
        << 0.999f << "Ipotenusa BC" << QStringList{"Lblpro2", "Lblcat2"};
}

void TestLifecycle::startUp()
{
    QFETCH(float, draw);
    QFETCH(QString, caption);
    QFETCH(QStringList, shown);
    Session s({draw});
    s.tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&s.tavola));

    QVERIFY(s.tavola.windowState() & Qt::WindowMaximized);
    QCOMPARE(s.tavola.windowTitle(), designedCaption);
    QCOMPARE(s.tavola.state().RightCount, 0);
    QCOMPARE(s.tavola.state().WrongCount, 0);
    const QString *alarm = std::get_if<QString>(&s.tavola.state().AlarmTime);
    QVERIFY(alarm && alarm->isEmpty());

    QCOMPARE(s.text("Label5"), caption);
    QCOMPARE(s.shownValues(), shown);
    for (const QString &name : shown)
        QVERIFY2(!s.text(name).isEmpty(), qPrintable(name));
    auto *timer = s.find<QTimer>("Timer1");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 500);
}

void TestLifecycle::clockTicks_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<QString>("handCaption"); // set after entering the state
    QTest::addColumn<QList<QTime>>("ticks");
    QTest::addColumn<QString>("clockLabel");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, Qt::WindowState state, const char *hand,
                        QList<QTime> ticks, const char *label, const QString &caption) {
        QTest::newRow(name) << state << QString::fromLatin1(hand) << ticks
                            << QString::fromLatin1(label) << caption;
    };
    const auto at = [](int h, int m, int s) { return QTime(h, m, s); };
    const auto normal = Qt::WindowNoState, minimised = Qt::WindowMinimized,
               maximised = Qt::WindowMaximized;
    // Every row first ticks at 10:00:00 maximised, which writes the label.
    row("same second again: nothing runs", normal, "by hand", {at(10, 0, 0)}, "10:00:00",
        "by hand");
    row("new second, minimised: label only", minimised, "", {at(10, 0, 1)}, "10:00:01",
        designedCaption);
    row("new second, maximised: label only", maximised, "", {at(10, 0, 1)}, "10:00:01",
        designedCaption);
    row("new second, normal: caption clock only", normal, "", {at(10, 0, 1)}, "10:00:00",
        "10:00 AM");
    row("normal: caption that is no time is replaced", normal, "", {at(14, 5, 9)}, "10:00:00",
        "2:05 PM");
    row("normal: same minute keeps a time caption", normal, "14:05", {at(14, 5, 30)}, "10:00:00",
        "14:05");
    row("normal: same minute keeps the clock's caption", normal, "", {at(14, 5, 9), at(14, 5, 59)},
        "10:00:00", "2:05 PM");
    row("normal: new minute rewrites it", normal, "", {at(14, 5, 9), at(14, 6, 0)}, "10:00:00",
        "2:06 PM");
    // The clock set by hand, a time-zone change or daylight saving time: the
    // minute stays, the hour or only the half of the day changes.
    row("normal: new hour, same minute", normal, "", {at(14, 5, 9), at(15, 5, 10)}, "10:00:00",
        "3:05 PM");
    row("normal: hour set back, same minute", normal, "", {at(3, 5, 9), at(2, 5, 10)}, "10:00:00",
        "2:05 AM");
    row("normal: twelve hours on, same minute", normal, "", {at(2, 5, 9), at(14, 5, 10)},
        "10:00:00", "2:05 PM");
    row("normal: a hand-set time of another hour", normal, "15:05", {at(14, 5, 30)}, "10:00:00",
        "2:05 PM");
    row("midnight, maximised: 00:00:00", maximised, "", {at(23, 59, 59), at(0, 0, 0)}, "00:00:00",
        designedCaption);
    row("midnight, normal: 11:59 PM", normal, "", {at(23, 59, 59)}, "10:00:00", "11:59 PM");
    row("midnight, normal: 12:00 AM", normal, "", {at(23, 59, 59), at(0, 0, 0)}, "10:00:00",
        "12:00 AM");
}

void TestLifecycle::clockTicks()
{
    QFETCH(Qt::WindowState, state);
    QFETCH(QString, handCaption);
    QFETCH(QList<QTime>, ticks);
    QFETCH(QString, clockLabel);
    QFETCH(QString, caption);
    Session s;
    QVERIFY(s.startQuiet());
    s.tick(QTime(10, 0, 0));
    QCOMPARE(s.text("lblTime"), QStringLiteral("10:00:00"));

    s.enterState(state);
    if (state == Qt::WindowNoState)
        QCOMPARE(s.tavola.windowTitle(), normalStateCaption);
    else
        QVERIFY(s.tavola.windowState() & state);
    if (!handCaption.isEmpty())
        s.tavola.setWindowTitle(handCaption);
    for (const QTime &time : ticks)
        s.tick(time);
    QCOMPARE(s.text("lblTime"), clockLabel);
    QCOMPARE(s.tavola.windowTitle(), caption);
}

void TestLifecycle::textAlarmNeverRings_data()
{
    QTest::addColumn<QString>("alarmText");
    QTest::newRow("empty text, as at start-up") << QString();
    // A text is never read as a time, even one that looks like it.
    QTest::newRow("text that looks like a time") << QStringLiteral("10:00:05");
}

void TestLifecycle::textAlarmNeverRings()
{
    QFETCH(QString, alarmText);
    Session s;
    QVERIFY(s.startQuiet());
    ModalBoxes boxes;
    s.tavola.state().AlarmTime = alarmText;

    s.tick(QTime(10, 0, 5));
    for (int second = 0; second < 24 * 3600; second += 601)
        s.tick(QTime(0, 0).addSecs(second));
    s.tick(QTime(23, 59, 59));
    QCOMPARE(s.platform.beeps, 0);
    QCOMPARE(boxes.seen.size(), 0);
    QVERIFY(!s.tavola.alarmSounded());
}

void TestLifecycle::alarmRingsOnceAndRearms()
{
    Session s;
    QVERIFY(s.startQuiet());
    ModalBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    s.tavola.state().AlarmTime = QTime(10, 0, 5);

    s.tick(QTime(10, 0, 4));
    QCOMPARE(s.platform.beeps, 0);
    QCOMPARE(boxes.seen.size(), 0);
    QVERIFY(!s.tavola.alarmSounded());

    s.tick(QTime(10, 0, 5));
    QCOMPARE(s.platform.beeps, 1);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Sveglia"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Sveglia alle 10:00:05"));
    QCOMPARE(boxes.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boxes.seen[0].icon, QMessageBox::NoIcon);
    QVERIFY(s.tavola.alarmSounded());

    s.tick(QTime(10, 0, 6));
    QCOMPARE(s.platform.beeps, 1);
    QCOMPARE(boxes.seen.size(), 1);

    s.tick(QTime(9, 0, 0));
    QVERIFY(!s.tavola.alarmSounded());
    s.tick(QTime(10, 0, 5));
    QCOMPARE(s.platform.beeps, 2);
    QCOMPARE(boxes.seen.size(), 2);
}

void TestLifecycle::restartStartsAFreshGame()
{
    // Problem 1: 3-4-5 scaled by 8, pick 4. Problem 2: scaled by 5, pick 2
    // (16 cm asked). After the restart: 7-24-25 scaled by 2, pick 1.
    Session s({0.5f, 0.5f, 0.5f, 0.9f, 0.3f, 0.2f, 0.1f});
    QVERIFY(s.startQuiet());
    ModalBoxes boxes({QMessageBox::Ok});

    s.type(QStringLiteral("1"));
    s.type(QString()); // Enter again: the next problem
    s.type(QStringLiteral("16"));
    QCOMPARE(s.tavola.state().RightCount, 1);
    QCOMPARE(s.tavola.state().WrongCount, 1);
    s.tavola.state().AlarmTime = QTime(10, 0, 0);
    s.tick(QTime(10, 0, 0));
    QVERIFY(s.tavola.alarmSounded());
    s.enterState(Qt::WindowNoState);

    s.random.reseeds.clear();
    s.command("new")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(); // the new sheet is shown from the event loop

    QCOMPARE(s.tavola.state().RightCount, 0);
    QCOMPARE(s.tavola.state().WrongCount, 0);
    for (const char *score : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(s.text(score), QStringLiteral("0"));
    QCOMPARE(s.text("lblMessage"), QString());
    QCOMPARE(s.tavola.windowTitle(), designedCaption);
    QVERIFY(s.tavola.windowState() & Qt::WindowMaximized);
    auto *next = s.find<QPushButton>("cmdNext");
    QVERIFY(next && !next->isEnabled());

    QCOMPARE(s.text("Label5"), QStringLiteral("Altezza AH"));
    QCOMPARE(s.shownValues(), (QStringList{"Lblpro1", "Lblpro2"}));
    QCOMPARE(s.text("Lblpro1"), QStringLiteral("3,92"));
    QCOMPARE(s.text("Lblpro2"), QStringLiteral("46,08"));
    QCOMPARE(s.random.reseeds, (QList<double>{36000, 7, 5, 36000, 2}));

    const QString *alarm = std::get_if<QString>(&s.tavola.state().AlarmTime);
    QVERIFY(alarm && alarm->isEmpty());
    QVERIFY(s.tavola.alarmSounded());
    QCOMPARE(boxes.seen.size(), 1); // the alarm, nothing from the restart
}

void TestLifecycle::exitAnsweredNoChangesNothing_data()
{
    QTest::addColumn<bool>("judged");
    QTest::newRow("answer being typed") << false;
    QTest::newRow("after a judged answer") << true;
}

void TestLifecycle::exitAnsweredNoChangesNothing()
{
    QFETCH(bool, judged);
    Session s;
    QVERIFY(s.startQuiet());
    s.type(judged ? QStringLiteral("1") : QStringLiteral("12"), judged);
    const QString before = s.snapshot();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);

    ModalBoxes boxes({QMessageBox::No});
    QTest::mouseClick(s.find<QPushButton>("cmdExit"), Qt::LeftButton);

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Uscire dal programma"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Vuoi veramente lasciarmi  ?"));
    QCOMPARE(boxes.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Question);
    QCOMPARE(boxes.seen[0].defaultButton, QMessageBox::No);
    QCOMPARE(s.snapshot(), before);
    // The offscreen platform does not hand activation back as a desktop does.
    s.tavola.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.tavola));
    QCOMPARE(QApplication::focusWidget(), focus);
    QCOMPARE(s.platform.endings, QList<int>());
}

void TestLifecycle::exitAnsweredYesSaysGoodbye()
{
    Session s;
    s.tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&s.tavola));

    ModalBoxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    s.find<QPushButton>("cmdExit")->click();

    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Uscire dal programma"));
    QCOMPARE(boxes.seen[1].title, QStringLiteral("Data 08/12/2026"));
    QCOMPARE(boxes.seen[1].text, QStringLiteral("Ciao a presto. Ore 10:00:00"));
    QCOMPARE(boxes.seen[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boxes.seen[1].icon, QMessageBox::NoIcon);
    QCOMPARE(s.platform.endings, QList<int>{0});
    QVERIFY(!s.find<QTimer>("Timer1")->isActive());
    QTest::qWait(700); // longer than a tick
    QCOMPARE(boxes.seen.size(), 2);
}

void TestLifecycle::farewellAtMidnightShowsOneReading()
{
    Session s;
    s.clock.now = QTime(23, 59, 59);
    QVERIFY(s.startQuiet());
    // The next reading is already the next day.
    s.clock.later = {QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0))};

    ModalBoxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    s.find<QPushButton>("cmdExit")->click();

    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(boxes.seen[1].title + u'|' + boxes.seen[1].text,
             QStringLiteral("Data 08/12/2026|Ciao a presto. Ore 23:59:59"));
}

void TestLifecycle::calculator_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("started");
    QTest::addColumn<int>("boxCount");
    QTest::newRow("available: started each time") << true << 2 << 0;
    QTest::newRow("none found: told each time") << false << 0 << 2;
}

void TestLifecycle::calculator()
{
    QFETCH(bool, available);
    QFETCH(int, started);
    QFETCH(int, boxCount);
    Session s;
    s.platform.calculatorAvailable = available;
    QVERIFY(s.startQuiet());
    s.type(QStringLiteral("1"));
    s.type(QStringLiteral("7"), false);
    const QString before = s.snapshot();

    ModalBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    s.command("calc")->trigger();
    s.command("calc")->trigger();

    QCOMPARE(s.platform.calculatorsStarted, started);
    QCOMPARE(boxes.seen.size(), boxCount);
    for (const SeenBox &seen : std::as_const(boxes.seen)) {
        QCOMPARE(seen.title, QStringLiteral("Calcolatrice"));
        QCOMPARE(seen.text, QStringLiteral("Nessuna calcolatrice trovata su questo computer."));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(s.snapshot(), before);
    QCOMPARE(s.platform.endings, QList<int>());
}

void TestLifecycle::findProgram_data()
{
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QString>("found");
    QTest::newRow("no candidates") << QStringList() << "";
    QTest::newRow("names that do not exist")
        << QStringList{"solvetra-no-such-calc", "solvetra-nor-this"} << "";
    QTest::newRow("first missing, then sh") << QStringList{"solvetra-no-such-calc", "sh"} << "sh";
}

void TestLifecycle::findProgram()
{
    QFETCH(QStringList, candidates);
    QFETCH(QString, found);
    const QString path = ui::findProgram(candidates);
    QCOMPARE(path.isEmpty(), found.isEmpty());
    QCOMPARE(QFileInfo(path).fileName(), found);
    QVERIFY(path.isEmpty() || QFileInfo(path).isExecutable());
}

void TestLifecycle::uncaughtErrorIsReported_data()
{
    QTest::addColumn<float>("badDraw");
    QTest::addColumn<bool>("throughRestart");
    QTest::addColumn<QStringList>("fragments");
    using limits = std::numeric_limits<float>;
    QTest::newRow("overflow, next button") << 1.0e6f << false << QStringList{"6", "Overflow"};
    QTest::newRow("overflow, new game") << 1.0e6f << true << QStringList{"6", "Overflow"};
    QTest::newRow("infinite draw, next button") << limits::infinity() << false << QStringList{"11"};
    QTest::newRow("NaN draw, new game") << limits::quiet_NaN() << true << QStringList{"11"};
}

void TestLifecycle::uncaughtErrorIsReported()
{
    QFETCH(float, badDraw);
    QFETCH(bool, throughRestart);
    QFETCH(QStringList, fragments);
    // The first problem draws three good values; the next one the bad one.
    Session s({0.5f, 0.5f, 0.5f, badDraw});
    QVERIFY(s.startQuiet());
    ModalBoxes boxes;

    if (throughRestart) {
        s.command("new")->trigger();
    } else {
        auto *next = s.find<QPushButton>("cmdNext");
        next->setEnabled(true);
        next->click();
    }

    QCOMPARE(boxes.seen.size(), 1);
    for (const QString &fragment : fragments)
        QVERIFY2(boxes.seen[0].text.contains(fragment), qPrintable(boxes.seen[0].text));
    QCOMPARE(s.platform.endings, QList<int>{1});
}

void TestLifecycle::closingRunsNothingOfOurs()
{
    Session s;
    s.tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&s.tavola));
    ModalBoxes boxes;

    QVERIFY(s.tavola.close());
    QTest::qWait(100);
    QCOMPARE(boxes.seen.size(), 0);
    QCOMPARE(s.platform.endings, QList<int>());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
