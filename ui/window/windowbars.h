// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/level.h"
#include "record/pupil.h"

#include <QString>
#include <QtGlobal>

class QAction;
class QMainWindow;
class QMenuBar;
class QStatusBar;

namespace ui {

// The actions of the four designed menus, by their designed names.
struct DesignedMenus
{
    QAction *scuola = nullptr;
    QAction *software = nullptr;
    QAction *Ciao_1 = nullptr;
    QAction *gim = nullptr;
    QAction *Tmer_2 = nullptr;
    QAction *pop = nullptr;
    QAction *calc = nullptr;
    QAction *newGame = nullptr; // "new"
};

// A menu bar holding the four designed menus, left to right; their actions
// go into menus.
QMenuBar *createMenuBar(DesignedMenus &menus);

// F10 opens the window's menu bar at its first menu, as on the desktop's
// other programs; the arrows then walk it and Return chooses.
void addMenuBarKey(QMainWindow *window);

// The status bar with its four designed panels, the last one carrying the
// illustration drawn for the given screen ratio.
QStatusBar *createStatusBar(qreal devicePixelRatio);

// Who plays, for the status bar's fourth panel: the name and class, and the
// level from level 2 on ("Anna Rossi, 3B · Livello 2"); empty with no name
// at level 1.
QString whoPlaysText(const record::Pupil &pupil, quiz::Level level);

// Puts text in the fourth panel (who plays, an assignment's progress), which
// grows to hold it; an empty text gives the panel back its illustration and
// its designed width.
void showInLastPanel(QStatusBar *bar, const QString &text);

} // namespace ui
