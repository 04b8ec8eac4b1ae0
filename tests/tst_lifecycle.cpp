// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "modalboxes.h"
#include "ui/platform.h"
#include "ui/tavola.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <limits>

namespace {

const QString designedCaption = QStringLiteral("Gioca  con i Solvetra");
const QString normalStateCaption = QStringLiteral("Giocare con I Solvetra");
const QStringList valueLabels{"Lblpro1", "Lblpro2", "lblcat1", "Lblcat2", "lblipoeu", "Lblalt"};

template <typename T>
T *control(QWidget &window, const QString &name)
{
    return window.findChild<T *>(name);
}

QString textOf(QWidget &window, const QString &name)
{
    if (auto *label = control<QLabel>(window, name))
        return label->text();
    if (auto *box = control<QLineEdit>(window, name))
        return box->text();
    return QStringLiteral("<no %1>").arg(name);
}

QAction *menuCommand(ui::Tavola &tavola, const char *name)
{
    return tavola.menuBar()->findChild<QAction *>(QString::fromLatin1(name));
}

QStringList visibleValueLabels(ui::Tavola &tavola)
{
    QStringList shown;
    for (const QString &name : valueLabels) {
        auto *label = control<QLabel>(tavola, name);
        if (label && label->isVisibleTo(&tavola))
            shown << name;
    }
    return shown;
}

// Everything the pupil sees of the current problem and the game, in one text
// so that a difference shows in the failure message.
QString sheetSnapshot(ui::Tavola &tavola)
{
    QStringList parts;
    for (const QString &name : valueLabels)
        parts << name + u'=' + textOf(tavola, name);
    parts << u"shown=" + visibleValueLabels(tavola).join(u',');
    for (const char *name : {"Label5", "txtAnswer", "lblMessage", "lblScore", "lblScore1",
                             "lblScore2"})
        parts << QString::fromLatin1(name) + u'=' + textOf(tavola, QString::fromLatin1(name));
    return parts.join(QStringLiteral(" | "));
}

// Starts the window with the real timer stopped, so that only the ticks the
// test makes reach the clock.
bool startQuiet(ui::Tavola &tavola)
{
    tavola.start();
    control<QTimer>(tavola, QStringLiteral("Timer1"))->stop();
    return QTest::qWaitForWindowActive(&tavola);
}

void enterState(ui::Tavola &tavola, Qt::WindowState state)
{
    if (state == Qt::WindowMinimized)
        tavola.showMinimized();
    else if (state == Qt::WindowMaximized)
        tavola.showMaximized();
    else
        tavola.showNormal();
    QCoreApplication::processEvents();
}

void tickAt(ui::Tavola &tavola, FakeClock &clock, QTime time)
{
    clock.now = time;
    tavola.Timer1_Timer();
}

void answer(ui::Tavola &tavola, const QString &typed)
{
    auto *box = control<QLineEdit>(tavola, QStringLiteral("txtAnswer"));
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void sameSecondTickChangesNothing();
    void newSecondInEachState_data();
    void newSecondInEachState();
    void captionClockInNormalState();
    void midnight_data();
    void midnight();
    void textAlarmNeverRings_data();
    void textAlarmNeverRings();
    void alarmRingsOnceAndRearms();
    void restartStartsAFreshGame();
    void exitAnsweredNoChangesNothing_data();
    void exitAnsweredNoChangesNothing();
    void exitAnsweredYesSaysGoodbye();
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
    QTest::addColumn<quint64>("seed");
    QTest::newRow("seed 1") << quint64(1);
    QTest::newRow("seed 2") << quint64(2);
    QTest::newRow("seed 20261208") << quint64(20261208);
}

void TestLifecycle::startUp()
{
    QFETCH(quint64, seed);
    FakeClock clock;
    quiz::MixingRandomSource random(seed);
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));

    QVERIFY(tavola.windowState() & Qt::WindowMaximized);
    QCOMPARE(tavola.windowTitle(), designedCaption);
    QCOMPARE(tavola.state().RightCount, 0);
    QCOMPARE(tavola.state().WrongCount, 0);
    const QString *alarm = std::get_if<QString>(&tavola.state().AlarmTime);
    QVERIFY(alarm);
    QVERIFY(alarm->isEmpty());

    QVERIFY(!textOf(tavola, QStringLiteral("Label5")).isEmpty());
    const QStringList shown = visibleValueLabels(tavola);
    QCOMPARE(shown.size(), 2);
    for (const QString &name : shown)
        QVERIFY2(!textOf(tavola, name).isEmpty(), qPrintable(name));

    auto *timer = control<QTimer>(tavola, QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);
}

