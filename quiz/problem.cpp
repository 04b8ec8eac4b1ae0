// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problem.h"

#include "format/numberpattern.h"
#include "quiz/checked.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace quiz {
namespace {

// floor(u * count) + 1, in floating point, then to a 16-bit integer.
qint16 drawFrom1To(qint16 count, RandomSource &random)
{
    const double scaled = checked::finite(double(random.next()) * count);
    return checked::toInt16(checked::finite(std::floor(scaled) + 1));
}

QString lengthText(double value, const format::DisplayLocale &locale)
{
    const bool whole = std::floor(value) == value;
    return format::formatNumber(value, whole ? format::pattern::whole : format::pattern::length,
                                locale);
}

// The lengths of a table triangle, exact: each a whole number of hundredths
// (the table keeps no other), divided once.
Triangle exactTriangle(const Primitive &shape, qint16 scale)
{
    const qint64 k = scale, a = shape.a, b = shape.b, c = shape.c;
    Triangle t;
    t.LegAB = qint16(k * a);
    t.LegAC = qint16(k * b);
    t.HypBC = qint16(k * c);
    t.ProjBH = double(100 * k * a * a / c) / 100;
    t.ProjHC = double(100 * k * b * b / c) / 100;
    t.HeightAH = double(100 * k * a * b / c) / 100;
    return t;
}

// A row of the table, uniform over those not among the last problems'.
int drawTableRow(const QuizState &state, RandomSource &random)
{
    std::vector<int> rows;
    for (int row = 1; row <= int(triangleTable().size()); ++row)
        if (std::find(state.RecentTriangles.begin(), state.RecentTriangles.end(), row) ==
            state.RecentTriangles.end())
            rows.push_back(row);
    const auto at = size_t(std::floor(double(random.next()) * double(rows.size())));
    return rows[std::min(at, rows.size() - 1)];
}

void noteTriangle(QuizState &state, int row)
{
    std::copy_backward(state.RecentTriangles.begin(), state.RecentTriangles.end() - 1,
                       state.RecentTriangles.end());
    state.RecentTriangles.front() = row;
}

} // namespace

double Triangle::length(Length which) const
{
    switch (which) {
    case Length::ProjBH:
        return ProjBH;
    case Length::ProjHC:
        return ProjHC;
    case Length::LegAB:
        return LegAB;
    case Length::LegAC:
        return LegAC;
    case Length::HypBC:
        return HypBC;
    case Length::HeightAH:
        return HeightAH;
    }
    return 0;
}

const ProblemKind &ProblemDraw::kind() const
{
    if (TwoStepPick != 0)
        return kindOfTwoStepPick(TwoStepPick);
    if (SecondPick != 0)
        return kindOfSecondPick(SecondPick);
    return kindOfPick(HiddenPick);
}

qint16 generatorOfRoll(qint16 ShapeRoll)
{
    return ShapeRoll < rareShapeBelow ? rareGenerator : commonGenerator;
}

Triangle makeTriangle(qint16 GenM, qint16 n)
{
    using namespace checked;
    Triangle t;
    t.LegAB = multiply(n, GenM);
    const qint16 mSquared = multiply(GenM, GenM);
    t.LegAC = toInt16(finite(double(multiply(subtract(mSquared, qint16(1)), n)) / 2));
    t.HypBC = toInt16(finite(double(add(mSquared, qint16(1))) / 2 * n));
    t.ProjBH = finite(double(multiply(t.LegAB, t.LegAB)) / t.HypBC);
    t.ProjHC = t.HypBC - t.ProjBH;
    // From the stored projections, not the sides: the last bits may differ
    // from the exact decimal, which the two-decimal texts hide.
    t.HeightAH = std::sqrt(t.ProjBH * t.ProjHC);
    return t;
}

Triangle triangleOf(qint16 leg, qint16 scale)
{
    if (leg == commonGenerator || leg == rareGenerator)
        return makeTriangle(leg, scale);
    const auto shape = primitiveWithLeg(leg);
    if (!shape)
        throw std::out_of_range("no triangle of that shape");
    return exactTriangle(*shape, scale);
}

