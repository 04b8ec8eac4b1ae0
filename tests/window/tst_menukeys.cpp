// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar by keyboard alone, with every key delivered as a real one is:
// to the window, which hands it to the open menu or to the focused control.
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "ui/window/tavola.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestMenuKeys : public QObject
{
    Q_OBJECT

private slots:
    void barWalkedByKeys_data();
    void barWalkedByKeys();
    void escapeGivesTheKeysBack_data();
    void escapeGivesTheKeysBack();
};

namespace {

struct Session
{
    FakeClock clock;
    ScriptedRandom random{{0.1f}};
    FakePlatform platform;
    ui::Tavola tavola{clock, random, platform};

    void press(Qt::Key key) { QTest::keyClick(tavola.windowHandle(), key); }
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
    s.tavola.start();
    s.tavola.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    QVERIFY(QTest::qWaitForWindowActive(&s.tavola));
    if (afterVerdict) {
        QTest::keyClick(s.tavola.windowHandle(), '1');
        s.press(Qt::Key_Return);
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
    s.tavola.start();
    s.tavola.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    QVERIFY(QTest::qWaitForWindowActive(&s.tavola));
    if (afterVerdict) {
        QTest::keyClick(s.tavola.windowHandle(), '1');
        s.press(Qt::Key_Return);
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

QTEST_MAIN(TestMenuKeys)
#include "tst_menukeys.moc"
