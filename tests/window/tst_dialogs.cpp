// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakes.h"
#include "support/modalboxes.h"
#include "ui/dialogs/alarmdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

Q_DECLARE_METATYPE(quiz::AlarmValue)

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void alarmChoice_data();
    void alarmChoice();
    void lastMinuteOffersNothing_data();
    void lastMinuteOffersNothing();
    void refusalIsShownWhole_data();
    void refusalIsShownWhole();
};

void TestDialogs::alarmChoice_data()
{
    QTest::addColumn<quiz::AlarmValue>("current");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QTime>("typed"); // null: the time the dialog offers
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<quiz::AlarmValue>("chosen");
    QTest::addColumn<bool>("clearEnabled");

    const quiz::AlarmValue none = QString();
    const QTime offered;
    QTest::newRow("no alarm: offers the next whole minute")
        << none << QTime(10, 44, 30) << offered << false << true << quiz::AlarmValue(QTime(10, 45))
        << false;
    QTest::newRow("one second ahead is still ahead")
        << none << QTime(10, 44, 59) << offered << false << true << quiz::AlarmValue(QTime(10, 45))
        << false;
    QTest::newRow("alarm set: kept as it is")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(7, 0) << offered << false << true
        << quiz::AlarmValue(QTime(7, 30)) << true;
    QTest::newRow("clearing gives the empty text, not the old time")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(7, 0) << offered << true << true << none << true;
    // Found by playing: after ringing, the dialog offered the rung time and its clearing.
    QTest::newRow("a rung alarm is no alarm: the next minute is offered")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(10, 0) << offered << false << true
        << quiz::AlarmValue(QTime(10, 1)) << false;
    // Found while wiring the alarm: these rang at once, the step being "at or after".
    QTest::newRow("a time already past is refused")
        << none << QTime(10, 0) << QTime(7, 30) << false << false << none << false;
    QTest::newRow("the minute under way is refused")
        << none << QTime(10, 45, 0) << QTime(10, 45) << false << false << none << false;
}

void TestDialogs::alarmChoice()
{
    QFETCH(quiz::AlarmValue, current);
    QFETCH(QTime, now);
    QFETCH(QTime, typed);
    QFETCH(bool, clear);
    QFETCH(bool, accepted);
    QFETCH(quiz::AlarmValue, chosen);
    QFETCH(bool, clearEnabled);
    FakeClock clock;
    clock.now = now;
    const std::optional<QTime> pending = quiz::pendingAlarm(now, current);
    ui::AlarmDialog dialog(pending, clock);
    dialog.show();
    QCOMPARE(dialog.clearButton()->isEnabled(), clearEnabled);
    // The dialog says which alarm is set, if any, before anything is chosen.
    const QTime *set = std::get_if<QTime>(&current);
    const bool saysTime = set && dialog.currentLine()->text().contains(set->toString("HH:mm"));
    QCOMPARE(saysTime, clearEnabled);
    if (typed.isValid())
        dialog.timeEdit()->setTime(typed);
    (clear ? dialog.clearButton() : dialog.setButton())->click();
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.isVisible(), !accepted);
    // A refused time is said in the dialog, which stays open for another.
    QCOMPARE(dialog.refusal()->isVisible(), !accepted);
    if (accepted)
        QVERIFY(dialog.chosenAlarm() == chosen);
    else
        QVERIFY(dialog.refusal()->text().contains(u"già passate"));
}

void TestDialogs::lastMinuteOffersNothing_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("timeLeft");
    QTest::newRow("23:58:59, one minute left") << QTime(23, 58, 59) << true;
    QTest::newRow("23:59:00") << QTime(23, 59, 0) << false;
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << false;
}

// Whatever the dialog offers it must accept; where nothing is left today
// it says so and offers nothing.
void TestDialogs::lastMinuteOffersNothing()
{
    QFETCH(QTime, now);
    QFETCH(bool, timeLeft);
    FakeClock clock;
    clock.now = now;
    ui::AlarmDialog dialog(std::nullopt, clock);
    dialog.show();
    QCOMPARE(dialog.setButton()->isEnabled(), timeLeft);
    QCOMPARE(dialog.refusal()->isVisible(), !timeLeft);
    if (timeLeft) {
        dialog.setButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QTime chosen = std::get<QTime>(dialog.chosenAlarm());
        QVERIFY(chosen > now);
    }
}

void TestDialogs::refusalIsShownWhole_data()
{
    QTest::addColumn<QString>("font");
    QTest::newRow("the desktop's font") << QString();
    QTest::newRow("a large font") << QStringLiteral("DejaVu Sans,20");
}

// A refused time's line, wrapped, must fit inside the dialog.
void TestDialogs::refusalIsShownWhole()
{
    QFETCH(QString, font);
    FakeClock clock;
    clock.now = QTime(10, 0);
    ui::AlarmDialog dialog(std::nullopt, clock);
    dialog.timeEdit()->setTime(QTime(7, 30));
    if (!font.isEmpty()) {
        QFont large;
        large.fromString(font);
        dialog.setFont(large);
    }
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setButton()->click();
    QCoreApplication::processEvents();
    QLabel *line = dialog.refusal();
    QVERIFY(line->isVisible());
    QVERIFY2(line->height() >= line->heightForWidth(line->width()),
             qPrintable(QStringLiteral("%1 < %2").arg(line->height()).arg(line->heightForWidth(line->width()))));
    QVERIFY(dialog.rect().contains(line->geometry()));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
