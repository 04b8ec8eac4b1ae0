// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

namespace app {

// The application of a command that paints files (a worksheet, a report):
// painting text needs a GUI application but never a screen, so it runs
// offscreen, without Qt's own options (-platform xcb, -display ...), which
// would ask for a screen again, and with only Qt's severe messages shown.
class HeadlessApplication
{
public:
    explicit HeadlessApplication(int argc, char *argv[]);

private:
    int m_argc;
    QGuiApplication m_application;
};

} // namespace app
