// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modalboxes.h"
#include "support/session.h"
#include "support/windowtests.h"
#include "ui/window/platform.h"
#include "ui/window/tavola.h"

#include <QAccessible>
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

} // namespace

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void clockTicks_data();
    void clockTicks();
    void textAlarmNeverRings_data();
    void textAlarmNeverRings();
    void alarmRingsOnceAndRearms();
    void farewellAtMidnightShowsOneReading();
    void clockTellsTheAlarmToCome_data();
    void clockTellsTheAlarmToCome();
};

void TestClock::clockTicks_data()
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

void TestClock::clockTicks()
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

void TestClock::textAlarmNeverRings_data()
{
    QTest::addColumn<QString>("alarmText");
    QTest::newRow("empty text, as at start-up") << QString();
    // A text is never read as a time, even one that looks like it.
    QTest::newRow("text that looks like a time") << QStringLiteral("10:00:05");
}

void TestClock::textAlarmNeverRings()
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

void TestClock::alarmRingsOnceAndRearms()
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

void TestClock::clockTellsTheAlarmToCome_data()
{
    QTest::addColumn<quiz::AlarmValue>("alarm");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("told");
    QTest::newRow("no alarm") << quiz::AlarmValue(QString()) << QTime(10, 0) << false;
    QTest::newRow("alarm to come") << quiz::AlarmValue(QTime(10, 30)) << QTime(10, 0) << true;
    QTest::newRow("its last second before") << quiz::AlarmValue(QTime(10, 30)) << QTime(10, 29, 59) << true;
    QTest::newRow("rung") << quiz::AlarmValue(QTime(10, 30)) << QTime(10, 31) << false;
}

// While an alarm is to come, both parts of the clock tell its time after
// their designed tool tips, and a screen reader reads it as their description.
void TestClock::clockTellsTheAlarmToCome()
{
    QFETCH(quiz::AlarmValue, alarm);
    QFETCH(QTime, now);
    QFETCH(bool, told);
    Session s;
    QVERIFY(s.startQuiet());
    ModalBoxes boxes({QMessageBox::Ok});
    const QList<QWidget *> clock = {windowtests::controlOf<QWidget>(&s.tavola, "Image1"),
                                    windowtests::controlOf<QWidget>(&s.tavola, "lblTime")};
    QStringList designed;
    for (QWidget *part : clock)
        designed << part->toolTip();
    s.tick(QTime(9, 0));
    s.tavola.state().AlarmTime = alarm;
    s.tick(now.addSecs(-1));
    s.tick(now);
    for (qsizetype i = 0; i < clock.size(); ++i) {
        const QString tip = clock[i]->toolTip();
        QVERIFY2(tip.startsWith(designed[i]), qPrintable(tip));
        QCOMPARE(tip.contains(QStringLiteral("10:30")), told);
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(clock[i]);
        QVERIFY(read);
        QCOMPARE(read->text(QAccessible::Description).contains(QStringLiteral("10:30")), told);
    }
}

void TestClock::farewellAtMidnightShowsOneReading()
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

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
