// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/questionfile.h"
#include "print/worksheet.h"

#include <QImage>
#include <QString>

#include <optional>

namespace print {

// The category a set of questions gets when no assignment names it: its
// seed, and its level from 2 on.
QString defaultCategory(const WorksheetRequest &request);

// A problem's figure as the worksheet draws it, on white, cut to the
// drawing, at twice a screen's resolution so that it stays sharp on a
// high-density display.
QImage figureImage(const quiz::WorkedSolution &solution, const format::DisplayLocale &locale);

// The worksheet's problems as numerical questions, in the sheet's order and
// the language in use: the givens and the asked length in words, the figure,
// the exact answer and the worked solution.
format::QuestionSet questionSet(const WorksheetRequest &request, const QString &category);

// Where the question files go; an empty path is not written.
struct QuestionFiles
{
    QString moodlePath;
    QString giftPath;
};

// Writes the files through temporary files that replace the targets only
// once all are complete, so a failure leaves none. Returns the Italian
// reason on failure, nothing on success.
std::optional<QString> writeQuestionFiles(const QuestionFiles &files,
                                          const WorksheetRequest &request, const QString &category);

} // namespace print
