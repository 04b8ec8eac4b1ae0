// SPDX-License-Identifier: GPL-3.0-or-later
// Live heap over 1,200 restarts ("Nuovo gioco"), offscreen. Prints the curve
// every 100 restarts and the growth from restart 200 to restart 1,200, beside
// the same number of idle rounds (events only, no restart) as the baseline.
// Runs without glibc's thread cache, whose parked blocks would count as live.
#include "support/restartloop.h"
#include "ui/window/program.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include <cstdio>

namespace {

// The offscreen platform warns at every maximising; the figures are what counts.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%d: %s\n", int(type), qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    liveheap::withoutThreadCache(argv);
    // A figure not measured must not pass for a target met.
    if (!liveheap::measurable()) {
        std::fputs("bench_restart: this allocator does not report the live heap (a sanitizer "
                   "build?); nothing measured\n",
                   stderr);
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropPlatformNoise);
    QApplication app(argc, argv);
    ui::Program program(app);
    ui::Tavola &tavola = program.window();
    tavola.start();
    restartloop::settle();

    const auto print = [](const char *what) {
        return [what](int i, long long bytes) {
            std::printf("%-8s %5d  live heap %10lld bytes\n", what, i, bytes);
        };
    };
    const long long idle =
        restartloop::growthAfterWarmUp([&tavola] { tavola.update(); }, print("idle"));
    const long long restart = restartloop::growthAfterWarmUp(
        [&tavola] { restartloop::restart(&tavola); }, print("restart"));
    const int warmUp = restartloop::warmUp;
    const int restarts = restartloop::rounds;
    const int counted = restarts - warmUp;
    std::printf("growth from round %d to %d: restart %lld bytes (%.1f per restart), idle %lld "
                "bytes; restart - idle %lld bytes (target <= 65536)\n",
                warmUp, restarts, restart, double(restart) / counted, idle, restart - idle);
    return 0;
}
