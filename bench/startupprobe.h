// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up measured from outside: a child process starts the quiz window as
// the program's entry does (keeping a record), or as it would start with its
// pixels handed to X through shared memory, or a bare Qt window showing one
// label, all maximised, and writes to standard output, each time read on the
// monotonic clock:
//     painted <ns> <peak resident set in kB>   the first problem (or the maximised label) painted
//     settled <ns> <peak resident set in kB>   the last change before the window stood still
// A window stands still when nothing was painted for a while, or when the
// quiz's clock ticks for the first time (its ticks and the caret's blinking
// are its life, not its start-up).
namespace ui::startupprobe {

enum class Window {
    Quiz,
    QuizWithSharedImages, // what the program gives up for a quiet idle window
    Bare,
};

enum class End {
    AtFirstPaint, // ends at once after the first paint is flushed, for counting instructions
    WhenSettled,
    Never, // stays idle until killed, for counting its wake-ups
};

int run(int argc, char *argv[], Window window, End end);

} // namespace ui::startupprobe
