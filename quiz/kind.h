// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/length.h"
#include "quiz/level.h"

#include <QString>

#include <array>
#include <span>

namespace quiz {

// What a step rests on: primo and secondo teorema di Euclide, Pythagoras in
// one of the three right triangles, or BC = BH + HC.
enum class Theorem { Leg, Altitude, Pythagoras, ProjectionSum };

// "Primo teorema di Euclide", "Teorema di Pitagora".
QString theoremName(Theorem theorem);

// How a step finds its length from two others.
enum class Formula {
    RootOfProduct,       // result = √(first × second)
    SquareOver,          // result = first² / second
    RootOfSumOfSquares,  // result = √(first² + second²)
    RootOfSquaresApart,  // result = √(first² − second²)
    Sum,                 // result = first + second
    Difference,          // result = first − second
};

// The tone in which the caption names the asked length.
enum class CaptionTone { Green, Magenta, Blue };

// The "cm" unit labels beside the figure.
inline constexpr int unitLabelCount = 3;
inline constexpr int noUnitLabel = -1;

struct Step
{
    Theorem theorem;
    Formula formula;
    Length result;
    Length first; // the lengths in the order the formula uses them
    Length second;
};

inline constexpr int maxSteps = 2;

// One kind of problem: what is asked, from which two givens, by which steps,
// and how the window shows it. The first step starts from the two givens,
// the last one gives the asked length.
struct ProblemKind
{
    std::array<Step, maxSteps> steps;
    int stepCount;
    CaptionTone tone;
    int hiddenUnitLabel; // the "cm" label it hides, or noUnitLabel

    std::span<const Step> route() const { return {steps.data(), size_t(stepCount)}; }
    Length asked() const { return steps[size_t(stepCount - 1)].result; }
    std::array<Length, 2> givens() const { return {steps[0].first, steps[0].second}; }
    bool uses(Theorem theorem) const;
};

// The kinds of problem the window draws, indexed by HiddenPick - 1: the
// first three rest on the altitude theorem, the others on the leg theorem.
std::span<const ProblemKind> designedKinds();

// The second selector's kinds, indexed by SecondPick - 1: a leg or the
// hypotenuse asked, by the leg theorem.
std::span<const ProblemKind> secondKinds();

// The kinds of problem of a level: the designed ones at level 1, those and
// the second selector's at level 2, the two-step kinds at level 3.
std::span<const ProblemKind> kindsOfLevel(Level level);

// The kind of pick HiddenPick (1..6); throws std::out_of_range outside it.
const ProblemKind &kindOfPick(qint16 HiddenPick);

// The kind of SecondPick (1..3); throws std::out_of_range outside it.
const ProblemKind &kindOfSecondPick(qint16 SecondPick);

// The kind of TwoStepPick (1..the count of level 3's kinds); throws
// std::out_of_range outside it.
const ProblemKind &kindOfTwoStepPick(qint16 TwoStepPick);

} // namespace quiz
