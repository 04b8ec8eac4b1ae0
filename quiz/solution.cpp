// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/solution.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace quiz {
namespace {

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

WorkedSolution solveProblem(const ProblemDraw &draw, const format::DisplayLocale &locale)
{
    const Step &step = draw.kind().step;
    WorkedSolution solution;
    solution.theorem = step.theorem;
    solution.hidden = step.result;
    solution.first = step.first;
    solution.second = step.second;
    solution.firstValue = exactHundredths(draw.GenM, draw.Multiplier, step.first);
    solution.secondValue = exactHundredths(draw.GenM, draw.Multiplier, step.second);

    const auto length = [&](qint64 hundredths) { return exactDecimalText(hundredths, 2, locale); };
    const auto area = [&](qint64 units) { return exactDecimalText(units, 4, locale); };
    const QString hidden = lengthLetters(step.result);
    const QString first = lengthLetters(step.first);
    const QString second = lengthLetters(step.second);

    switch (step.formula) {
    case Formula::RootOfProduct:
        solution.intermediate = solution.firstValue * solution.secondValue;
        solution.result = exactSquareRoot(solution.intermediate);
        solution.lines = QStringList{
            theoremTitle(step.theorem) + QStringLiteral("%1² = %2 × %3").arg(hidden, first, second),
            QStringLiteral("%1² = %2 × %3 = %4")
                .arg(hidden, length(solution.firstValue), length(solution.secondValue),
                     area(solution.intermediate)),
            QStringLiteral("%1 = √%2 = %3 cm")
                .arg(hidden, area(solution.intermediate), length(solution.result)),
        };
        break;
    case Formula::SquareOver:
        solution.intermediate = solution.firstValue * solution.firstValue;
        solution.result = exactQuotient(solution.intermediate, solution.secondValue);
        solution.lines = QStringList{
            theoremTitle(step.theorem) + QStringLiteral("%1 = %2² / %3").arg(hidden, first, second),
            QStringLiteral("%1² = %2² = %3")
                .arg(first, length(solution.firstValue), area(solution.intermediate)),
            QStringLiteral("%1 = %2 / %3 = %4 cm")
                .arg(hidden, area(solution.intermediate), length(solution.secondValue),
                     length(solution.result)),
        };
        break;
    }
    return solution;
}

} // namespace quiz
