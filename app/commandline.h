// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What the arguments ask for: open the quiz window, or print a text and end
// with a status, without ever touching the display.
struct CommandLineResult
{
    enum class Action { RunWindow, PrintAndExit };

    Action action = Action::RunWindow;
    QString output; // printed when the action is PrintAndExit
    bool toStandardError = false;
    int exitStatus = 0;
};

inline constexpr int usageErrorStatus = 2;

// Reads the arguments as main receives them (program name first). Qt's own
// options (-platform, -style, ...) are accepted and left for QApplication.
CommandLineResult parseCommandLine(const QStringList &arguments, const QString &version);

} // namespace app
