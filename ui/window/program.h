// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/clock.h"
#include "quiz/randomsource.h"
#include "ui/window/platform.h"
#include "ui/window/tavola.h"

class QApplication;

namespace ui {

// The program's objects as the program runs them: the application prepared,
// the system's clock, a random source seeded from entropy, the desktop and
// the window. The entry and the benchmarks all start from here.
class Program
{
public:
    explicit Program(QApplication &app);

    Tavola &window() { return m_window; }

private:
    quiz::SystemClock m_clock;
    quiz::MixingRandomSource m_random;
    DesktopPlatform m_platform;
    Tavola m_window;
};

} // namespace ui
