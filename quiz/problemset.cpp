// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problemset.h"

#include <algorithm>

namespace quiz {
namespace {

// Generation reseeds from the time of day; a set must not depend on it.
class MidnightClock final : public Clock
{
public:
    QDateTime dateTime() const override { return QDateTime(QDate(2000, 1, 1), QTime(0, 0)); }
};

} // namespace

bool fits(const ProblemKind &kind, TheoremChoice choice)
{
    switch (choice) {
    case TheoremChoice::Both:
        return true;
    case TheoremChoice::Leg:
        return kind.uses(Theorem::Leg);
    case TheoremChoice::Altitude:
        return kind.uses(Theorem::Altitude);
    }
    return true;
}

int problemsOffered(Level level, TheoremChoice choice)
{
    const auto kinds = kindsOfLevel(level);
    const auto fitting = std::count_if(kinds.begin(), kinds.end(),
                                       [&](const ProblemKind &kind) { return fits(kind, choice); });
    const int triangles = level == Level::OneStep ? 2 * multipliers : int(triangleTable().size());
    return int(fitting) * triangles;
}

QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice)
{
    return drawProblemSet(seed, count, choice, Level::OneStep);
}

QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice, Level level)
{
    if (problemsOffered(level, choice) == 0)
        return {};
    // Past as many problems as the level offers, repeats are unavoidable.
    constexpr int maxAttemptsPerProblem = 1000;
    MixingRandomSource random(seed);
    MidnightClock clock;
    QuizState state;
    QList<ProblemDraw> problems;
    while (problems.size() < count) {
        ProblemDraw draw;
        for (int attempt = 0; attempt < maxAttemptsPerProblem; ++attempt) {
            draw = drawProblemAt(level, state, random, clock);
            if (fits(draw.kind(), choice) && !problems.contains(draw))
                break;
        }
        if (!fits(draw.kind(), choice))
            continue;
        problems.append(draw);
    }
    return problems;
}

} // namespace quiz
