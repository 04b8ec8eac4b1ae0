// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/triangles.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace quiz {
namespace {

// The answer box takes six characters; a label shows four whole digits.
constexpr int answerBoxCharacters = 6;
constexpr qint64 wholeLimit = 10000;
// The designed families keep every multiple they had (up to 345,6); the
// other shapes keep to lengths of at most four digits in all, so that a
// pupil works with 1681 or 12,25 and never with 7114,8.
constexpr int otherShapesDigits = 4;

bool isDesignedShape(const Primitive &t)
{
    return (t.a == 3 && t.b == 4) || (t.a == 7 && t.b == 24);
}

// Whether hundredths/denominator is a length the pupil can read and type:
// exact to two decimals, at most four whole digits, at most six characters,
// and at most maxDigits digits in all.
bool fits(qint64 numerator, qint64 denominator, int maxDigits)
{
    if (numerator % denominator != 0)
        return false;
    const qint64 hundredths = numerator / denominator;
    const qint64 whole = hundredths / 100;
    if (whole >= wholeLimit)
        return false;
    const int fraction = int(hundredths % 100);
    const int fractionDigits = fraction == 0 ? 0 : fraction % 10 == 0 ? 1 : 2;
    int wholeDigits = 1;
    for (qint64 rest = whole / 10; rest > 0; rest /= 10)
        ++wholeDigits;
    const int characters = wholeDigits + (fractionDigits > 0 ? 1 + fractionDigits : 0);
    return characters <= answerBoxCharacters && wholeDigits + fractionDigits <= maxDigits;
}

bool fits(const Primitive &t, qint64 k)
{
    const qint64 a = t.a, b = t.b, c = t.c;
    const int digits = isDesignedShape(t) ? answerBoxCharacters : otherShapesDigits;
    return fits(100 * k * a, 1, digits) && fits(100 * k * b, 1, digits) &&
           fits(100 * k * c, 1, digits) && fits(100 * k * a * a, c, digits) &&
           fits(100 * k * b * b, c, digits) && fits(100 * k * a * b, c, digits);
}

std::vector<Primitive> primitives()
{
    std::vector<Primitive> list;
    // The hypotenuse of the smallest scale alone is below the whole limit.
    for (int p = 2; p * p < wholeLimit; ++p)
        for (int q = 1; q < p; ++q) {
            if ((p - q) % 2 == 0 || std::gcd(p, q) != 1 || p * p + q * q >= wholeLimit)
                continue;
            const int x = p * p - q * q, y = 2 * p * q;
            list.push_back({qint16(std::min(x, y)), qint16(std::max(x, y)), qint16(p * p + q * q)});
        }
    std::sort(list.begin(), list.end(), [](const Primitive &l, const Primitive &r) {
        return std::tie(l.c, l.a) < std::tie(r.c, r.a);
    });
    return list;
}

std::vector<ScaledTriangle> buildTable()
{
    std::vector<ScaledTriangle> table;
    for (const Primitive &shape : primitives()) {
        const int unit = shape.c / std::gcd(int(shape.c), 100);
        for (int multiple = 1; multiple <= multiplesPerShape; ++multiple)
            if (fits(shape, qint64(unit) * multiple))
                table.push_back({shape, qint16(unit * multiple)});
    }
    return table;
}

} // namespace

std::span<const ScaledTriangle> triangleTable()
{
    static const std::vector<ScaledTriangle> table = buildTable();
    return table;
}

std::optional<Primitive> primitiveWithLeg(qint16 a)
{
    const auto table = triangleTable();
    const auto at = std::find_if(table.begin(), table.end(),
                                 [&](const ScaledTriangle &t) { return t.shape.a == a; });
    if (at == table.end())
        return std::nullopt;
    return at->shape;
}

int tableRow(qint16 a, qint16 scale)
{
    const auto table = triangleTable();
    const auto at = std::find_if(table.begin(), table.end(), [&](const ScaledTriangle &t) {
        return t.shape.a == a && t.scale == scale;
    });
    return at == table.end() ? 0 : int(at - table.begin()) + 1;
}

} // namespace quiz
