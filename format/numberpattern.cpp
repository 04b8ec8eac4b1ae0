// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/numberpattern.h"

#include <cmath>

namespace format {
namespace {

struct PatternShape
{
    bool zeroIntegerShown = false; // integer section holds a "0"
    bool hasFraction = false;
    int decimals = 0;
};

PatternShape shapeOf(QStringView pattern)
{
    const qsizetype dot = pattern.indexOf(u'.');
    const QStringView integerSection = dot < 0 ? pattern : pattern.left(dot);
    PatternShape shape;
    shape.zeroIntegerShown = integerSection.contains(u'0');
    shape.hasFraction = dot >= 0;
    if (shape.hasFraction)
        shape.decimals = int(pattern.size() - dot - 1);
    return shape;
}

qint64 powerOfTen(int exponent)
{
    qint64 result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// Rounds magnitude * scale half away from zero as its exact product would be:
// the floating-point product can land on a tie that the exact one misses
// (1.115 is held as 1.11499..., yet 1.115 * 100 gives 111.5).
double roundedUnits(double magnitude, qint64 scale)
{
    const double product = magnitude * double(scale);
    const double error = std::fma(magnitude, double(scale), -product); // exact: product + error
    const double below = std::floor(product);
    if (product - below != 0.5 || error == 0)
        return std::round(product);
    return error > 0 ? below + 1 : below;
}

} // namespace

QString formatNumber(double value, QStringView pattern, const DisplayLocale &locale)
{
    const PatternShape shape = shapeOf(pattern);
    const qint64 scale = powerOfTen(shape.decimals);
    const double scaled = roundedUnits(std::abs(value), scale);
    if (!std::isfinite(scaled) || scaled > 9.0e15)
        return locale.qtLocale.toString(value, 'g', 17); // never reached by this program's values

    const auto units = qint64(scaled);
    const qint64 integerPart = units / scale;
    QString text = value < 0 && units != 0 ? QStringLiteral("-") : QString();
    if (integerPart != 0 || shape.zeroIntegerShown)
        text += QString::number(integerPart);
    if (shape.hasFraction) {
        text += locale.decimalSeparator;
        QString fraction = QString::number(units % scale).rightJustified(shape.decimals, u'0');
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += fraction;
    }
    return text;
}

} // namespace format
