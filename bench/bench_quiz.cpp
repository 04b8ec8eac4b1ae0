// SPDX-License-Identifier: GPL-3.0-or-later
// Problems generated and answers judged per second, each beside a baseline
// measured in the same run, so that the ratios survive a noisy machine.
#include "answer.h"
#include "problem.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int rounds = 200000;

template <typename Work> double perSecond(Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work(i);
    return rounds / (double(timer.nsecsElapsed()) / 1e9);
}

void report(const char *what, double rate, const char *baseline, double baseRate)
{
    std::printf("%-28s %12.0f /s   %-32s %12.0f /s   ratio %.3f\n", what, rate, baseline, baseRate,
                rate / baseRate);
}

} // namespace

int main()
{
    const auto locale = format::DisplayLocale::italian();
    const quiz::SystemClock clock;
    quiz::MixingRandomSource random(1);
    quiz::QuizState state;
    volatile float sink = 0;

    // Baseline: only the two clock readings, five reseeds and three draws of a problem.
    const double draws = perSecond([&](int i) {
        random.reseed(clock.secondsSinceMidnight());
        random.reseed(7);
        random.reseed(i % 15);
        random.reseed(clock.secondsSinceMidnight());
        sink = random.next() + random.next();
        random.reseed(i % 6);
        sink = random.next();
    });
    const double problems = perSecond(
        [&](int) { sink = quiz::generateProblem(state, random, clock, locale).expectedValue; });
    report("problems generated", problems, "baseline: reseeds and draws only", draws);

    // Baseline: Qt's own reading of the same texts, without the verdict.
    const QString answers[] = {QStringLiteral("29,4"), QStringLiteral("345,6"),
                               QStringLiteral("12"), QStringLiteral("1,96")};
    const double reads = perSecond([&](int i) { sink = locale.qtLocale.toFloat(answers[i % 4]); });
    state.ExpectedValue = 29.4f;
    const double judged = perSecond([&](int i) {
        state.RightCount = state.WrongCount = 0;
        sink = quiz::judgeAnswer(state, answers[i % 4], locale).counted;
    });
    report("answers judged", judged, "baseline: QLocale::toFloat", reads);
    return 0;
}
