// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the quiz window against a bare Qt window that shows one label,
// both maximised, in one run; and the quiz as it would be with its pixels
// handed to X through shared memory, which the program turns off (a round
// trip to X before each repaint of the clock or the caret):
// - instructions to the first flush of the window (callgrind, once each,
//   when valgrind is installed);
// - time to the first paint and until the window stands still, on an Xvfb
//   screen of 1280 x 800 with a window manager (jwm) when they are installed,
//   else offscreen; in interleaved rounds, so that a noisy machine slows both
//   alike; the median of the per-round ratios;
// - peak resident memory once the window stands still;
// - wake-ups per second while idle: the voluntary context switches of all the
//   process's threads over 10 s, from 6 s after the start (Qt shifts coarse
//   timers by up to 5 % of their interval to share wake-ups, so the caret's
//   blinking and the clock take a few seconds to meet).
//     bench_startup [rounds]        (default 12)
#include "startupprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int idleSeconds = 10;
constexpr int idleAfterSeconds = 6;

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Where the children show their windows.
class Screen
{
public:
    explicit Screen(const QString &home) : m_environment(QProcessEnvironment::systemEnvironment())
    {
        m_environment.insert(QStringLiteral("HOME"), home);
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        if (!startX()) {
            m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            m_description = QStringLiteral("offscreen (") + m_description + u')';
        }
    }
    ~Screen()
    {
        for (QProcess *process : {m_manager.get(), m_server.get()}) {
            if (process) {
                process->terminate();
                process->waitForFinished(3000);
            }
        }
    }
    const QProcessEnvironment &environment() const { return m_environment; }
    QString description() const { return m_description; }

private:
    bool startX()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            m_description = QStringLiteral("Xvfb is not installed");
            return false;
        }
        int number = 90;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
               QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            ++number;
        const QString display = QStringLiteral(":%1").arg(number);
        m_server = std::make_unique<QProcess>();
        m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server->start(xvfb, {display, QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp")});
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QThread::msleep(50);
        if (!QFile::exists(socket)) {
            m_description = QStringLiteral("Xvfb did not start");
            return false;
        }
        m_environment.insert(QStringLiteral("DISPLAY"), display);
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_description = QStringLiteral("Xvfb 1280x800");
        const QString jwm = QStandardPaths::findExecutable(QStringLiteral("jwm"));
        if (jwm.isEmpty()) {
            m_description += QStringLiteral(", no window manager (jwm is not installed)");
            return true;
        }
        m_manager = std::make_unique<QProcess>();
        m_manager->setProcessEnvironment(m_environment);
        m_manager->start(jwm, {});
        // It has no way to say it is ready; this is a benchmark, not a test.
        QThread::msleep(1500);
        m_description += QStringLiteral(" with jwm");
        return true;
    }

    QProcessEnvironment m_environment;
    QString m_description;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_manager;
};

struct Start
{
    double paintMs = 0;
    double settledMs = 0;
    double peakKb = 0;
    double wakeups = 0; // per second while idle, when counted
};

struct Kind
{
    const char *name;
    const char *window;
};

// The line "<what> <ns> <kB>" from the child.
std::optional<std::pair<long long, double>> awaitLine(QProcess &child, const char *what)
{
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(30000)) {
            // Its warnings are noise while it works, the reason when it fails.
            std::fputs(child.readAllStandardError().constData(), stderr);
            return std::nullopt;
        }
    }
    const QList<QByteArray> words = child.readLine().trimmed().split(' ');
    if (words.value(0) != what)
        return std::nullopt;
    return std::pair(words.value(1).toLongLong(), words.value(2).toDouble());
}

// Voluntary context switches of all the process's threads.
long long switchesOf(qint64 pid)
{
    long long sum = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                sum += line.mid(24).trimmed().toLongLong();
    }
    return sum;
}

std::optional<Start> startOnce(const QString &self, const Screen &screen, const Kind &kind,
                               bool countIdle)
{
    QProcess child;
    child.setProcessEnvironment(screen.environment());
    const long long started = monotonicNs();
    child.start(self, {QStringLiteral("--child"), QString::fromLatin1(kind.window),
                       countIdle ? QStringLiteral("idle") : QStringLiteral("settle")});
    const auto painted = awaitLine(child, "painted");
    const auto settled = painted ? awaitLine(child, "settled") : std::nullopt;
    std::optional<Start> start;
    if (settled) {
        start.emplace();
        start->paintMs = double(painted->first - started) / 1e6;
        start->settledMs = double(settled->first - started) / 1e6;
        start->peakKb = settled->second;
        if (countIdle) {
            QThread::msleep(ulong(std::max(0.0, idleAfterSeconds * 1000 - start->settledMs)));
            const long long before = switchesOf(child.processId());
            QThread::sleep(idleSeconds);
            start->wakeups = double(switchesOf(child.processId()) - before) / idleSeconds;
        }
    }
    child.kill();
    child.waitForFinished();
    return start;
}

