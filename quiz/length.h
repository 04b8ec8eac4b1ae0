// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quiz {

// The six lengths of the figure, in the order in which a new problem hides
// their labels.
enum class Length { ProjBH, ProjHC, LegAB, LegAC, HypBC, HeightAH };
inline constexpr int lengthCount = 6;

// The letters that name a length: "BH", "AH".
QString lengthLetters(Length which);

// The length as the window names it: "Proiezione BH", "Cateto AB".
QString lengthName(Length which);

} // namespace quiz
