// SPDX-License-Identifier: GPL-3.0-or-later
// The "Esercizi" menu in the real window: the worked solution after a
// verdict, and the alarm set from the menu or the clock.
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/modalboxes.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/window/tavola.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimeEdit>

#include <functional>

namespace {

// Runs open, answering the alarm dialog it opens with time (an invalid time
// clears the alarm). Any other dialog is rejected, so no test can hang.
// Says whether the alarm dialog opened.
bool answerAlarm(const std::function<void()> &open, QTime time)
{
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *alarm = qobject_cast<ui::AlarmDialog *>(modal);
        if (!alarm) {
            if (auto *other = qobject_cast<QDialog *>(modal))
                other->reject();
            return;
        }
        poll.stop();
        opened = true;
        if (time.isValid())
            alarm->timeEdit()->setTime(time);
        (time.isValid() ? alarm->setButton() : alarm->clearButton())->click();
    });
    poll.start(10);
    open();
    return opened;
}

struct Session
{
    // 7-24-25 scaled by 2, pick 1: the altitude AH from BH = 3,92 and HC = 46,08.
    FakeClock clock;
    ScriptedRandom random{{0.1f}};
    FakePlatform platform;
    ui::Tavola tavola{clock, random, platform};

    template <typename T> T *find(const char *name)
    {
        return tavola.findChild<T *>(QString::fromLatin1(name));
    }
    QAction *command(const char *name)
    {
        return tavola.menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    }
    bool start()
    {
        tavola.start();
        find<QTimer>("Timer1")->stop();
        return QTest::qWaitForWindowActive(&tavola);
    }
    void answer(const QString &typed)
    {
        QTest::keyClicks(find<QLineEdit>("txtAnswer"), typed);
        QTest::keyClick(find<QLineEdit>("txtAnswer"), Qt::Key_Return);
    }
    void tick(QTime time)
    {
        clock.now = time;
        tavola.Timer1_Timer();
    }
    bool alarmCleared() { return tavola.state().AlarmTime == quiz::AlarmValue(QString()); }
    bool setAlarm(QTime time) // through the menu
    {
        return answerAlarm([this] { command("sveglia")->trigger(); }, time);
    }
};

} // namespace

class TestExercises : public QObject
{
    Q_OBJECT

private slots:
    void workedSolutionOnlyAfterAVerdict_data();
    void workedSolutionOnlyAfterAVerdict();
    void alarmDialogOpensFrom_data();
    void alarmDialogOpensFrom();
    void alarmSetInTheWindowRingsOnce();
    void menuBarByKeyboard_data();
    void menuBarByKeyboard();
};

void TestExercises::workedSolutionOnlyAfterAVerdict_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("offered");
    QTest::newRow("nothing answered yet") << QString() << false;
    QTest::newRow("a lone comma is no verdict") << QStringLiteral(",") << false;
    QTest::newRow("wrong answer") << QStringLiteral("13") << true;
    QTest::newRow("right answer") << QStringLiteral("13,44") << true;
}

void TestExercises::workedSolutionOnlyAfterAVerdict()
{
    QFETCH(QString, typed);
    QFETCH(bool, offered);
    Session s;
    QVERIFY(s.start());
    if (!typed.isEmpty())
        s.answer(typed);
    QCOMPARE(s.command("soluzione")->isEnabled(), offered);

    ModalBoxes boxes;
    QTest::keyClick(&s.tavola, Qt::Key_F1);
    QCOMPARE(boxes.seen.size(), offered ? 1 : 0);
    if (!offered)
        return;
    const QString steps = QStringLiteral("Secondo teorema di Euclide: AH² = BH × HC\n"
                                         "AH² = 3,92 × 46,08 = 180,6336\n"
                                         "AH = √180,6336 = 13,44 cm");
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Come si risolve"));
    QCOMPARE(boxes.seen[0].text, steps);
    // A screen reader hears the whole solution, not only the title.
    QCOMPARE(boxes.seen[0].accessibleName, QStringLiteral("Come si risolve"));
    QCOMPARE(boxes.seen[0].accessibleDescription, steps);

    // The next problem takes the offer back, and so does a restart.
    s.find<QPushButton>("cmdNext")->click();
    QVERIFY(!s.command("soluzione")->isEnabled());
    s.answer(QStringLiteral("1"));
    QVERIFY(s.command("soluzione")->isEnabled());
    s.command("new")->trigger();
    QVERIFY(!s.command("soluzione")->isEnabled());
}

