// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/length.h"

#include <array>
#include <span>

namespace quiz {

enum class Theorem { Leg, Altitude }; // primo and secondo teorema di Euclide

// How a step finds its length from two others.
enum class Formula {
    RootOfProduct, // result = √(first × second)
    SquareOver,    // result = first² / second
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

// One kind of problem: what is asked, from which two givens, by which step,
// and how the window shows it.
struct ProblemKind
{
    Step step;
    CaptionTone tone;
    int hiddenUnitLabel; // the "cm" label it hides, or noUnitLabel

    Length asked() const { return step.result; }
    std::array<Length, 2> givens() const { return {step.first, step.second}; }
};

// The kinds of problem the window draws, indexed by HiddenPick - 1: the
// first three rest on the altitude theorem, the others on the leg theorem.
std::span<const ProblemKind> designedKinds();

// The kind of pick HiddenPick (1..6); throws std::out_of_range outside it.
const ProblemKind &kindOfPick(qint16 HiddenPick);

} // namespace quiz
