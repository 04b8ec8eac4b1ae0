// SPDX-License-Identifier: GPL-3.0-or-later
// The window by keyboard alone: the menu bar walked by keys, with every key delivered as a real one is:
// to the window, which hands it to the open menu or to the focused control.
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "ui/sheet/picturebutton.h"
#include "ui/window/tavola.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

class TestMenuKeys : public QObject
{
    Q_OBJECT

private slots:
    void barWalkedByKeys_data();
    void barWalkedByKeys();
    void escapeGivesTheKeysBack_data();
    void escapeGivesTheKeysBack();
    void focusedButtonShowsAFrame();
};

namespace {

struct Session
{
    FakeClock clock;
    ScriptedRandom random{{0.1f}};
    FakePlatform platform;
    ui::Tavola tavola{clock, random, platform};

    void press(Qt::Key key) { QTest::keyClick(tavola.windowHandle(), key); }
    // Shown and active, its clock still: only the test's keys reach it.
    bool start()
    {
        tavola.start();
        tavola.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        return QTest::qWaitForWindowActive(&tavola);
    }
    // An answer judged, so that "Nuovo calcolo" has the focus.
    void judge()
    {
        QTest::keyClick(tavola.windowHandle(), '1');
        press(Qt::Key_Return);
    }
    QAction *command(const QString &name)
    {
        return tavola.menuBar()->findChild<QAction *>(name);
    }
};

// The bar's entry that holds action, itself or the menu it lies in.
qsizetype entryOf(QMenuBar *bar, QAction *action)
{
    for (qsizetype i = 0; i < bar->actions().size(); ++i) {
        QAction *entry = bar->actions().at(i);
        if (entry == action || (entry->menu() && entry->menu()->actions().contains(action)))
            return i;
    }
    return -1;
}

} // namespace

void TestMenuKeys::barWalkedByKeys_data()
{
    QTest::addColumn<Qt::Key>("opener");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("afterVerdict");
    // Found by hand with a real keyboard: the arrows went back to the answer box.
    QTest::newRow("F10 to Nuovo gioco") << Qt::Key_F10 << "new" << false;
    QTest::newRow("F10 to Calcolatrice") << Qt::Key_F10 << "calc" << false;
    // After a verdict Return also means "Nuovo calcolo"; in the bar it is the bar's.
    QTest::newRow("F10 to Nuovo gioco after a verdict") << Qt::Key_F10 << "new" << true;
    QTest::newRow("F10 into the Esercizi menu") << Qt::Key_F10 << "sveglia" << false;
    QTest::newRow("Alt to Nuovo gioco") << Qt::Key_Alt << "new" << false;
}

void TestMenuKeys::barWalkedByKeys()
{
    QFETCH(Qt::Key, opener);
    QFETCH(QString, command);
    QFETCH(bool, afterVerdict);
    Session s;
    QVERIFY(s.start());
    if (afterVerdict) {
        s.judge();
        QVERIFY(QApplication::focusWidget()
                != s.tavola.findChild<QLineEdit *>(QStringLiteral("txtAnswer")));
    }
    QAction *wanted = s.command(command);
    QVERIFY(wanted);
    bool triggered = false;
    QObject::connect(wanted, &QAction::triggered, &s.tavola, [&] { triggered = true; });
    // The alarm's dialog would wait for an answer: close any that opens.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(50);

    s.press(opener);
    QMenuBar *bar = s.tavola.menuBar();
    QTRY_COMPARE(bar->activeAction(), bar->actions().constFirst());
    const qsizetype entry = entryOf(bar, wanted);
    QVERIFY(entry >= 0);
    for (qsizetype i = 0; i < entry; ++i)
        s.press(Qt::Key_Right);
    QCOMPARE(bar->activeAction(), bar->actions().at(entry));
    QAction *menuEntry = bar->actions().at(entry);
    if (menuEntry->menu()) {
        s.press(Qt::Key_Down);
        QTRY_VERIFY(menuEntry->menu()->isVisible());
        QTRY_VERIFY(menuEntry->menu()->activeAction() != nullptr);
        for (int guard = 0; menuEntry->menu()->activeAction() != wanted && guard < 10; ++guard)
            s.press(Qt::Key_Down);
        QCOMPARE(menuEntry->menu()->activeAction(), wanted);
    }
    s.press(Qt::Key_Return);
    QTRY_VERIFY(triggered);
}

void TestMenuKeys::escapeGivesTheKeysBack_data()
{
    QTest::addColumn<bool>("afterVerdict");
    QTest::newRow("while answering") << false;
    QTest::newRow("after a verdict") << true;
}

// Leaving the bar puts the keys back where the pupil was: the next digit
// typed goes into the answer box, or Enter goes on to the next problem.
void TestMenuKeys::escapeGivesTheKeysBack()
{
    QFETCH(bool, afterVerdict);
    Session s;
    QVERIFY(s.start());
    if (afterVerdict) {
        s.judge();
    }
    QWidget *before = QApplication::focusWidget();
    QVERIFY(before);
    s.press(Qt::Key_F10);
    QTRY_VERIFY(s.tavola.menuBar()->hasFocus());
    s.press(Qt::Key_Right);
    s.press(Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), before);
    QCOMPARE(s.tavola.menuBar()->activeAction(), nullptr);
}

// After a verdict the window gives "Nuovo calcolo" the focus itself: the
// pupil must see where Enter and Space go, and the face stays as designed
// everywhere but on a thin frame inside the border.
void TestMenuKeys::focusedButtonShowsAFrame()
{
    Session s;
    QVERIFY(s.start());
    auto *next = s.tavola.findChild<ui::PictureButton *>(QStringLiteral("cmdNext"));
    QVERIFY(next);
    s.judge();
    QTRY_VERIFY(next->hasFocus());
    const QImage focused = next->grab().toImage();
    s.tavola.findChild<QLineEdit *>(QStringLiteral("txtAnswer"))->setFocus();
    QTRY_VERIFY(!next->hasFocus());
    const QImage plain = next->grab().toImage();
    QCOMPARE(focused.size(), plain.size());

    const QRect border = plain.rect().adjusted(3, 3, -3, -3);
    const QRect inside = plain.rect().adjusted(8, 8, -8, -8);
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (focused.pixel(x, y) == plain.pixel(x, y))
                continue;
            QVERIFY2(border.contains(x, y) && !inside.contains(x, y),
                     qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
            top += y < inside.top();
            bottom += y > inside.bottom();
            left += x < inside.left();
            right += x > inside.right();
        }
    }
    // A frame all round, not a mark in one place: each side is a quarter drawn at least.
    QVERIFY2(std::min(top, bottom) >= plain.width() / 4, qPrintable(QString::number(top)));
    QVERIFY2(std::min(left, right) >= plain.height() / 4, qPrintable(QString::number(left)));
}

QTEST_MAIN(TestMenuKeys)
#include "tst_menukeys.moc"
