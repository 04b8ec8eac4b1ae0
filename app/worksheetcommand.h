// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCommandLineParser;

namespace app {

// True when the arguments ask for a worksheet instead of the window.
bool worksheetRequested(int argc, char *argv[]);

// Adds --worksheet, --count, --theorem and --seed.
void addWorksheetOptions(QCommandLineParser &parser);

// Checks the options and writes the worksheet. Returns the exit status: 0 on
// success, 2 with one Italian line on standard error when an option is wrong
// or the file cannot be written.
int runWorksheetCommand(const QCommandLineParser &parser);

// The whole headless run: needs no display.
int worksheetMain(int argc, char *argv[]);

} // namespace app
