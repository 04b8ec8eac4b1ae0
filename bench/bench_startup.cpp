// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted problem and peak memory, each against a bare
// Qt window that shows one label, started in interleaved pairs so that a
// noisy machine slows both alike. Prints the median of the pairwise ratios.
//     bench_startup [pairs]        (default 15, offscreen)
#include "startupprobe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

struct Start
{
    double milliseconds = 0;
    double peakKb = 0;
};

std::optional<Start> startOnce(const QString &self, const char *window)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);

    QElapsedTimer timer;
    timer.start();
    child.start(self, {QStringLiteral("--child"), QString::fromLatin1(window)});
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(20000)) {
            // Its warnings are noise while it works, the reason when it fails.
            std::fputs(child.readAllStandardError().constData(), stderr);
            child.kill();
            child.waitForFinished();
            return std::nullopt;
        }
    }
    Start start;
    start.milliseconds = double(timer.nsecsElapsed()) / 1e6;
    const QList<QByteArray> words = child.readLine().trimmed().split(' ');
    start.peakKb = words.value(1).toDouble();
    child.waitForFinished();
    return start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        const bool bare = std::strcmp(argv[2], "bare") == 0;
        return ui::startupprobe::run(
            argc, argv, bare ? ui::startupprobe::Window::Bare : ui::startupprobe::Window::Quiz);
    }

    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();

    // One unmeasured pair first: the disk cache should hold both alike.
    startOnce(self, "quiz");
    startOnce(self, "bare");

    std::vector<double> quizMs, bareMs, timeRatios, quizKb, bareKb, memoryRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        // Alternate which one goes first.
        const bool quizFirst = pair % 2 == 0;
        std::optional<Start> quiz, bare;
        if (quizFirst)
            quiz = startOnce(self, "quiz");
        bare = startOnce(self, "bare");
        if (!quizFirst)
            quiz = startOnce(self, "quiz");
        if (!quiz || !bare) {
            std::fprintf(stderr, "bench_startup: a child did not report its first paint\n");
            return 1;
        }
        quizMs.push_back(quiz->milliseconds);
        bareMs.push_back(bare->milliseconds);
        timeRatios.push_back(quiz->milliseconds / bare->milliseconds);
        quizKb.push_back(quiz->peakKb);
        bareKb.push_back(bare->peakKb);
        memoryRatios.push_back(quiz->peakKb / bare->peakKb);
    }

    std::printf("%d interleaved pairs, offscreen\n", pairs);
    std::printf("start-up to first paint   quiz %7.1f ms   bare window %7.1f ms   "
                "median ratio %.3f  (range %.3f .. %.3f)\n",
                median(quizMs), median(bareMs), median(timeRatios),
                *std::min_element(timeRatios.begin(), timeRatios.end()),
                *std::max_element(timeRatios.begin(), timeRatios.end()));
    std::printf("peak resident memory      quiz %7.0f kB   bare window %7.0f kB   "
                "median ratio %.3f\n",
                median(quizKb), median(bareKb), median(memoryRatios));
    return 0;
}
