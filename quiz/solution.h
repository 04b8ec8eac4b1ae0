// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/problem.h"
#include "quiz/quizstate.h"

#include <QString>
#include <QStringList>

namespace quiz {

enum class Theorem { Leg, Altitude }; // primo and secondo teorema di Euclide

// How one problem is worked out, step by step. Lengths are exact decimals,
// so everything is held in integers: lengths in hundredths, squares and
// products in ten-thousandths.
struct WorkedSolution
{
    Theorem theorem = Theorem::Altitude;
    Length hidden = Length::HeightAH;
    Length first = Length::ProjBH; // the given lengths, in the order the formula uses them
    Length second = Length::ProjHC;
    qint64 firstValue = 0;   // hundredths
    qint64 secondValue = 0;  // hundredths
    qint64 intermediate = 0; // ten-thousandths: the product or the square
    qint64 result = 0;       // hundredths
    QStringList lines;       // theorem and formula, intermediate step, result with unit

    QString text() const { return lines.join(u'\n'); }
};

// The theorem that the problem of pick HiddenPick (1..6) rests on.
Theorem theoremOfPick(qint16 HiddenPick);

// The exact length of triangle (GenM, n) in hundredths.
qint64 exactHundredths(qint16 GenM, qint16 n, Length which);

// The worked solution of the problem that pick HiddenPick (1..6) makes of
// triangle (GenM, n).
WorkedSolution solveProblem(qint16 GenM, qint16 n, qint16 HiddenPick,
                            const format::DisplayLocale &locale);

// The worked solution of the problem the window drew last, from its state.
WorkedSolution solveCurrentProblem(const QuizState &state, const format::DisplayLocale &locale);

// The letters that name a length: "AH", "BC".
QString lengthName(Length which);

// An exact decimal written with the locale's separator and no needless zeros:
// (5184, 4) gives "0,5184", (51840, 4) "5,184", (700, 2) "7".
QString exactDecimalText(qint64 units, int decimals, const format::DisplayLocale &locale);

} // namespace quiz
