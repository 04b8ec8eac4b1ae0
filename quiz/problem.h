// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/clock.h"
#include "quiz/quizstate.h"
#include "quiz/randomsource.h"

#include <QString>

#include <array>

namespace quiz {

// The six lengths of the figure, in the order in which a new problem hides
// their labels.
enum class Length { ProjBH, ProjHC, LegAB, LegAC, HypBC, HeightAH };
inline constexpr int lengthCount = 6;
// The "cm" unit labels beside the figure.
inline constexpr int unitLabelCount = 3;

// The tone in which the caption names the hidden quantity.
enum class CaptionTone { Green, Magenta, Blue };

// How a problem is drawn: a roll of 1..shapeRolls picks the generator (the
// rare one below rareShapeBelow), a multiplier of 1..multipliers scales it,
// and one of the pick rows names the hidden quantity.
inline constexpr qint16 shapeRolls = 15;
inline constexpr qint16 rareShapeBelow = 3;
inline constexpr qint16 rareGenerator = 7;   // (7, 24, 25)
inline constexpr qint16 commonGenerator = 3; // (3, 4, 5)
inline constexpr qint16 multipliers = 15;
inline constexpr qint16 hiddenPicks = 6;

// The generator (3 or 7) that a shape roll picks.
qint16 generatorOfRoll(qint16 ShapeRoll);

// A right triangle ABC, right angle at A, altitude AH on the hypotenuse BC.
struct Triangle
{
    qint16 LegAB = 0;
    qint16 LegAC = 0;
    qint16 HypBC = 0;
    double ProjBH = 0;
    double ProjHC = 0;
    double HeightAH = 0;

    double length(Length which) const;
};

// The triangle of generator m (3 or 7) scaled by n, in checked 16-bit
// arithmetic: (3n, 4n, 5n) or (7n, 24n, 25n).
Triangle makeTriangle(qint16 GenM, qint16 n);

// What the window shows for one problem.
struct Problem
{
    std::array<QString, lengthCount> texts;  // indexed by Length
    std::array<bool, lengthCount> visible{}; // exactly the two given lengths
    std::array<bool, unitLabelCount> unitVisible{};
    QString caption; // names the hidden quantity
    CaptionTone captionTone = CaptionTone::Blue;
    float expectedValue = 0;

    QString text(Length which) const { return texts[size_t(which)]; }
};

// Texts of the six lengths: whole values without decimals, the others with
// at most two.
std::array<QString, lengthCount> lengthTexts(const Triangle &triangle,
                                             const format::DisplayLocale &locale);

// The problem that asks for quantity number HiddenPick (1..6) of the triangle.
Problem makeProblem(const Triangle &triangle, qint16 HiddenPick,
                    const format::DisplayLocale &locale);

// Draws a new triangle and hidden quantity, stores them in the state and
// returns what to show. Raises RuntimeError if the arithmetic fails.
Problem generateProblem(QuizState &state, RandomSource &random, const Clock &clock,
                        const format::DisplayLocale &locale);

} // namespace quiz