void TestLifecycle::sameSecondTickChangesNothing()
{
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));

    tickAt(tavola, clock, QTime(10, 0, 0));
    QCOMPARE(textOf(tavola, QStringLiteral("lblTime")), QStringLiteral("10:00:00"));
    // In the normal state a tick that did run would put the time in the caption.
    enterState(tavola, Qt::WindowNoState);
    tavola.setWindowTitle(QStringLiteral("set by hand"));
    tickAt(tavola, clock, QTime(10, 0, 0));
    QCOMPARE(textOf(tavola, QStringLiteral("lblTime")), QStringLiteral("10:00:00"));
    QCOMPARE(tavola.windowTitle(), QStringLiteral("set by hand"));
}

void TestLifecycle::newSecondInEachState_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<QString>("clockLabel");
    QTest::addColumn<QString>("caption");
    QTest::newRow("minimised: label clock") << Qt::WindowMinimized << "10:00:01" << designedCaption;
    QTest::newRow("maximised: label clock") << Qt::WindowMaximized << "10:00:01" << designedCaption;
    QTest::newRow("normal: caption clock") << Qt::WindowNoState << "10:00:00" << "10:00 AM";
}

void TestLifecycle::newSecondInEachState()
{
    QFETCH(Qt::WindowState, state);
    QFETCH(QString, clockLabel);
    QFETCH(QString, caption);
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));

    tickAt(tavola, clock, QTime(10, 0, 0));
    enterState(tavola, state);
    QVERIFY(tavola.windowState() & state || state == Qt::WindowNoState);
    tickAt(tavola, clock, QTime(10, 0, 1));
    QCOMPARE(textOf(tavola, QStringLiteral("lblTime")), clockLabel);
    QCOMPARE(tavola.windowTitle(), caption);
}

void TestLifecycle::captionClockInNormalState()
{
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));

    enterState(tavola, Qt::WindowNoState);
    QCOMPARE(tavola.windowTitle(), normalStateCaption);
    tickAt(tavola, clock, QTime(14, 5, 9));
    QCOMPARE(tavola.windowTitle(), QStringLiteral("2:05 PM"));
    tickAt(tavola, clock, QTime(14, 5, 59));
    QCOMPARE(tavola.windowTitle(), QStringLiteral("2:05 PM"));
    tickAt(tavola, clock, QTime(14, 6, 0));
    QCOMPARE(tavola.windowTitle(), QStringLiteral("2:06 PM"));
    QCOMPARE(textOf(tavola, QStringLiteral("lblTime")), QString());
}

void TestLifecycle::midnight_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("maximised: label") << Qt::WindowMaximized << "23:59:59" << "00:00:00";
    QTest::newRow("normal: caption") << Qt::WindowNoState << "11:59 PM" << "12:00 AM";
}

void TestLifecycle::midnight()
{
    QFETCH(Qt::WindowState, state);
    QFETCH(QString, before);
    QFETCH(QString, after);
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    enterState(tavola, state);

    const auto shownTime = [&] {
        return state == Qt::WindowMaximized ? textOf(tavola, QStringLiteral("lblTime"))
                                            : tavola.windowTitle();
    };
    tickAt(tavola, clock, QTime(23, 59, 59));
    QCOMPARE(shownTime(), before);
    tickAt(tavola, clock, QTime(0, 0, 0));
    QCOMPARE(shownTime(), after);
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
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    ModalBoxes boxes;
    tavola.state().AlarmTime = alarmText;

    const QList<QTime> special{QTime(0, 0, 0), QTime(10, 0, 5), QTime(23, 59, 59)};
    for (const QTime &time : special)
        tickAt(tavola, clock, time);
    for (int second = 0; second < 24 * 3600; second += 601)
        tickAt(tavola, clock, QTime(0, 0).addSecs(second));

    QCOMPARE(platform.beeps, 0);
    QCOMPARE(boxes.seen.size(), 0);
    QVERIFY(!tavola.alarmSounded());
}

