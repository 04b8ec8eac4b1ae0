// SPDX-License-Identifier: GPL-3.0-or-later
// Problems generated and answers judged per second, each beside a baseline
// that does the same unavoidable work with Qt alone. After a warm-up, every
// round times the measured code and its baseline back to back (alternating
// which goes first), and the median of the per-round ratios is printed, so
// that the ratio survives a noisy machine.
#include "format/numberpattern.h"
#include "quiz/answer.h"
#include "quiz/problem.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int callsPerBatch = 20000;
constexpr int rounds = 15;

template <typename Work> double perSecond(Work &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < callsPerBatch; ++i)
        work(i);
    return callsPerBatch / (double(timer.nsecsElapsed()) / 1e9);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Measured, typename Baseline>
void compare(const char *what, Measured measured, const char *baselineName, Baseline baseline)
{
    perSecond(measured); // warm-up: caches, branch predictors, lazy statics
    perSecond(baseline);
    std::vector<double> rates, baseRates, ratios;
    for (int round = 0; round < rounds; ++round) {
        double rate = 0, baseRate = 0;
        if (round % 2 == 0) {
            rate = perSecond(measured);
            baseRate = perSecond(baseline);
        } else {
            baseRate = perSecond(baseline);
            rate = perSecond(measured);
        }
        rates.push_back(rate);
        baseRates.push_back(baseRate);
        ratios.push_back(rate / baseRate);
    }
    std::printf("%-20s %11.0f /s   %-44s %11.0f /s   median ratio %.3f (%.3f .. %.3f)\n", what,
                median(rates), baselineName, median(baseRates), median(ratios),
                *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));
}

} // namespace

int main()
{
    const auto locale = format::DisplayLocale::italian();
    const QLocale &qt = locale.qtLocale;
    const quiz::SystemClock clock;
    quiz::MixingRandomSource random(1);
    quiz::QuizState state;
    volatile float sink = 0;
    volatile qsizetype textSink = 0;

    std::printf("%d rounds of %d calls each, after a warm-up\n", rounds, callsPerBatch);

    // Baseline: two clock readings, five reseeds, three draws and six number
    // texts written by QLocale.
    compare(
        "problems generated",
        [&](int) { sink = quiz::generateProblem(state, random, clock, locale).expectedValue(); },
        "baseline: reseeds, draws, 6 QLocale texts",
        [&](int i) {
            random.reseed(clock.secondsSinceMidnight());
            random.reseed(7);
            random.reseed(i % 15);
            random.reseed(clock.secondsSinceMidnight());
            sink = random.next() + random.next();
            random.reseed(i % 6);
            sink = random.next();
            for (int side = 0; side < quiz::lengthCount; ++side)
                textSink = qt.toString(sink * 30 + side, 'f', 2).size();
        });

    // Baseline: Qt reads the same texts and writes three number texts, as
    // many as a verdict writes besides its message.
    const QString answers[] = {QStringLiteral("29,4"), QStringLiteral("345,6"),
                               QStringLiteral("12"), QStringLiteral("1,96")};
    state.ExpectedValue = 29.4f;
    compare(
        "answers judged",
        [&](int i) {
            state.RightCount = state.WrongCount = 0;
            sink = quiz::judgeAnswer(state, answers[i % 4], locale).counted;
        },
        "baseline: QLocale::toFloat, 3 QLocale texts",
        [&](int i) {
            const float typed = qt.toFloat(answers[i % 4]);
            textSink = qt.toString(typed, 'f', 2).size() + qt.toString(i % 7).size() +
                       qt.toString(i % 11).size();
        });
    return 0;
}
