// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/solution.h"

#include <QList>

#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

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
    return theoremName(theorem) + QStringLiteral(": ");
}

using Known = std::array<std::optional<qint64>, lengthCount>;

qint64 valueOf(const Known &known, Length which)
{
    if (!known[size_t(which)])
        throw std::logic_error("a step works on a length not yet known");
    return *known[size_t(which)];
}

SolvedStep solveStep(const Step &step, const Known &known)
{
    SolvedStep s;
    s.step = step;
    s.firstValue = valueOf(known, step.first);
    s.secondValue = valueOf(known, step.second);
    const qint64 a = s.firstValue;
    const qint64 b = s.secondValue;
    switch (step.formula) {
    case Formula::RootOfProduct:
        s.intermediate = a * b;
        s.result = exactSquareRoot(s.intermediate);
        break;
    case Formula::SquareOver:
        s.intermediate = a * a;
        s.result = exactQuotient(s.intermediate, b);
        break;
    case Formula::RootOfSumOfSquares:
        s.intermediate = a * a + b * b;
        s.result = exactSquareRoot(s.intermediate);
        break;
    case Formula::RootOfSquaresApart:
        s.intermediate = a * a - b * b;
        s.result = exactSquareRoot(s.intermediate);
        break;
    case Formula::Sum:
        s.intermediate = s.result = a + b;
        break;
    case Formula::Difference:
        s.intermediate = s.result = a - b;
        break;
    }
    return s;
}

// Writes the lines of each step; a square already written by an earlier step
// is not worked out again.
class LineWriter
{
public:
    explicit LineWriter(const format::DisplayLocale &locale) : m_locale(locale) {}

    QStringList lines(const SolvedStep &s)
    {
        const Step &step = s.step;
        const QString x = lengthLetters(step.result);
        const QString p = lengthLetters(step.first);
        const QString q = lengthLetters(step.second);
        const QString title = theoremTitle(step.theorem);
        const QString a = length(s.firstValue);
        const QString b = length(s.secondValue);
        const QString result = QStringLiteral("%1 = √%2 = %3 cm").arg(x, area(s.intermediate),
                                                                     length(s.result));
        switch (step.formula) {
        case Formula::RootOfProduct:
            squared(step.result);
            return {title + QStringLiteral("%1² = %2 × %3").arg(x, p, q),
                    QStringLiteral("%1² = %2 × %3 = %4").arg(x, a, b, area(s.intermediate)),
                    result};
        case Formula::SquareOver: {
            QStringList lines{title + QStringLiteral("%1 = %2² / %3").arg(x, p, q)};
            if (!squared(step.first))
                lines << QStringLiteral("%1² = %2² = %3").arg(p, a, area(s.firstValue * s.firstValue));
            lines << QStringLiteral("%1 = %2 / %3 = %4 cm")
                         .arg(x, area(s.intermediate), b, length(s.result));
            return lines;
        }
        case Formula::RootOfSumOfSquares:
        case Formula::RootOfSquaresApart: {
            const QString sign = step.formula == Formula::RootOfSumOfSquares ? u"+"_s : u"−"_s;
            squared(step.first);
            squared(step.second);
            squared(step.result);
            return {title + QStringLiteral("%1² = %2² %3 %4²").arg(x, p, sign, q),
                    QStringLiteral("%1² = %2² %3 %4² = %5 %3 %6 = %7")
                        .arg(x, a, sign, b, area(s.firstValue * s.firstValue),
                             area(s.secondValue * s.secondValue), area(s.intermediate)),
                    result};
        }
        case Formula::Sum:
        case Formula::Difference: {
            const QString sign = step.formula == Formula::Sum ? u"+"_s : u"−"_s;
            return {title + QStringLiteral("%1 = %2 %3 %4").arg(x, p, sign, q),
                    QStringLiteral("%1 = %2 %3 %4 = %5 cm").arg(x, a, sign, b, length(s.result))};
        }
        }
        return {};
    }

private:
    QString length(qint64 hundredths) const { return exactDecimalText(hundredths, 2, m_locale); }
    QString area(qint64 units) const { return exactDecimalText(units, 4, m_locale); }

    // Marks the square of a length as written; says whether it already was.
    bool squared(Length which)
    {
        const bool before = m_squared[size_t(which)];
        m_squared[size_t(which)] = true;
        return before;
    }

    const format::DisplayLocale &m_locale;
    std::array<bool, lengthCount> m_squared{};
};

} // namespace

qint64 exactHundredths(qint16 GenM, qint16 n, Length which)
{
    const auto shape = primitiveWithLeg(GenM);
    if (!shape)
        throw std::out_of_range("no triangle of that shape");
    const qint64 ab = qint64(shape->a) * n * 100;
    const qint64 ac = qint64(shape->b) * n * 100;
    const qint64 bc = qint64(shape->c) * n * 100;
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
    const ProblemKind &kind = draw.kind();
    Known known;
    for (Length given : kind.givens())
        known[size_t(given)] = exactHundredths(draw.GenM, draw.Multiplier, given);

    WorkedSolution solution;
    for (int i = 0; i < lengthCount; ++i)
        solution.lengths[size_t(i)] = exactHundredths(draw.GenM, draw.Multiplier, Length(i));
    LineWriter writer(locale);
    for (const Step &step : kind.route()) {
        const SolvedStep solved = solveStep(step, known);
        known[size_t(step.result)] = solved.result;
        solution.lines += writer.lines(solved);
        solution.steps.append(solved);
    }
    const SolvedStep &first = solution.steps.constFirst();
    const SolvedStep &last = solution.steps.constLast();
    solution.theorem = last.step.theorem;
    solution.hidden = kind.asked();
    solution.first = first.step.first;
    solution.second = first.step.second;
    solution.firstValue = first.firstValue;
    solution.secondValue = first.secondValue;
    solution.intermediate = last.intermediate;
    solution.result = last.result;
    return solution;
}

} // namespace quiz