void TestExercises::alarmDialogOpensFrom_data()
{
    // Where the click lands, in twips of the designed sheet; an empty place
    // means the menu item.
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("menu item") << QPoint() << Qt::LeftButton << true;
    QTest::newRow("stopwatch picture") << QPoint(9000, 1320) << Qt::LeftButton << true;
    QTest::newRow("the clock's own line") << QPoint(9100, 1700) << Qt::LeftButton << true;
    QTest::newRow("just under the clock") << QPoint(9100, 2050) << Qt::LeftButton << true;
    QTest::newRow("right button on the stopwatch")
        << QPoint(9000, 1320) << Qt::RightButton << false;
    QTest::newRow("beside the stopwatch, left") << QPoint(8300, 1320) << Qt::LeftButton << false;
    QTest::newRow("above the illustration") << QPoint(9100, 2300) << Qt::LeftButton << false;
}

void TestExercises::alarmDialogOpensFrom()
{
    QFETCH(QPoint, place);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    Session s;
    QVERIFY(s.start());
    const auto click = [&] {
        QWidget *sheet = s.find<QWidget>("sheet");
        // The sheet may be fitted to the screen: scale the place as the stopwatch is.
        QWidget *stopwatch = s.find<QWidget>("Image1");
        const double k = stopwatch->width() / 480.0;
        const QPoint at = stopwatch->pos() + (place - QPoint(8760, 1080)) * k;
        QWidget *target = sheet->childAt(at) ? sheet->childAt(at) : sheet;
        QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(sheet, at));
    };
    QCOMPARE(place.isNull() ? s.setAlarm(QTime(10, 30)) : answerAlarm(click, QTime(10, 30)), opens);
    QCOMPARE(s.tavola.state().AlarmTime == quiz::AlarmValue(QTime(10, 30)), opens);
}

void TestExercises::alarmSetInTheWindowRingsOnce()
{
    Session s;
    s.clock.now = QTime(10, 44, 59);
    QVERIFY(s.start());
    ModalBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(s.setAlarm(QTime(10, 45)));
    s.tick(QTime(10, 44, 59));
    QCOMPARE(s.platform.beeps, 0);
    s.tick(QTime(10, 45, 0));
    QCOMPARE(s.platform.beeps, 1);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Sveglia"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Sveglia alle 10:45:00"));
    for (int second = 1; second < 90; ++second)
        s.tick(QTime(10, 45, 0).addSecs(second));
    QCOMPARE(s.platform.beeps, 1);

    // A later time re-arms it from the next second on.
    QVERIFY(s.setAlarm(QTime(10, 47)));
    s.tick(QTime(10, 46, 31));
    s.tick(QTime(10, 47, 0));
    QCOMPARE(s.platform.beeps, 2);
    QCOMPARE(boxes.seen.last().text, QStringLiteral("Sveglia alle 10:47:00"));

    // Cleared while still to come, it stays silent at any time, its own included.
    s.clock.now = QTime(10, 46);
    QVERIFY(s.setAlarm(QTime()));
    QVERIFY(s.alarmCleared());
    for (const QTime time : {QTime(10, 46, 0), QTime(10, 47, 0), QTime(23, 59, 59)})
        s.tick(time);
    QCOMPARE(s.platform.beeps, 2);

    // "Nuovo gioco" clears one that is set.
    s.clock.now = QTime(10, 50);
    QVERIFY(s.setAlarm(QTime(11, 0)));
    s.command("new")->trigger();
    QVERIFY(s.alarmCleared());
    s.find<QTimer>("Timer1")->stop();
    s.tick(QTime(11, 0, 0));
    QCOMPARE(s.platform.beeps, 2);
    QCOMPARE(boxes.seen.size(), 2);
}

// A pupil without a mouse reaches the bar's commands: F10, then the arrows.
void TestExercises::menuBarByKeyboard_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Nuovo gioco") << "new";
    QTest::newRow("Calcolatrice") << "calc";
}

void TestExercises::menuBarByKeyboard()
{
    QFETCH(QString, command);
    Session s;
    QVERIFY(s.start());
    QTest::keyClick(s.find<QLineEdit>("txtAnswer"), Qt::Key_F10);
    QMenuBar *bar = s.tavola.menuBar();
    QTRY_VERIFY(bar->activeAction() != nullptr);
    QCOMPARE(bar->activeAction(), bar->actions().constFirst());
    bool triggered = false;
    QAction *wanted = s.command(command.toLatin1().constData());
    QVERIFY(wanted);
    QObject::connect(wanted, &QAction::triggered, &s.tavola, [&] { triggered = true; });
    // Walk right until the command is highlighted, never past the bar's end.
    for (qsizetype i = 0; i < bar->actions().size() && bar->activeAction() != wanted; ++i) {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : static_cast<QWidget *>(bar), Qt::Key_Right);
    }
    QCOMPARE(bar->activeAction(), wanted);
    QTest::keyClick(bar, Qt::Key_Return);
    QTRY_VERIFY(triggered);
}

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"
