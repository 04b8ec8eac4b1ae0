// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>
#include <span>

namespace quiz {

// A primitive Pythagorean triple, legs a < b, hypotenuse c: the triangle's
// shape. AB is the shorter leg, so H lies nearer B.
struct Primitive
{
    qint16 a = 0;
    qint16 b = 0;
    qint16 c = 0;

    friend bool operator==(const Primitive &, const Primitive &) = default;
};

// One triangle of the table: a primitive scaled by scale, so that AB = a k,
// AC = b k, BC = c k, BH = a² k / c, HC = b² k / c, AH = a b k / c.
struct ScaledTriangle
{
    Primitive shape;
    qint16 scale = 1;

    friend bool operator==(const ScaledTriangle &, const ScaledTriangle &) = default;
};

// How many multiples of its smallest exact scale each shape offers at most,
// as the designed families offer n = 1..15.
inline constexpr int multiplesPerShape = 15;

// The triangles that levels 2 and 3 draw from. Each primitive that Euclid's
// rule gives (p > q, coprime, not both odd: p² − q², 2pq, p² + q²) is
// scaled by each multiple of the smallest scale that makes BH, HC and AH
// exact to two decimals (c / gcd(c, 100)); a triangle is kept when each of
// its six lengths has at most four whole digits and its text fits the
// six-character answer box. In order of hypotenuse, then scale; (3, 4, 5)
// and (7, 24, 25) keep their designed n = 1..15.
std::span<const ScaledTriangle> triangleTable();

// The table's primitive whose shorter leg is a: the leg names the shape,
// as the designed generator m names 3-4-5 and 7-24-25.
std::optional<Primitive> primitiveWithLeg(qint16 a);

// The 1-based row of (a, scale) in the table, 0 when it has none.
int tableRow(qint16 a, qint16 scale);

} // namespace quiz