// Instructions of a child that ends right after its first flush.
std::optional<double> instructionsOf(const QString &self, const Screen &screen, const Kind &kind,
                                     const QString &folder)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    const QString out = folder + QStringLiteral("/callgrind.") + QString::fromLatin1(kind.window);
    QProcess child;
    child.setProcessEnvironment(screen.environment());
    child.start(valgrind,
                {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + out,
                 self, QStringLiteral("--child"), QString::fromLatin1(kind.window),
                 QStringLiteral("first")});
    if (!child.waitForFinished(300000) || child.exitCode() != 0)
        return std::nullopt;
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("totals:") || line.startsWith("summary:"))
            return line.mid(line.indexOf(':') + 1).trimmed().toDouble();
    return std::nullopt;
}

int child(char *argv[])
{
    using namespace ui::startupprobe;
    const Window window = std::strcmp(argv[2], "bare") == 0     ? Window::Bare
                          : std::strcmp(argv[2], "shared") == 0 ? Window::QuizWithSharedImages
                                                                : Window::Quiz;
    const End end = std::strcmp(argv[3], "first") == 0  ? End::AtFirstPaint
                    : std::strcmp(argv[3], "idle") == 0 ? End::Never
                                                        : End::WhenSettled;
    int argc = 1;
    return run(argc, argv, window, end);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return child(argv);

    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 12;
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir home;
    const Screen screen(home.path());
    const std::vector<Kind> kinds{
        {"quiz", "quiz"}, {"bare window", "bare"}, {"quiz, shared images", "shared"}};
    const size_t quiz = 0, bare = 1, shared = 2;
    std::printf("screen: %s\n", qPrintable(screen.description()));

    if (QStandardPaths::findExecutable(QStringLiteral("valgrind")).isEmpty()) {
        std::printf("instructions to the first flush: skipped, valgrind is not installed\n");
    } else {
        const auto quizCount = instructionsOf(self, screen, kinds[quiz], home.path());
        const auto bareCount = instructionsOf(self, screen, kinds[bare], home.path());
        if (quizCount && bareCount)
            std::printf("instructions to the first flush: %.1f M (bare %.1f M)  ratio %.3f\n",
                        *quizCount / 1e6, *bareCount / 1e6, *quizCount / *bareCount);
        else
            std::printf("instructions to the first flush: callgrind failed\n");
    }

    // One unmeasured round first: the disk cache should hold all alike.
    for (const Kind &kind : kinds)
        startOnce(self, screen, kind, false);

    std::vector<std::vector<double>> paint(kinds.size()), settled(kinds.size()), kb(kinds.size());
    // Of each kind against the bare window, per round.
    std::vector<std::vector<double>> paintRatio(kinds.size()), settledRatio(kinds.size()),
        kbRatio(kinds.size());
    for (int round = 0; round < rounds; ++round) {
        std::vector<Start> starts(kinds.size());
        // Each round starts them in another order.
        for (size_t k = 0; k < kinds.size(); ++k) {
            const size_t which = (k + size_t(round)) % kinds.size();
            const std::optional<Start> start = startOnce(self, screen, kinds[which], false);
            if (!start) {
                std::fprintf(stderr, "bench_startup: a child did not report its paints\n");
                return 1;
            }
            starts[which] = *start;
        }
        for (size_t k = 0; k < kinds.size(); ++k) {
            paint[k].push_back(starts[k].paintMs);
            settled[k].push_back(starts[k].settledMs);
            kb[k].push_back(starts[k].peakKb);
            paintRatio[k].push_back(starts[k].paintMs / starts[bare].paintMs);
            settledRatio[k].push_back(starts[k].settledMs / starts[bare].settledMs);
            kbRatio[k].push_back(starts[k].peakKb / starts[bare].peakKb);
        }
    }
    const auto range = [](const std::vector<double> &v) {
        return std::pair(*std::min_element(v.begin(), v.end()),
                         *std::max_element(v.begin(), v.end()));
    };
    std::printf("%d interleaved rounds; medians, and the median of the per-round ratios\n", rounds);
    for (size_t k : {quiz, shared}) {
        std::printf("%s:\n", kinds[k].name);
        const auto [p0, p1] = range(paintRatio[k]);
        std::printf("  first paint   %7.1f ms (bare %7.1f)  ratio %.3f (%.3f .. %.3f)\n",
                    median(paint[k]), median(paint[bare]), median(paintRatio[k]), p0, p1);
        const auto [s0, s1] = range(settledRatio[k]);
        std::printf("  settled       %7.1f ms (bare %7.1f)  ratio %.3f (%.3f .. %.3f)\n",
                    median(settled[k]), median(settled[bare]), median(settledRatio[k]), s0, s1);
        std::printf("  peak memory   %7.0f kB (bare %7.0f)  ratio %.3f\n", median(kb[k]),
                    median(kb[bare]), median(kbRatio[k]));
    }

    const auto bareIdle = startOnce(self, screen, kinds[bare], true);
    for (size_t k : {quiz, shared}) {
        const auto idle = startOnce(self, screen, kinds[k], true);
        if (idle && bareIdle)
            std::printf("idle wake-ups, %s: %5.2f /s (bare %.2f /s), all threads over %d s\n",
                        kinds[k].name, idle->wakeups, bareIdle->wakeups, idleSeconds);
    }
    return 0;
}
