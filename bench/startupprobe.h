// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up measured from outside: a child process starts the quiz window
// (bare of a record, or keeping the one named by SOLVETRA_BENCH_RECORD as
// the program does) or a bare Qt window showing one label, and writes one line to
// standard output as soon as the first problem (or the label) is painted:
//     painted <peak resident set in kB>
// then quits.
namespace ui::startupprobe {

enum class Window { Quiz, QuizWithRecord, Bare };

int run(int argc, char *argv[], Window window);

} // namespace ui::startupprobe
