// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/solution.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace quiz {
namespace {

// Each pick in the form that solves for its hidden length: either
// hidden² = first × second, or hidden = first² / second.
struct SolutionRow
{
    Theorem theorem;
    Length hidden;
    Length first;
    Length second;
    bool squareOfProduct;
};

constexpr std::array<SolutionRow, 6> solutionRows{{
    {Theorem::Altitude, Length::HeightAH, Length::ProjBH, Length::ProjHC, true},
    {Theorem::Altitude, Length::ProjHC, Length::HeightAH, Length::ProjBH, false},
    {Theorem::Altitude, Length::ProjBH, Length::HeightAH, Length::ProjHC, false},
    {Theorem::Leg, Length::ProjBH, Length::LegAB, Length::HypBC, false},
    {Theorem::Leg, Length::ProjHC, Length::LegAC, Length::HypBC, false},
    {Theorem::Leg, Length::HypBC, Length::LegAC, Length::ProjHC, false},
}};

const SolutionRow &rowOfPick(qint16 HiddenPick)
{
    if (HiddenPick < 1 || HiddenPick > 6)
        throw std::out_of_range("pick outside 1..6");
    return solutionRows[size_t(HiddenPick - 1)];
}

qint64 powerOfTen(int exponent)
{
    qint64 result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// The whole square root of a perfect square; the lengths here always give one.
qint64 exactSquareRoot(qint64 square)
{
    auto root = qint64(std::llround(std::sqrt(double(square))));
    while (root * root > square)
        --root;
    while ((root + 1) * (root + 1) <= square)
        ++root;
    if (root * root != square)
        throw std::logic_error("not a perfect square");
    return root;
}

qint64 exactQuotient(qint64 dividend, qint64 divisor)
{
    if (divisor == 0 || dividend % divisor != 0)
        throw std::logic_error("not an exact quotient");
    return dividend / divisor;
}

QString theoremTitle(Theorem theorem)
{
    return theorem == Theorem::Leg ? QStringLiteral("Primo teorema di Euclide: ")
                                   : QStringLiteral("Secondo teorema di Euclide: ");
}

} // namespace

Theorem theoremOfPick(qint16 HiddenPick)
{
    return rowOfPick(HiddenPick).theorem;
}

QString lengthName(Length which)
{
    switch (which) {
    case Length::ProjBH:
        return QStringLiteral("BH");
    case Length::ProjHC:
        return QStringLiteral("HC");
    case Length::LegAB:
        return QStringLiteral("AB");
    case Length::LegAC:
        return QStringLiteral("AC");
    case Length::HypBC:
        return QStringLiteral("BC");
    case Length::HeightAH:
        return QStringLiteral("AH");
    }
    return {};
}

qint64 exactHundredths(qint16 GenM, qint16 n, Length which)
{
    const qint64 m = GenM;
    const qint64 ab = m * n * 100;
    const qint64 ac = (m * m - 1) / 2 * n * 100;
    const qint64 bc = (m * m + 1) / 2 * n * 100;
    const qint64 bh = exactQuotient(ab * ab, bc);
    const qint64 hc = bc - bh;
    switch (which) {
    case Length::ProjBH:
        return bh;
    case Length::ProjHC:
        return hc;
    case Length::LegAB:
        return ab;
    case Length::LegAC:
        return ac;
    case Length::HypBC:
        return bc;
    case Length::HeightAH:
        return exactSquareRoot(bh * hc);
    }
    return 0;
}

QString exactDecimalText(qint64 units, int decimals, const format::DisplayLocale &locale)
{
    const qint64 scale = powerOfTen(decimals);
    QString text = units < 0 ? QStringLiteral("-") : QString();
    units = std::abs(units);
    text += QString::number(units / scale);
    QString fraction = QString::number(units % scale).rightJustified(decimals, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += locale.decimalSeparator + fraction;
    return text;
}

WorkedSolution solveProblem(qint16 GenM, qint16 n, qint16 HiddenPick,
                            const format::DisplayLocale &locale)
{
    const SolutionRow &row = rowOfPick(HiddenPick);
    WorkedSolution solution;
    solution.theorem = row.theorem;
    solution.hidden = row.hidden;
    solution.first = row.first;
    solution.second = row.second;
    solution.firstValue = exactHundredths(GenM, n, row.first);
    solution.secondValue = exactHundredths(GenM, n, row.second);

    const auto length = [&](qint64 hundredths) { return exactDecimalText(hundredths, 2, locale); };
    const auto area = [&](qint64 units) { return exactDecimalText(units, 4, locale); };
    const QString hidden = lengthName(row.hidden);
    const QString first = lengthName(row.first);
    const QString second = lengthName(row.second);

    if (row.squareOfProduct) {
        solution.intermediate = solution.firstValue * solution.secondValue;
        solution.result = exactSquareRoot(solution.intermediate);
        solution.lines = QStringList{
            theoremTitle(row.theorem) + QStringLiteral("%1² = %2 × %3").arg(hidden, first, second),
            QStringLiteral("%1² = %2 × %3 = %4")
                .arg(hidden, length(solution.firstValue), length(solution.secondValue),
                     area(solution.intermediate)),
            QStringLiteral("%1 = √%2 = %3 cm")
                .arg(hidden, area(solution.intermediate), length(solution.result)),
        };
    } else {
        solution.intermediate = solution.firstValue * solution.firstValue;
        solution.result = exactQuotient(solution.intermediate, solution.secondValue);
        solution.lines = QStringList{
            theoremTitle(row.theorem) + QStringLiteral("%1 = %2² / %3").arg(hidden, first, second),
            QStringLiteral("%1² = %2² = %3")
                .arg(first, length(solution.firstValue), area(solution.intermediate)),
            QStringLiteral("%1 = %2 / %3 = %4 cm")
                .arg(hidden, area(solution.intermediate), length(solution.secondValue),
                     length(solution.result)),
        };
    }
    return solution;
}

WorkedSolution solveCurrentProblem(const QuizState &state, const format::DisplayLocale &locale)
{
    return solveProblem(generatorOfRoll(state.ShapeRoll), state.Multiplier, state.HiddenPick,
                        locale);
}

} // namespace quiz
