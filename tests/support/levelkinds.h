// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problem.h"

#include <QTest>

Q_DECLARE_METATYPE(quiz::Level)

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

// One row for every level, every kind of it and every one of the 30 triangles.
inline void addEveryLevelKindAndTriangleRows()
{
    QTest::addColumn<quiz::Level>("level");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    for (const quiz::Level level : quiz::allLevels)
        for (int index = 0; index < int(quiz::kindsOfLevel(level).size()); ++index)
            for (const int m : {3, 7})
                for (int n = 1; n <= 15; ++n)
                    QTest::addRow("level %d kind %d m=%d n=%d", int(level), index + 1, m, n)
                        << level << index << m << n;
}
