// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/answer.h"
#include "quiz/problem.h"
#include "ui/sheet/sheetbuilder.h"

#include <QTime>

#include <optional>

// Hands the screen reader what the sheet shows. A reader speaks the
// control that takes the focus, so the answer box carries the problem and
// cmdNext the verdict; labels carry their quantity with their value.
namespace ui::accessible {

// Lets the reader skip widgets marked with hideFromReader(); call once,
// after the QApplication exists.
void installReaderFilter();
// Marks a widget that only repeats what another one reads.
void hideFromReader(QWidget *widget);
bool isHiddenFromReader(const QWidget *widget);

// Names the pictures, hides the counters' headings (each counter reads its
// own) and names the counters as they are.
void describeSheet(const SheetControls &controls);
// A new problem: the given lengths and the question, and no verdict.
void describeProblem(const SheetControls &controls, const quiz::Problem &problem);
// A judged answer: the counters, and the verdict on cmdNext.
void describeVerdict(const SheetControls &controls, const quiz::Verdict &verdict,
                     const quiz::Problem &problem);

// The alarm still to come, after the clock's designed tool tips; a reader
// reads them as the clock's description.
void describeAlarm(const SheetControls &controls, std::optional<QTime> pending);

} // namespace ui::accessible
