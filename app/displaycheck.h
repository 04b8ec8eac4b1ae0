// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace app {

// Reads one environment variable; empty when it is unset.
using Environment = std::function<std::string(const char *name)>;

// The process's own environment.
std::string processEnvironment(const char *name);

// Whether the display the environment names can be reached: an X server that
// accepts a connection on DISPLAY, a compositor on WAYLAND_DISPLAY, or a Qt
// platform that needs neither (offscreen, vnc, ...). Qt aborts when the
// display it picks cannot be reached, so the program asks first.
bool displayUsable(const Environment &environment = processEnvironment);

// What the program and run.sh print, on one line, when there is no usable display.
inline constexpr const char *noDisplayMessage =
    "solvetra: nessuno schermo grafico utilizzabile (DISPLAY assente, vuoto o non raggiungibile); "
    "avvia il programma da una sessione grafica.\n";

} // namespace app
