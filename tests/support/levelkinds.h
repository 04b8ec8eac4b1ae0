// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problem.h"
#include "support/exactlengths.h"

#include <QTest>

Q_DECLARE_METATYPE(quiz::Level)

// The exact lengths in hundredths of any triangle of the table (handHundredths
// gives the designed ones), named by its primitive's shorter
// leg m and its scale n: the sides, then BH = AB² / BC and HC = AC² / BC
// (leg theorem) and AH = AB × AC / BC (twice the area over the base), each
// rounded down to hundredths; the table test checks that none needs it.
inline std::array<qint64, 6> theoremHundredths(int m, int n)
{
    if (m == 3 || m == 7)
        return handHundredths(m, n);
    const auto shape = quiz::primitiveWithLeg(qint16(m));
    if (!shape)
        return {};
    const qint64 ab = 100LL * shape->a * n, ac = 100LL * shape->b * n, bc = 100LL * shape->c * n;
    return {ab * ab / bc, ac * ac / bc, ab, ac, bc, ab * ac / bc};
}

// The draw of the index-th kind (0-based) of a level on triangle (m, n): a
// designed pick, a second selector's pick or a two-step pick.
inline quiz::ProblemDraw drawOfKind(quiz::Level level, int index, int m, int n)
{
    const auto designed = int(quiz::designedKinds().size());
    quiz::ProblemDraw draw{qint16(m), qint16(n), qint16(index + 1)};
    if (level == quiz::Level::TwoSteps)
        draw = {qint16(m), qint16(n), 0, 0, qint16(index + 1)};
    else if (index >= designed)
        draw = {qint16(m), qint16(n), 0, qint16(index + 1 - designed)};
    return draw;
}

// One row for every level, every kind of it and every triangle it draws:
// the designed 30 at level 1, the table's at levels 2 and 3.
inline void addEveryLevelKindAndTriangleRows()
{
    QTest::addColumn<quiz::Level>("level");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    for (const quiz::Level level : quiz::allLevels)
        for (int index = 0; index < int(quiz::kindsOfLevel(level).size()); ++index)
            for (const quiz::ScaledTriangle &t : quiz::triangleTable()) {
                const int m = t.shape.a, n = t.scale;
                if (level == quiz::Level::OneStep && !(m == 3 || m == 7))
                    continue;
                QTest::addRow("level %d kind %d m=%d n=%d", int(level), index + 1, m, n)
                    << level << index << m << n;
            }
}
