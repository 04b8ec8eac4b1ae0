// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/problem.h"

#include <QString>
#include <QStringList>

#include <array>

namespace quiz {

// One step worked out, in integers: lengths in hundredths, squares and
// products in ten-thousandths.
struct SolvedStep
{
    Step step{};
    qint64 firstValue = 0;   // hundredths
    qint64 secondValue = 0;  // hundredths
    qint64 intermediate = 0; // ten-thousandths: the product, the square or the sum or
                             // difference of squares; for segments, the result in hundredths
    qint64 result = 0;       // hundredths
};

// How one problem is worked out, step by step. Lengths are exact decimals,
// so everything is held in integers. The fields name the problem as a whole
// (its givens, the asked length, the last step's theorem and intermediate);
// steps holds each step, the later ones working on what the earlier found.
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
    QStringList lines;       // per step: theorem and formula, intermediate step, result with unit
    QList<SolvedStep> steps;
    std::array<qint64, lengthCount> lengths{}; // the triangle's six, in hundredths, by Length

    QString text() const { return lines.join(u'\n'); }
};

// The exact length of triangle (GenM, n) in hundredths: GenM names the
// shape by its shorter leg, as ProblemDraw does.
qint64 exactHundredths(qint16 GenM, qint16 n, Length which);

// The worked solution of a drawn problem.
WorkedSolution solveProblem(const ProblemDraw &draw, const format::DisplayLocale &locale);

// An exact decimal written with the locale's separator and no needless zeros:
// (5184, 4) gives "0,5184", (51840, 4) "5,184", (700, 2) "7".
QString exactDecimalText(qint64 units, int decimals, const format::DisplayLocale &locale);

} // namespace quiz
