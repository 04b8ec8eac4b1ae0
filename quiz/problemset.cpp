// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problemset.h"

namespace quiz {
namespace {

// Generation reseeds from the time of day; a set must not depend on it.
class MidnightClock final : public Clock
{
public:
    QDateTime dateTime() const override { return QDateTime(QDate(2000, 1, 1), QTime(0, 0)); }
};

bool fits(const ProblemDraw &draw, TheoremChoice choice)
{
    switch (choice) {
    case TheoremChoice::Both:
        return true;
    case TheoremChoice::Leg:
        return draw.kind().step.theorem == Theorem::Leg;
    case TheoremChoice::Altitude:
        return draw.kind().step.theorem == Theorem::Altitude;
    }
    return true;
}

} // namespace

QList<ProblemDraw> drawProblemSet(quint32 seed, int count, TheoremChoice choice)
{
    // Each theorem has 30 triangles x 3 picks; past that many, repeats are unavoidable.
    constexpr int maxAttemptsPerProblem = 1000;
    MixingRandomSource random(seed);
    MidnightClock clock;
    QuizState state;
    QList<ProblemDraw> problems;
    while (problems.size() < count) {
        ProblemDraw draw;
        for (int attempt = 0; attempt < maxAttemptsPerProblem; ++attempt) {
            draw = drawProblem(state, random, clock);
            if (fits(draw, choice) && !problems.contains(draw))
                break;
        }
        if (!fits(draw, choice))
            continue;
        problems.append(draw);
    }
    return problems;
}

} // namespace quiz
