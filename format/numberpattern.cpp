// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberpattern.h"

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

} // namespace

QString formatNumber(double value, QStringView pattern, const DisplayLocale &locale)
{
    const PatternShape shape = shapeOf(pattern);
    const qint64 scale = powerOfTen(shape.decimals);
    const double scaled = std::round(std::abs(value) * double(scale)); // half away from zero
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
