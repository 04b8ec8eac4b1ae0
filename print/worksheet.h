// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignment.h"
#include "quiz/problemset.h"
#include "quiz/solution.h"

#include <QString>

#include <optional>

class QPagedPaintDevice;

namespace print {

inline constexpr int minProblemCount = quiz::minProblemSetSize;
inline constexpr int maxProblemCount = quiz::maxProblemSetSize;
inline constexpr int defaultProblemCount = quiz::defaultProblemSetSize;

// Where the worked solutions go: after the problems, in a file of their own
// (so that the pupils' copies can be printed without them), or nowhere.
enum class KeyPlacement { End, Separate, None };

// What the foot of each page names the sheet by: the seed, or the code of
// the assignment the sheet is.
enum class SheetMark { Seed, AssignmentCode };

// What a teacher asks for; the seed makes the sheet reproducible.
struct WorksheetRequest
{
    int count = defaultProblemCount;
    quiz::TheoremChoice theorem = quiz::TheoremChoice::Both;
    quint32 seed = 0;
    KeyPlacement key = KeyPlacement::End;
    quiz::Level level = quiz::defaultLevel;
    SheetMark mark = SheetMark::Seed;
};

// The sheet's problems in its order, each solved once so that every use of
// it (the pages, the key, the questions for a learning platform) shows the
// same numbers.
QList<quiz::WorkedSolution> solvedProblems(const WorksheetRequest &request,
                                           const format::DisplayLocale &locale);
// The assignment whose problems the sheet holds, and the sheet of an
// assignment, marked with its code.
quiz::Assignment assignmentOf(const WorksheetRequest &request);
WorksheetRequest sheetOf(const quiz::Assignment &assignment);

// A seed short enough to copy from the sheet by hand.
quint32 randomSeed();

// Paints the pupils' pages on A4 portrait pages of any paged device (a PDF
// writer or a printer), followed by the answer key unless the request keeps
// it apart or leaves it out. False when the device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice &device, const WorksheetRequest &request);

// Paints the answer key alone, with its own page numbers.
bool paintAnswerKey(QPagedPaintDevice &device, const WorksheetRequest &request);

// The file that a separate answer key goes to: "scheda.pdf" gives
// "scheda-soluzioni.pdf".
QString answerKeyPath(const QString &worksheetPath);

// Writes the worksheet as a PDF file, and the answer key beside it when the
// request keeps it apart. The pages go to temporary files that replace the
// targets only once both are complete, so a failure leaves no partial file.
// Returns the Italian reason on failure, nothing on success.
std::optional<QString> writeWorksheetPdf(const QString &path, const WorksheetRequest &request);

} // namespace print
