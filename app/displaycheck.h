// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

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
// display it picks cannot be reached, so the program asks first. The X
// server found stays connected until releaseCheckedDisplay().
bool displayUsable(const Environment &environment = processEnvironment);

// Closes the check's connection to the X server, once the application has
// its own: a server whose last client leaves resets and refuses connections.
void releaseCheckedDisplay();

// The window's own options that decide where it shows: Qt's -platform and
// -display, empty when not given.
struct WindowOptions
{
    std::string platform;
    std::string display;
};

// The line that says why the window cannot start, or an empty text when it
// can: checked before Qt starts, since Qt aborts with its own English text.
std::string displayRefusal(const WindowOptions &options,
                           const Environment &environment = processEnvironment);

// QT_SCALE_FACTOR outside this range leaves a window too small to read or
// too large to fit; it is ignored.
inline constexpr double minScaleFactor = 0.5;
inline constexpr double maxScaleFactor = 4;
// Removes an unusable QT_SCALE_FACTOR from the process's environment; returns
// the line that says so, or an empty text.
std::string dropUnusableScaleFactor();

// What the program and run.sh print, on one line, when there is no usable display.
inline constexpr const char *noDisplayMessage = QT_TRANSLATE_NOOP(
    "displaycheck",
    "solvetra: nessuno schermo grafico utilizzabile (DISPLAY assente, vuoto o non raggiungibile); "
    "avvia il programma da una sessione grafica.\n");

} // namespace app
