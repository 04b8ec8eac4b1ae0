// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/triangles.h"

#include <QString>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace quiz {
namespace {

// The answer box takes six characters; a label shows four whole digits.
constexpr int answerBoxCharacters = 6;
constexpr qint64 wholeLimit = 10000;

// Whether hundredths/denominator is a length the pupil can read and type:
// exact to two decimals, at most four whole digits, at most six characters.
bool fits(qint64 numerator, qint64 denominator)
{
    if (numerator % denominator != 0)
        return false;
    const qint64 hundredths = numerator / denominator;
    const qint64 whole = hundredths / 100;
    if (whole >= wholeLimit)
        return false;
    int fraction = int(hundredths % 100);
    int characters = int(QString::number(whole).size());
    if (fraction != 0)
        characters += fraction % 10 == 0 ? 2 : 3; // the separator and one or two digits
    return characters <= answerBoxCharacters;
}

bool fits(const Primitive &t, qint64 k)
{
    const qint64 a = t.a, b = t.b, c = t.c;
    return fits(100 * k * a, 1) && fits(100 * k * b, 1) && fits(100 * k * c, 1) &&
           fits(100 * k * a * a, c) && fits(100 * k * b * b, c) && fits(100 * k * a * b, c);
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
