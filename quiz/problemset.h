// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problem.h"

#include <QList>
#include <QtGlobal>

namespace quiz {

// Which theorem the problems of a set may rest on.
enum class TheoremChoice { Both, Leg, Altitude };

// Draws count problems with the window's generator, seeded from seed alone
// (a fixed clock stands in for the time of day), so that one seed always
// gives the same set. Kinds outside the choice and repeats are drawn again.
QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice);

} // namespace quiz