std::array<QString, lengthCount> lengthTexts(const Triangle &triangle,
                                             const format::DisplayLocale &locale)
{
    std::array<QString, lengthCount> texts;
    for (int i = 0; i < lengthCount; ++i)
        texts[i] = lengthText(triangle.length(Length(i)), locale);
    return texts;
}

ProblemDraw drawProblem(QuizState &state, RandomSource &random, const Clock &clock)
{
    random.reseed(clock.secondsSinceMidnight());
    random.reseed(state.ReseedValue);
    random.reseed(state.Multiplier);
    state.ReseedValue = 7;
    random.reseed(clock.secondsSinceMidnight());
    state.ShapeRoll = drawFrom1To(shapeRolls, random);
    const qint16 GenM = generatorOfRoll(state.ShapeRoll);
    state.Multiplier = drawFrom1To(multipliers, random);

    const Triangle triangle = makeTriangle(GenM, state.Multiplier);
    state.ProjBH = triangle.ProjBH;
    state.ProjHC = triangle.ProjHC;
    state.HeightAH = triangle.HeightAH;

    random.reseed(state.HiddenPick);
    state.HiddenPick = drawFrom1To(qint16(designedKinds().size()), random);
    const ProblemDraw draw{GenM, state.Multiplier, state.HiddenPick};
    state.ExpectedValue = float(triangle.length(draw.kind().asked()));
    return draw;
}

ProblemDraw drawProblemAt(Level level, QuizState &state, RandomSource &random, const Clock &clock)
{
    ProblemDraw draw = drawProblem(state, random, clock);
    switch (level) {
    case Level::OneStep:
        noteTriangle(state, tableRow(draw.GenM, draw.Multiplier));
        return draw;
    case Level::AllSides: {
        // A pick of 1..9 that lands past the six designed ones names a second
        // selector's kind: each of the nine has probability 1/9.
        random.reseed(state.SecondPick);
        const qint16 roll = drawFrom1To(qint16(kindsOfLevel(level).size()), random);
        const auto designed = qint16(designedKinds().size());
        state.SecondPick = roll > designed ? qint16(roll - designed) : qint16(0);
        draw.SecondPick = state.SecondPick;
        break;
    }
    case Level::TwoSteps:
        random.reseed(state.TwoStepPick);
        state.TwoStepPick = drawFrom1To(qint16(kindsOfLevel(level).size()), random);
        draw.TwoStepPick = state.TwoStepPick;
        break;
    }
    if (draw.SecondPick != 0 || draw.TwoStepPick != 0)
        draw.HiddenPick = 0;

    const int row = drawTableRow(state, random);
    noteTriangle(state, row);
    const ScaledTriangle &drawn = triangleTable()[size_t(row - 1)];
    draw.GenM = drawn.shape.a;
    draw.Multiplier = drawn.scale;
    const Triangle triangle = draw.triangle();
    state.ProjBH = triangle.ProjBH;
    state.ProjHC = triangle.ProjHC;
    state.HeightAH = triangle.HeightAH;
    state.ExpectedValue = float(triangle.length(draw.kind().asked()));
    return draw;
}

Problem problemOf(const ProblemDraw &draw, const format::DisplayLocale &locale)
{
    const ProblemKind &kind = draw.kind();
    const Triangle triangle = draw.triangle();
    Problem problem;
    problem.draw = draw;
    problem.texts = lengthTexts(triangle, locale);
    for (Length given : kind.givens())
        problem.visible[size_t(given)] = true;
    problem.unitVisible.fill(true);
    if (kind.hiddenUnitLabel != noUnitLabel)
        problem.unitVisible[size_t(kind.hiddenUnitLabel)] = false;
    problem.caption = lengthName(kind.asked());
    problem.captionTone = kind.tone;
    return problem;
}

Problem generateProblem(QuizState &state, RandomSource &random, const Clock &clock,
                        const format::DisplayLocale &locale)
{
    return problemOf(drawProblem(state, random, clock), locale);
}

} // namespace quiz
