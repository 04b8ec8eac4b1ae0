// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <array>

// The relations of the figure, worked out by hand, between lengths numbered
// as in handHundredths (BH 0, HC 1, AB 2, AC 3, BC 4, AH 5).
namespace relations {

enum class Shape {
    Product,     // a² = b × c: the altitude theorem and the leg theorem
    Pythagoras,  // a² = b² + c²
    SegmentSum,  // a = b + c
};

struct Relation
{
    Shape shape;
    std::array<int, 3> lengths; // a, b, c
};

inline constexpr int BH = 0, HC = 1, AB = 2, AC = 3, BC = 4, AH = 5;

inline const QList<Relation> &all()
{
    static const QList<Relation> list{
        {Shape::Product, {AH, BH, HC}},    {Shape::Product, {AB, BC, BH}},
        {Shape::Product, {AC, BC, HC}},    {Shape::Pythagoras, {BC, AB, AC}},
        {Shape::Pythagoras, {AB, BH, AH}}, {Shape::Pythagoras, {AC, HC, AH}},
        {Shape::SegmentSum, {BC, BH, HC}},
    };
    return list;
}

inline bool involves(const Relation &r, int length)
{
    return std::find(r.lengths.begin(), r.lengths.end(), length) != r.lengths.end();
}

// The relation that ties exactly these three lengths, if any.
inline const Relation *tying(int x, int y, int z)
{
    for (const Relation &r : all())
        if (involves(r, x) && involves(r, y) && involves(r, z) && x != y && y != z && x != z)
            return &r;
    return nullptr;
}

// Whether the relation holds on lengths in hundredths.
inline bool holds(const Relation &r, const std::array<qint64, 6> &v)
{
    const qint64 a = v[size_t(r.lengths[0])], b = v[size_t(r.lengths[1])],
                 c = v[size_t(r.lengths[2])];
    switch (r.shape) {
    case Shape::Product:
        return a * a == b * c;
    case Shape::Pythagoras:
        return a * a == b * b + c * c;
    case Shape::SegmentSum:
        return a == b + c;
    }
    return false;
}

// The lengths one step finds from a set of known ones (a bit mask).
inline int oneStepFrom(int known)
{
    int found = 0;
    for (const Relation &r : all()) {
        int missing = -1, knownCount = 0;
        for (const int l : r.lengths)
            (known >> l & 1) ? ++knownCount : missing = l;
        if (knownCount == 2)
            found |= 1 << missing;
    }
    return found & ~known;
}

} // namespace relations
