// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakes.h"
#include "support/modalboxes.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/worksheetdialog.h"

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
Q_DECLARE_METATYPE(quiz::TheoremChoice)

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void alarmChoice_data();
    void alarmChoice();
    void worksheetRequestFollowsControls_data();
    void worksheetRequestFollowsControls();
    void unwritableWorksheetIsReported();
};

void TestDialogs::alarmChoice_data()
{
    QTest::addColumn<quiz::AlarmValue>("current");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<quiz::AlarmValue>("chosen");
    QTest::addColumn<bool>("clearEnabled");

    const quiz::AlarmValue none = QString();
    QTest::newRow("no alarm: offers the next whole minute")
        << none << QTime(10, 44, 30) << false << true << quiz::AlarmValue(QTime(10, 45)) << false;
    QTest::newRow("one second ahead is still ahead")
        << none << QTime(10, 44, 59) << false << true << quiz::AlarmValue(QTime(10, 45)) << false;
    QTest::newRow("alarm set: kept as it is")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(7, 0) << false << true
        << quiz::AlarmValue(QTime(7, 30)) << true;
    QTest::newRow("clearing gives the empty text, not the old time")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(10, 0) << true << true << none << true;
    // Found while wiring the alarm: these rang at once, the step being "at or after".
    QTest::newRow("a time already past is refused")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(10, 0) << false << false << none << true;
    QTest::newRow("the minute under way is refused")
        << quiz::AlarmValue(QTime(10, 45)) << QTime(10, 45, 0) << false << false << none << true;
    QTest::newRow("just before midnight the offered 00:00 is refused")
        << none << QTime(23, 59, 30) << false << false << none << false;
}

void TestDialogs::alarmChoice()
{
    QFETCH(quiz::AlarmValue, current);
    QFETCH(QTime, now);
    QFETCH(bool, clear);
    QFETCH(bool, accepted);
    QFETCH(quiz::AlarmValue, chosen);
    QFETCH(bool, clearEnabled);
    FakeClock clock;
    clock.now = now;
    ui::AlarmDialog dialog(current, clock);
    dialog.show();
    QCOMPARE(dialog.clearButton()->isEnabled(), clearEnabled);
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

void TestDialogs::worksheetRequestFollowsControls_data()
{
    QTest::addColumn<int>("typedCount");
    QTest::addColumn<int>("theoremIndex");
    QTest::addColumn<int>("count");
    QTest::addColumn<quiz::TheoremChoice>("theorem");
    QTest::newRow("default") << -1 << 0 << 20 << quiz::TheoremChoice::Both;
    QTest::newRow("leg theorem, 5 problems") << 5 << 1 << 5 << quiz::TheoremChoice::Leg;
    QTest::newRow("altitude theorem, too many clamps to 60")
        << 1000 << 2 << 60 << quiz::TheoremChoice::Altitude;
    QTest::newRow("too few clamps to 5") << 0 << 0 << 5 << quiz::TheoremChoice::Both;
}

void TestDialogs::worksheetRequestFollowsControls()
{
    QFETCH(int, typedCount);
    QFETCH(int, theoremIndex);
    QFETCH(int, count);
    QFETCH(quiz::TheoremChoice, theorem);
    ui::WorksheetDialog dialog;
    if (typedCount >= 0)
        dialog.countBox()->setValue(typedCount);
    dialog.theoremBox()->setCurrentIndex(theoremIndex);
    dialog.seedBox()->setValue(4321);
    const print::WorksheetRequest request = dialog.request();
    QCOMPARE(request.count, count);
    QCOMPARE(request.theorem, theorem);
    QCOMPARE(request.seed, 4321u);
}

void TestDialogs::unwritableWorksheetIsReported()
{
    QTemporaryDir dir;
    ui::WorksheetDialog dialog;
    {
        ModalBoxes boxes({QMessageBox::Ok});
        QVERIFY(!dialog.saveTo(dir.filePath(QStringLiteral("missing/scheda.pdf"))));
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Scheda non salvata"));
        QVERIFY(boxes.seen[0].text.startsWith(u"Non è stato possibile salvare la scheda"));
    }
    QVERIFY(QDir(dir.path()).isEmpty());

    const QString path = dir.filePath(QStringLiteral("scheda.pdf"));
    QVERIFY(dialog.saveTo(path));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
