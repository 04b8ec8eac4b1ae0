// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted problem and peak memory, each against a bare
// Qt window that shows one label, started in interleaved rounds so that a
// noisy machine slows all alike. Prints the median of the per-round ratios.
// The quiz starts three ways: without a record (as the tests do), keeping a
// record of 5,000 answers as the program does, and the same with "Ripasso"
// on, which reads the pupil's recent answers before the first problem.
//     bench_startup [rounds]        (default 15, offscreen)
#include "startupprobe.h"

#include "quiz/clock.h"
#include "record/answerrow.h"
#include "record/recordwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

// How a child starts: the window it shows, and the settings folder it reads.
struct Kind
{
    const char *name;
    const char *window;
    QString configHome;
};

std::optional<Start> startOnce(const QString &self, const Kind &kind, const QString &record)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), kind.configHome);
    environment.insert(QStringLiteral("SOLVETRA_BENCH_RECORD"), record);
    const char *window = kind.window;
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

// A pupil's record of answers over the last weeks, one commit each as the quiz writes them.
void makeRecord(const QString &path, int answers)
{
    const quiz::SystemClock clock;
    record::RecordWriter writer(path, clock);
    writer.startSession(1);
    for (int i = 0; i < answers; ++i) {
        record::AnswerRow row;
        row.kind = i % 4 ? QStringLiteral("AH:BH,HC") : QStringLiteral("BH:AB,BC");
        row.asked = row.kind.left(2);
        row.typed = QString::number(i);
        row.right = i % 3 != 0;
        writer.addAnswer(row);
    }
}

void writeSettings(const QString &folder, const QByteArray &text)
{
    QDir().mkpath(folder + QStringLiteral("/Solvetra"));
    QFile file(folder + QStringLiteral("/Solvetra/solvetra.conf"));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        using ui::startupprobe::Window;
        const char *kind = argv[2];
        const Window window = std::strcmp(kind, "bare") == 0     ? Window::Bare
                              : std::strcmp(kind, "record") == 0 ? Window::QuizWithRecord
                                                                 : Window::Quiz;
        return ui::startupprobe::run(argc, argv, window);
    }

    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("record.sqlite"));
    makeRecord(record, 5000);
    writeSettings(dir.filePath(QStringLiteral("plain")), "");
    writeSettings(dir.filePath(QStringLiteral("review")), "[quiz]\nreview=true\n");
    const std::vector<Kind> kinds{
        {"quiz, no record", "quiz", dir.filePath(QStringLiteral("plain"))},
        {"quiz, record", "record", dir.filePath(QStringLiteral("plain"))},
        {"quiz, record, Ripasso", "record", dir.filePath(QStringLiteral("review"))},
        {"bare window", "bare", dir.filePath(QStringLiteral("plain"))}};
    const size_t bare = kinds.size() - 1;

    // One unmeasured round first: the disk cache should hold all alike.
    for (const Kind &kind : kinds)
        startOnce(self, kind, record);

    std::vector<std::vector<double>> ms(kinds.size()), kb(kinds.size()), timeRatios(kinds.size()),
        memoryRatios(kinds.size());
    for (int round = 0; round < rounds; ++round) {
        std::vector<Start> starts(kinds.size());
        // Each round starts them in another order.
        for (size_t k = 0; k < kinds.size(); ++k) {
            const size_t which = (k + size_t(round)) % kinds.size();
            const std::optional<Start> start = startOnce(self, kinds[which], record);
            if (!start) {
                std::fprintf(stderr, "bench_startup: a child did not report its first paint\n");
                return 1;
            }
            starts[which] = *start;
        }
        for (size_t k = 0; k < kinds.size(); ++k) {
            ms[k].push_back(starts[k].milliseconds);
            kb[k].push_back(starts[k].peakKb);
            timeRatios[k].push_back(starts[k].milliseconds / starts[bare].milliseconds);
            memoryRatios[k].push_back(starts[k].peakKb / starts[bare].peakKb);
        }
    }

    std::printf("%d interleaved rounds, offscreen; ratios against the bare window\n", rounds);
    for (size_t k = 0; k < bare; ++k) {
        std::printf("%-22s start-up %7.1f ms (bare %7.1f)  median ratio %.3f (%.3f .. %.3f)   "
                    "peak memory %6.0f kB  ratio %.3f\n",
                    kinds[k].name, median(ms[k]), median(ms[bare]), median(timeRatios[k]),
                    *std::min_element(timeRatios[k].begin(), timeRatios[k].end()),
                    *std::max_element(timeRatios[k].begin(), timeRatios[k].end()), median(kb[k]),
                    median(memoryRatios[k]));
    }
    return 0;
}
