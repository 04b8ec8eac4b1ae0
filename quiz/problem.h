// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/clock.h"
#include "quiz/kind.h"
#include "quiz/length.h"
#include "quiz/quizstate.h"
#include "quiz/randomsource.h"
#include "quiz/triangles.h"

#include <QString>

#include <array>

namespace quiz {

// How a problem is drawn: a roll of 1..shapeRolls picks the generator (the
// rare one below rareShapeBelow), a multiplier of 1..multipliers scales it,
// and a pick names the kind of problem.
inline constexpr qint16 shapeRolls = 15;
inline constexpr qint16 rareShapeBelow = 3;
inline constexpr qint16 rareGenerator = 7;   // (7, 24, 25)
inline constexpr qint16 commonGenerator = 3; // (3, 4, 5)
inline constexpr qint16 multipliers = 15;

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

// The triangle of shape leg (a primitive's shorter leg, as the designed
// generator 3 or 7 is) scaled by scale. The designed shapes keep the
// designed arithmetic; the others are worked out exactly from the table's
// primitive. Throws std::out_of_range for a leg that names no shape.
Triangle triangleOf(qint16 leg, qint16 scale);

// What was drawn: the triangle (GenM, n) and the pick that names the kind.
// At level 1 GenM is the designed generator and n its multiplier; at levels
// 2 and 3 GenM is the shorter leg of a table's primitive and n its scale.
// At most one pick is set: the designed HiddenPick, the second selector's
// SecondPick (level 2) or a TwoStepPick (level 3), so that equal problems
// compare equal.
struct ProblemDraw
{
    qint16 GenM = commonGenerator;
    qint16 Multiplier = 1;
    qint16 HiddenPick = 1;
    qint16 SecondPick = 0;
    qint16 TwoStepPick = 0;

    Triangle triangle() const { return triangleOf(GenM, Multiplier); }
    const ProblemKind &kind() const;

    friend bool operator==(const ProblemDraw &, const ProblemDraw &) = default;
};

// What the window shows for one problem.
struct Problem
{
    ProblemDraw draw;
    Level level = defaultLevel;              // the level it was drawn at
    std::array<QString, lengthCount> texts;  // indexed by Length
    std::array<bool, lengthCount> visible{}; // exactly the two given lengths
    std::array<bool, unitLabelCount> unitVisible{};
    QString caption; // names the asked length
    CaptionTone captionTone = CaptionTone::Blue;
    QString assignment; // the code of the assignment it is part of, if any

    QString text(Length which) const { return texts[size_t(which)]; }
    const ProblemKind &kind() const { return draw.kind(); }
    // The asked length in single precision, worked out from the draw: the
    // value judged against is QuizState's ExpectedValue alone.
    float expectedValue() const { return float(draw.triangle().length(kind().asked())); }
};

// Texts of the six lengths: whole values without decimals, the others with
// at most two.
std::array<QString, lengthCount> lengthTexts(const Triangle &triangle,
                                             const format::DisplayLocale &locale);

// Draws a new triangle and pick with the designed reseeds and stores them in
// the state. Raises RuntimeError if the arithmetic fails.
ProblemDraw drawProblem(QuizState &state, RandomSource &random, const Clock &clock);

// Draws a problem of a level. Level 1 is drawProblem. Levels 2 and 3 draw
// as it does, then reseed from the previous SecondPick or TwoStepPick and
// draw that pick, so that every kind of the level is equally likely, then
// draw the triangle from the table, leaving out the last few problems'
// triangles; the state keeps every pick and the expected value of the kind
// drawn.
ProblemDraw drawProblemAt(Level level, QuizState &state, RandomSource &random, const Clock &clock);

// What the window shows for a draw.
Problem problemOf(const ProblemDraw &draw, const format::DisplayLocale &locale);

// Draws a problem and stores its expected value: what the window does for a
// new problem.
Problem generateProblem(QuizState &state, RandomSource &random, const Clock &clock,
                        const format::DisplayLocale &locale);

} // namespace quiz
