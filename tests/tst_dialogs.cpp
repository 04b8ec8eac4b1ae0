// SPDX-License-Identifier: GPL-3.0-or-later
#include "modalboxes.h"
#include "alarmdialog.h"
#include "worksheetdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
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
    QTest::addColumn<quiz::AlarmValue>("chosen");
    QTest::addColumn<bool>("clearEnabled");

    const quiz::AlarmValue none = QString();
    QTest::newRow("no alarm: offers the next whole minute")
        << none << QTime(10, 44, 30) << false << quiz::AlarmValue(QTime(10, 45)) << false;
    QTest::newRow("no alarm just before midnight: wraps to 00:00")
        << none << QTime(23, 59, 30) << false << quiz::AlarmValue(QTime(0, 0)) << false;
    QTest::newRow("alarm set: kept as it is") << quiz::AlarmValue(QTime(7, 30)) << QTime(10, 0)
                                              << false << quiz::AlarmValue(QTime(7, 30)) << true;
    QTest::newRow("clearing gives the empty text, not the old time")
        << quiz::AlarmValue(QTime(7, 30)) << QTime(10, 0) << true << none << true;
}

void TestDialogs::alarmChoice()
{
    QFETCH(quiz::AlarmValue, current);
    QFETCH(QTime, now);
    QFETCH(bool, clear);
    QFETCH(quiz::AlarmValue, chosen);
    QFETCH(bool, clearEnabled);
    ui::AlarmDialog dialog(current, now);
    QCOMPARE(dialog.clearButton()->isEnabled(), clearEnabled);
    (clear ? dialog.clearButton() : dialog.setButton())->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.chosenAlarm() == chosen);
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
