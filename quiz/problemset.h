// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>

namespace quiz {

// Which theorem the problems of a set may rest on.
enum class TheoremChoice { Both, Leg, Altitude };

// One problem of a set: the triangle (GenM, n) and the pick that hides one length.
struct ProblemDraw
{
    qint16 GenM = 3;
    qint16 Multiplier = 1;
    qint16 HiddenPick = 1;

    friend bool operator==(const ProblemDraw &, const ProblemDraw &) = default;
};

// Draws count problems with the window's generator, seeded from seed alone
// (a fixed clock stands in for the time of day), so that one seed always
// gives the same set. Picks outside the choice and repeats are drawn again.
QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice);

} // namespace quiz