void TestLifecycle::alarmRingsOnceAndRearms()
{
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    ModalBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    tavola.state().AlarmTime = QTime(10, 0, 5);

    tickAt(tavola, clock, QTime(10, 0, 4));
    QCOMPARE(platform.beeps, 0);
    QCOMPARE(boxes.seen.size(), 0);
    QVERIFY(!tavola.alarmSounded());

    tickAt(tavola, clock, QTime(10, 0, 5));
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Sveglia"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Sveglia alle 10:00:05"));
    QCOMPARE(boxes.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boxes.seen[0].icon, QMessageBox::NoIcon);
    QVERIFY(tavola.alarmSounded());

    tickAt(tavola, clock, QTime(10, 0, 6));
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(boxes.seen.size(), 1);

    tickAt(tavola, clock, QTime(9, 0, 0));
    QVERIFY(!tavola.alarmSounded());
    tickAt(tavola, clock, QTime(10, 0, 5));
    QCOMPARE(platform.beeps, 2);
    QCOMPARE(boxes.seen.size(), 2);
}

void TestLifecycle::restartStartsAFreshGame()
{
    FakeClock clock;
    // Problem 1: 3-4-5 scaled by 8, pick 4. Problem 2: scaled by 5, pick 2
    // (16 cm asked). After the restart: 7-24-25 scaled by 2, pick 1.
    ScriptedRandom random({0.5f, 0.5f, 0.5f, 0.9f, 0.3f, 0.2f, 0.1f});
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    ModalBoxes boxes({QMessageBox::Ok});

    answer(tavola, QStringLiteral("1"));
    QTest::keyClick(control<QLineEdit>(tavola, QStringLiteral("txtAnswer")), Qt::Key_Return);
    answer(tavola, QStringLiteral("16"));
    QCOMPARE(tavola.state().RightCount, 1);
    QCOMPARE(tavola.state().WrongCount, 1);
    QCOMPARE(tavola.state().Multiplier, 5);
    QCOMPARE(tavola.state().HiddenPick, 2);
    tavola.state().AlarmTime = QTime(10, 0, 0);
    tickAt(tavola, clock, QTime(10, 0, 0));
    QVERIFY(tavola.alarmSounded());
    enterState(tavola, Qt::WindowNoState);
    QCOMPARE(tavola.windowTitle(), normalStateCaption);

    random.reseeds.clear();
    menuCommand(tavola, "new")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(tavola.state().RightCount, 0);
    QCOMPARE(tavola.state().WrongCount, 0);
    for (const char *score : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(textOf(tavola, QString::fromLatin1(score)), QStringLiteral("0"));
    QCOMPARE(textOf(tavola, QStringLiteral("lblMessage")), QString());
    QCOMPARE(tavola.windowTitle(), designedCaption);
    QVERIFY(tavola.windowState() & Qt::WindowMaximized);
    auto *next = control<QPushButton>(tavola, QStringLiteral("cmdNext"));
    QVERIFY(next);
    QVERIFY(!next->isEnabled());

    QCOMPARE(textOf(tavola, QStringLiteral("Label5")), QStringLiteral("Altezza AH"));
    QCOMPARE(visibleValueLabels(tavola), (QStringList{"Lblpro1", "Lblpro2"}));
    QCOMPARE(textOf(tavola, QStringLiteral("Lblpro1")), QStringLiteral("3,92"));
    QCOMPARE(textOf(tavola, QStringLiteral("Lblpro2")), QStringLiteral("46,08"));
    QCOMPARE(random.reseeds, (QList<double>{36000, 7, 5, 36000, 2}));

    const QString *alarm = std::get_if<QString>(&tavola.state().AlarmTime);
    QVERIFY(alarm);
    QVERIFY(alarm->isEmpty());
    QVERIFY(tavola.alarmSounded());
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
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    auto *box = control<QLineEdit>(tavola, QStringLiteral("txtAnswer"));
    if (judged)
        answer(tavola, QStringLiteral("1"));
    else
        QTest::keyClicks(box, QStringLiteral("12"));
    const QString before = sheetSnapshot(tavola);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);

    ModalBoxes boxes({QMessageBox::No});
    QTest::mouseClick(control<QPushButton>(tavola, QStringLiteral("cmdExit")), Qt::LeftButton);

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Uscire dal programma"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Vuoi veramente lasciarmi  ?"));
    QCOMPARE(boxes.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Question);
    QCOMPARE(boxes.seen[0].defaultButton, QMessageBox::No);
    QCOMPARE(sheetSnapshot(tavola), before);
    QTRY_COMPARE(QApplication::focusWidget(), focus);
    QCOMPARE(platform.endings, QList<int>());
}

