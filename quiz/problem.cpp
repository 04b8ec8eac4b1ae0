// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problem.h"

#include "format/numberpattern.h"
#include "quiz/checked.h"

#include <cmath>

namespace quiz {
namespace {

constexpr CaptionTone green = CaptionTone::Green;
constexpr CaptionTone magenta = CaptionTone::Magenta;
constexpr CaptionTone blue = CaptionTone::Blue;

// One row per hidden pick: rows 1 to 3 rest on the altitude theorem,
// 4 to 6 on the leg theorem.
struct HiddenRow
{
    Length hidden;
    Length given1;
    Length given2;
    bool unitItem2Visible;
    CaptionTone tone;
    const char *caption;
};

constexpr std::array<HiddenRow, hiddenPicks> hiddenRows{{
    {Length::HeightAH, Length::ProjBH, Length::ProjHC, true, green, "Altezza AH"},
    {Length::ProjHC, Length::ProjBH, Length::HeightAH, true, magenta, "Proiezione HC"},
    {Length::ProjBH, Length::ProjHC, Length::HeightAH, false, blue, "Proiezione BH"},
    {Length::ProjBH, Length::LegAB, Length::HypBC, false, blue, "Proiezione BH"},
    {Length::ProjHC, Length::LegAC, Length::HypBC, false, blue, "Proiezione HC"},
    {Length::HypBC, Length::LegAC, Length::ProjHC, false, blue, "Ipotenusa BC"},
}};

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

std::array<QString, lengthCount> lengthTexts(const Triangle &triangle,
                                             const format::DisplayLocale &locale)
{
    std::array<QString, lengthCount> texts;
    for (int i = 0; i < lengthCount; ++i)
        texts[i] = lengthText(triangle.length(Length(i)), locale);
    return texts;
}

Problem makeProblem(const Triangle &triangle, qint16 HiddenPick,
                    const format::DisplayLocale &locale)
{
    const HiddenRow &row = hiddenRows.at(HiddenPick - 1);
    Problem problem;
    problem.texts = lengthTexts(triangle, locale);
    problem.visible[size_t(row.given1)] = true;
    problem.visible[size_t(row.given2)] = true;
    problem.unitVisible = {true, true, row.unitItem2Visible};
    problem.caption = QString::fromUtf8(row.caption);
    problem.captionTone = row.tone;
    problem.expectedValue = float(triangle.length(row.hidden));
    return problem;
}

Problem generateProblem(QuizState &state, RandomSource &random, const Clock &clock,
                        const format::DisplayLocale &locale)
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
    state.HiddenPick = drawFrom1To(hiddenPicks, random);
    Problem problem = makeProblem(triangle, state.HiddenPick, locale);
    state.ExpectedValue = problem.expectedValue;
    return problem;
}

} // namespace quiz
