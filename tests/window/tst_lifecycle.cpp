// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modalboxes.h"
#include "support/session.h"
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

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
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
    // No tick can come: the timer is stopped, and nothing posted opens a box.
    QVERIFY(!s.find<QTimer>("Timer1")->isActive());
    QCoreApplication::processEvents();
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
    QCoreApplication::processEvents();
    QCOMPARE(boxes.seen.size(), 0);
    QCOMPARE(s.platform.endings, QList<int>());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