void TestLifecycle::exitAnsweredYesSaysGoodbye()
{
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));

    ModalBoxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    control<QPushButton>(tavola, QStringLiteral("cmdExit"))->click();

    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(boxes.seen[1].title, QStringLiteral("Data 08/12/2026"));
    QCOMPARE(boxes.seen[1].text, QStringLiteral("Ciao a presto. Ore 10:00:00"));
    QCOMPARE(boxes.seen[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(boxes.seen[1].icon, QMessageBox::NoIcon);
    QCOMPARE(platform.endings, QList<int>{0});
    QVERIFY(!control<QTimer>(tavola, QStringLiteral("Timer1"))->isActive());
    QTest::qWait(700); // longer than a tick
    QCOMPARE(boxes.seen.size(), 2);
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
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    platform.calculatorAvailable = available;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    answer(tavola, QStringLiteral("1"));
    QTest::keyClicks(control<QLineEdit>(tavola, QStringLiteral("txtAnswer")), QStringLiteral("7"));
    const QString before = sheetSnapshot(tavola);

    ModalBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    menuCommand(tavola, "calc")->trigger();
    menuCommand(tavola, "calc")->trigger();

    QCOMPARE(platform.calculatorsStarted, started);
    QCOMPARE(boxes.seen.size(), boxCount);
    for (const SeenBox &seen : std::as_const(boxes.seen)) {
        QCOMPARE(seen.title, QStringLiteral("Calcolatrice"));
        QCOMPARE(seen.text, QStringLiteral("Nessuna calcolatrice trovata su questo computer."));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(sheetSnapshot(tavola), before);
    QCOMPARE(platform.endings, QList<int>());
}

void TestLifecycle::findProgram_data()
{
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<bool>("found");
    QTest::newRow("no candidates") << QStringList() << false;
    QTest::newRow("names that do not exist")
        << QStringList{"solvetra-no-such-calc", "solvetra-nor-this"} << false;
    QTest::newRow("first missing, then sh") << QStringList{"solvetra-no-such-calc", "sh"} << true;
}

void TestLifecycle::findProgram()
{
    QFETCH(QStringList, candidates);
    QFETCH(bool, found);
    const QString path = ui::findProgram(candidates);
    if (!found) {
        QCOMPARE(path, QString());
        return;
    }
    QVERIFY(path.endsWith(QStringLiteral("/sh")));
    QVERIFY(QFileInfo(path).isExecutable());
}

void TestLifecycle::uncaughtErrorIsReported_data()
{
    QTest::addColumn<float>("badDraw");
    QTest::addColumn<bool>("throughRestart");
    QTest::addColumn<QStringList>("fragments");
    const float infinity = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("overflow, next button") << 1.0e6f << false << QStringList{"6", "Overflow"};
    QTest::newRow("overflow, new game") << 1.0e6f << true << QStringList{"6", "Overflow"};
    QTest::newRow("infinite draw, next button") << infinity << false << QStringList{"11"};
    QTest::newRow("NaN draw, new game") << nan << true << QStringList{"11"};
}

void TestLifecycle::uncaughtErrorIsReported()
{
    QFETCH(float, badDraw);
    QFETCH(bool, throughRestart);
    QFETCH(QStringList, fragments);
    FakeClock clock;
    // The first problem draws three good values; the next one draws the bad one.
    ScriptedRandom random({0.5f, 0.5f, 0.5f, badDraw});
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    QVERIFY(startQuiet(tavola));
    ModalBoxes boxes;

    if (throughRestart) {
        menuCommand(tavola, "new")->trigger();
    } else {
        auto *next = control<QPushButton>(tavola, QStringLiteral("cmdNext"));
        next->setEnabled(true);
        next->click();
    }

    QCOMPARE(boxes.seen.size(), 1);
    for (const QString &fragment : fragments)
        QVERIFY2(boxes.seen[0].text.contains(fragment), qPrintable(boxes.seen[0].text));
    QCOMPARE(platform.endings, QList<int>{1});
}

void TestLifecycle::closingRunsNothingOfOurs()
{
    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    ModalBoxes boxes;

    QVERIFY(tavola.close());
    QTest::qWait(100);
    QCOMPARE(boxes.seen.size(), 0);
    QCOMPARE(platform.endings, QList<int>());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
