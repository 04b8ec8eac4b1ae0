// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/kind.h"

#include "quiz/twostep.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace quiz {
namespace {

using enum Length;
using enum Formula;
using enum CaptionTone;
constexpr Theorem leg = Theorem::Leg;
constexpr Theorem altitude = Theorem::Altitude;

constexpr ProblemKind oneStep(Step step, CaptionTone tone, int hiddenUnitLabel)
{
    ProblemKind kind{};
    kind.steps[0] = step;
    kind.stepCount = 1;
    kind.tone = tone;
    kind.hiddenUnitLabel = hiddenUnitLabel;
    return kind;
}

// The designed picks first, then the second selector's: one table.
constexpr ProblemKind oneStepKinds[] = {
    oneStep({altitude, RootOfProduct, HeightAH, ProjBH, ProjHC}, Green, noUnitLabel),
    oneStep({altitude, SquareOver, ProjHC, HeightAH, ProjBH}, Magenta, noUnitLabel),
    oneStep({altitude, SquareOver, ProjBH, HeightAH, ProjHC}, Blue, 2),
    oneStep({leg, SquareOver, ProjBH, LegAB, HypBC}, Blue, 2),
    oneStep({leg, SquareOver, ProjHC, LegAC, HypBC}, Blue, 2),
    oneStep({leg, SquareOver, HypBC, LegAC, ProjHC}, Blue, 2),
    oneStep({leg, RootOfProduct, LegAB, HypBC, ProjBH}, Blue, 2),
    oneStep({leg, RootOfProduct, LegAC, HypBC, ProjHC}, Blue, 2),
    oneStep({leg, SquareOver, HypBC, LegAB, ProjBH}, Blue, 2),
};
constexpr size_t designedCount = 6;

const ProblemKind &at(std::span<const ProblemKind> kinds, qint16 pick)
{
    if (pick < 1 || size_t(pick) > kinds.size())
        throw std::out_of_range("pick outside its kinds");
    return kinds[size_t(pick - 1)];
}

} // namespace

QString theoremName(Theorem theorem)
{
    switch (theorem) {
    case Theorem::Leg:
        return QCoreApplication::translate("quiz", "Primo teorema di Euclide");
    case Theorem::Altitude:
        return QCoreApplication::translate("quiz", "Secondo teorema di Euclide");
    case Theorem::Pythagoras:
        return QCoreApplication::translate("quiz", "Teorema di Pitagora");
    case Theorem::ProjectionSum:
        return QCoreApplication::translate("quiz", "Somma delle proiezioni");
    }
    return {};
}

bool ProblemKind::uses(Theorem theorem) const
{
    const auto r = route();
    return std::any_of(r.begin(), r.end(), [&](const Step &s) { return s.theorem == theorem; });
}

std::span<const ProblemKind> designedKinds()
{
    return std::span(oneStepKinds).first(designedCount);
}

std::span<const ProblemKind> secondKinds()
{
    return std::span(oneStepKinds).subspan(designedCount);
}

std::span<const ProblemKind> kindsOfLevel(Level level)
{
    switch (level) {
    case Level::OneStep:
        return designedKinds();
    case Level::AllSides:
        return oneStepKinds;
    case Level::TwoSteps:
        return twoStepKinds();
    }
    return designedKinds();
}

const ProblemKind &kindOfPick(qint16 HiddenPick)
{
    return at(designedKinds(), HiddenPick);
}

const ProblemKind &kindOfSecondPick(qint16 SecondPick)
{
    return at(secondKinds(), SecondPick);
}

const ProblemKind &kindOfTwoStepPick(qint16 TwoStepPick)
{
    return at(twoStepKinds(), TwoStepPick);
}

} // namespace quiz
