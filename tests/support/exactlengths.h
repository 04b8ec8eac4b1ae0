// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <QtGlobal>

#include <array>
#include <cmath>

// The exact lengths of triangle (m, n) in hundredths, in the order BH, HC,
// AB, AC, BC, AH (the order of quiz::Length), worked
// out by hand: 3-4-5 gives BH 1,8n, HC 3,2n, AH 2,4n; 7-24-25 gives 1,96n,
// 23,04n, 6,72n.
inline std::array<qint64, 6> handHundredths(int m, int n)
{
    if (m == 3)
        return {180 * n, 320 * n, 300 * n, 400 * n, 500 * n, 240 * n};
    return {196 * n, 2304 * n, 700 * n, 2400 * n, 2500 * n, 672 * n};
}

// The lengths that projections BH and HC (in hundredths) make, by the
// theorems: BC = BH + HC, AB² = BC × BH, AC² = BC × HC, AH² = BH × HC.
// A root that is not whole gives -1, which no label can show.
inline std::array<qint64, 6> projectionHundredths(qint64 bh, qint64 hc)
{
    const auto root = [](qint64 square) {
        auto r = qint64(std::llround(std::sqrt(double(square))));
        return r * r == square ? r : qint64(-1);
    };
    const qint64 bc = bh + hc;
    return {bh, hc, root(bc * bh), root(bc * hc), bc, root(bh * hc)};
}

// One row for every triangle (m = 3 or 7, n = 1..15) and every pick 1..6.
inline void addEveryTriangleAndPickRows()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pick");
    for (const int m : {3, 7})
        for (int n = 1; n <= 15; ++n)
            for (int pick = 1; pick <= 6; ++pick)
                QTest::addRow("m=%d n=%d pick %d", m, n, pick) << m << n << pick;
}
