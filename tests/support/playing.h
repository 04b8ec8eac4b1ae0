// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window/answerlog.h"
#include "ui/window/tavola.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace playing {

// Types the right value of the problem on display, or one that is surely
// wrong, presses Enter, lets the record be written, and moves on to the
// next problem.
inline void answer(ui::Tavola &tavola, bool right)
{
    auto *box = tavola.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
    const float expected = tavola.state().ExpectedValue;
    const QString typed = right ? QString::number(expected, 'g', 6).replace(u'.', u',')
                                : QString::number(int(expected) + 7);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    // The record is written on its own thread after the verdict.
    if (auto *log = tavola.findChild<ui::AnswerLog *>())
        QVERIFY(log->settle());
    // A click, not Enter: a window a dialog just left may not be active yet.
    tavola.findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
}

// Runs open; the first modal dialog of type Dialog that shows is handed to
// respond, which must close it. Any other modal dialog but a message box
// (ModalBoxes answers those) is rejected, so no test can hang. Says whether
// such a dialog showed.
template <typename Dialog>
bool respond(const std::function<void()> &open, const std::function<void(Dialog *)> &respond)
{
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<Dialog *>(modal); dialog && !shown) {
            shown = true;
            respond(dialog);
        } else if (auto *other = qobject_cast<QDialog *>(modal);
                   other && !qobject_cast<QMessageBox *>(modal)) {
            other->reject();
        }
    });
    poll.start(10);
    open();
    return shown;
}

} // namespace playing
