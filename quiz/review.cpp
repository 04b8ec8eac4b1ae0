// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/review.h"

#include <algorithm>
#include <numeric>

namespace quiz {
namespace {

bool favoursSome(const QList<int> &weights, size_t kinds)
{
    if (size_t(weights.size()) != kinds)
        return false;
    return std::any_of(weights.begin(), weights.end(),
                       [&](int weight) { return weight != weights.first(); });
}

// The index whose share of the total holds u.
size_t weightedIndex(const QList<int> &weights, float u)
{
    const long total = std::accumulate(weights.begin(), weights.end(), 0L);
    long target = std::min(long(double(u) * double(total)), total - 1);
    for (qsizetype i = 0; i < weights.size(); ++i) {
        target -= weights[i];
        if (target < 0)
            return size_t(i);
    }
    return size_t(weights.size() - 1);
}

// Names the kind at index of the level's table with the pick that level
// uses, in the draw and in the state.
void pickKind(Level level, size_t index, ProblemDraw &draw, QuizState &state)
{
    const auto designed = designedKinds().size();
    const auto pick = qint16(index + 1);
    switch (level) {
    case Level::OneStep:
        draw.HiddenPick = state.HiddenPick = pick;
        break;
    case Level::AllSides:
        if (index < designed) {
            draw.HiddenPick = state.HiddenPick = pick;
            draw.SecondPick = state.SecondPick = 0;
        } else {
            draw.HiddenPick = 0;
            draw.SecondPick = state.SecondPick = qint16(index - designed + 1);
        }
        break;
    case Level::TwoSteps:
        draw.HiddenPick = 0;
        draw.TwoStepPick = state.TwoStepPick = pick;
        break;
    }
}

} // namespace

ProblemDraw drawProblemReviewed(Level level, QuizState &state, RandomSource &random,
                                const Clock &clock, const QList<int> &weights)
{
    ProblemDraw draw = drawProblemAt(level, state, random, clock);
    if (!favoursSome(weights, kindsOfLevel(level).size()))
        return draw;
    pickKind(level, weightedIndex(weights, random.next()), draw, state);
    state.ExpectedValue = float(draw.triangle().length(draw.kind().asked()));
    return draw;
}

Problem generateProblemReviewed(Level level, QuizState &state, RandomSource &random,
                                const Clock &clock, const format::DisplayLocale &locale,
                                const QList<int> &weights)
{
    Problem problem = problemOf(drawProblemReviewed(level, state, random, clock, weights), locale);
    problem.level = level;
    return problem;
}

} // namespace quiz
