// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/kind.h"

#include <stdexcept>

namespace quiz {
namespace {

using enum Length;
using enum Formula;
constexpr Theorem leg = Theorem::Leg;
constexpr Theorem altitude = Theorem::Altitude;

constexpr ProblemKind designed[] = {
    {{altitude, RootOfProduct, HeightAH, ProjBH, ProjHC}, CaptionTone::Green, noUnitLabel},
    {{altitude, SquareOver, ProjHC, HeightAH, ProjBH}, CaptionTone::Magenta, noUnitLabel},
    {{altitude, SquareOver, ProjBH, HeightAH, ProjHC}, CaptionTone::Blue, 2},
    {{leg, SquareOver, ProjBH, LegAB, HypBC}, CaptionTone::Blue, 2},
    {{leg, SquareOver, ProjHC, LegAC, HypBC}, CaptionTone::Blue, 2},
    {{leg, SquareOver, HypBC, LegAC, ProjHC}, CaptionTone::Blue, 2},
};

} // namespace

std::span<const ProblemKind> designedKinds()
{
    return designed;
}

const ProblemKind &kindOfPick(qint16 HiddenPick)
{
    if (HiddenPick < 1 || HiddenPick > qint16(std::size(designed)))
        throw std::out_of_range("pick outside the designed kinds");
    return designed[HiddenPick - 1];
}

} // namespace quiz
