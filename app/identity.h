// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace app {

// The id that names the desktop entry, the icon and the AppStream data.
inline const QString desktopId = QStringLiteral("example.solvetra.solvetra");

// The name people see in menus and software centres (the desktop entry's Name).
inline const QString displayName = QStringLiteral("Solvetra");

// Names the program to Qt once, before anything reads them: window titles,
// the desktop entry the window belongs to, --version.
void applyIdentity();

} // namespace app
