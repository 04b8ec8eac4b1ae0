// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/commands.h"

#include <QWidget>

namespace ui {

QAction *addNamedAction(QWidget *owner, const char *name, const QString &text,
                        const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    owner->addAction(action);
    return action;
}

} // namespace ui
