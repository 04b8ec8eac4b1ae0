// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QWidget;

namespace ui {

// Runs a handler the way the window runs every handler: an error that
// escapes it is reported and ends the program.
using Runner = std::function<void(const std::function<void()> &)>;

// A new action with its name (tests and the window's commands know it by
// that), text and keys, added to owner: a menu, a menu bar or the window.
QAction *addNamedAction(QWidget *owner, const char *name, const QString &text,
                        const QList<QKeySequence> &keys = {});

// Connects a signal to a handler of receiver, run through run.
template <typename Sender, typename Signal, typename Receiver>
void wire(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)(),
          const Runner &run)
{
    QObject::connect(sender, signal, receiver, [receiver, handler, run] {
        run([receiver, handler] { (receiver->*handler)(); });
    });
}

} // namespace ui
