// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problem.h"

#include <QList>

namespace quiz {

// Draws a problem of a level as drawProblemAt does; then, when weights (one
// a kind of the level, in kindsOfLevel's order) favour some kinds, draws the
// kind once more in proportion to them, keeping the triangle. With no
// weights, or all of them equal, nothing more is drawn, so the sequence is
// the uniform draw's. The state keeps the pick of the kind drawn and its
// expected value.
ProblemDraw drawProblemReviewed(Level level, QuizState &state, RandomSource &random,
                                const Clock &clock, const QList<int> &weights);

// The same, as the window shows it.
Problem generateProblemReviewed(Level level, QuizState &state, RandomSource &random,
                                const Clock &clock, const format::DisplayLocale &locale,
                                const QList<int> &weights);

} // namespace quiz
