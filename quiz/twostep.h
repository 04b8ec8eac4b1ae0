// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/kind.h"

#include <span>

namespace quiz {

// Every step there is: each of the seven relations between three lengths
// (altitude theorem, leg theorem twice, Pythagoras in ABC, ABH and AHC,
// BC = BH + HC) solved for each of its three lengths.
std::span<const Step> everyStep();

// Whether one step finds the asked length from the two given ones.
bool oneStepFinds(Length asked, Length given1, Length given2);

// Every pair of givens and asked length that two steps reach and one step
// does not, each by its shortest route: the fewest squares and roots, then
// Euclid's theorems before Pythagoras and the sum of the projections.
// Built once; the order is fixed.
std::span<const ProblemKind> twoStepKinds();

} // namespace quiz
