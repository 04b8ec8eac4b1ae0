// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problem.h"

#include <QList>
#include <QtGlobal>

namespace quiz {

// How many problems a set holds: the worksheet's and the assignment's bounds.
inline constexpr int minProblemSetSize = 5;
inline constexpr int maxProblemSetSize = 60;
inline constexpr int defaultProblemSetSize = 20;

// Which theorem the problems of a set may rest on. At level 3 a problem fits
// when one of its steps uses the theorem; Both takes every kind of the level.
enum class TheoremChoice { Both, Leg, Altitude };

// Whether a kind of problem fits the choice.
bool fits(const ProblemKind &kind, TheoremChoice choice);

// How many different problems (triangle and kind) a level offers under a
// choice; 0 means the combination gives no problem.
int problemsOffered(Level level, TheoremChoice choice);

// Draws count problems with the window's generator, seeded from seed alone
// (a fixed clock stands in for the time of day), so that one seed always
// gives the same set. Kinds outside the choice and repeats are drawn again.
QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice);

// The same at a level; empty when the level offers no problem under the choice.
QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice, Level level);

} // namespace quiz
