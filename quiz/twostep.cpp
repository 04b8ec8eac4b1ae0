// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/twostep.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace quiz {
namespace {

using enum Length;
using enum Formula;

// result² = first × second, solved three ways.
constexpr std::array<Step, 3> productSteps(Theorem theorem, Length root, Length f1, Length f2)
{
    return {{{theorem, RootOfProduct, root, f1, f2},
             {theorem, SquareOver, f1, root, f2},
             {theorem, SquareOver, f2, root, f1}}};
}

// hypotenuse² = leg1² + leg2², solved three ways.
constexpr std::array<Step, 3> pythagorasSteps(Length hypotenuse, Length leg1, Length leg2)
{
    constexpr Theorem p = Theorem::Pythagoras;
    return {{{p, RootOfSumOfSquares, hypotenuse, leg1, leg2},
             {p, RootOfSquaresApart, leg1, hypotenuse, leg2},
             {p, RootOfSquaresApart, leg2, hypotenuse, leg1}}};
}

// whole = part1 + part2, solved three ways.
constexpr std::array<Step, 3> sumSteps(Length whole, Length part1, Length part2)
{
    constexpr Theorem s = Theorem::ProjectionSum;
    return {{{s, Sum, whole, part1, part2},
             {s, Difference, part1, whole, part2},
             {s, Difference, part2, whole, part1}}};
}

// In the order a route prefers them.
constexpr std::array<std::array<Step, 3>, 7> relations{{
    productSteps(Theorem::Altitude, HeightAH, ProjBH, ProjHC),
    productSteps(Theorem::Leg, LegAB, HypBC, ProjBH),
    productSteps(Theorem::Leg, LegAC, HypBC, ProjHC),
    pythagorasSteps(HypBC, LegAB, LegAC),
    pythagorasSteps(LegAB, HeightAH, ProjBH),
    pythagorasSteps(LegAC, HeightAH, ProjHC),
    sumSteps(HypBC, ProjBH, ProjHC),
}};

constexpr auto flatSteps = [] {
    std::array<Step, relations.size() * 3> all{};
    size_t i = 0;
    for (const auto &relation : relations)
        for (const Step &step : relation)
            all[i++] = step;
    return all;
}();

bool startsFrom(const Step &step, Length a, Length b)
{
    return (step.first == a && step.second == b) || (step.first == b && step.second == a);
}

bool among(Length l, std::initializer_list<Length> lengths)
{
    return std::find(lengths.begin(), lengths.end(), l) != lengths.end();
}

// A sum or a difference of segments is the cheapest step.
int cost(const Step &step)
{
    return step.theorem == Theorem::ProjectionSum ? 1 : 2;
}

CaptionTone toneOf(Theorem lastTheorem)
{
    switch (lastTheorem) {
    case Theorem::Altitude:
        return CaptionTone::Green;
    case Theorem::Pythagoras:
        return CaptionTone::Magenta;
    case Theorem::Leg:
    case Theorem::ProjectionSum:
        break;
    }
    return CaptionTone::Blue;
}

std::optional<ProblemKind> shortestRoute(Length given1, Length given2, Length asked)
{
    std::optional<ProblemKind> best;
    int bestCost = 0;
    for (const Step &first : flatSteps) {
        if (!startsFrom(first, given1, given2))
            continue;
        for (const Step &second : flatSteps) {
            const Length found = first.result;
            const bool usesFound = second.first == found || second.second == found;
            if (second.result != asked || !usesFound
                || !among(second.first, {given1, given2, found})
                || !among(second.second, {given1, given2, found}))
                continue;
            const int total = cost(first) + cost(second);
            if (best && total >= bestCost)
                continue;
            best = ProblemKind{{first, second}, 2, toneOf(second.theorem), 2};
            bestCost = total;
        }
    }
    return best;
}

std::vector<ProblemKind> enumerateTwoStepKinds()
{
    std::vector<ProblemKind> kinds;
    for (int a = 0; a < lengthCount; ++a)
        for (int b = a + 1; b < lengthCount; ++b)
            for (int x = 0; x < lengthCount; ++x) {
                const Length asked = Length(x);
                if (x == a || x == b || oneStepFinds(asked, Length(a), Length(b)))
                    continue;
                if (const auto kind = shortestRoute(Length(a), Length(b), asked))
                    kinds.push_back(*kind);
            }
    return kinds;
}

} // namespace

std::span<const Step> everyStep()
{
    return flatSteps;
}

bool oneStepFinds(Length asked, Length given1, Length given2)
{
    return std::any_of(flatSteps.begin(), flatSteps.end(), [&](const Step &step) {
        return step.result == asked && startsFrom(step, given1, given2);
    });
}

std::span<const ProblemKind> twoStepKinds()
{
    static const std::vector<ProblemKind> kinds = enumerateTwoStepKinds();
    return kinds;
}

} // namespace quiz
