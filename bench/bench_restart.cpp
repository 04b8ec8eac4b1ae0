// SPDX-License-Identifier: GPL-3.0-or-later
// Live heap over 1,200 restarts ("Nuovo gioco"), offscreen. Prints the curve
// every 100 restarts and the growth from restart 200 to restart 1,200, beside
// the same number of idle rounds (events only, no restart) as the baseline.
// Runs without glibc's thread cache, whose parked blocks would count as live.
#include "quiz/clock.h"
#include "quiz/randomsource.h"
#include "support/liveheap.h"
#include "ui/window/appsetup.h"
#include "ui/window/platform.h"
#include "ui/window/tavola.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include <cstdio>

namespace {

constexpr int restarts = 1200;
constexpr int warmUp = 200;

// Lets the window paint and the old controls go.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

template <typename Round> long long growthAfterWarmUp(const char *what, Round round)
{
    long long atWarmUp = 0;
    for (int i = 1; i <= restarts; ++i) {
        round();
        settle();
        if (i == warmUp)
            atWarmUp = liveheap::bytes();
        if (i % 100 == 0)
            std::printf("%-8s %5d  live heap %10lld bytes\n", what, i, liveheap::bytes());
    }
    return liveheap::bytes() - atWarmUp;
}

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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropPlatformNoise);
    QApplication app(argc, argv);
    ui::prepareApplication(app);

    quiz::SystemClock clock;
    quiz::MixingRandomSource random = quiz::MixingRandomSource::fromEntropy();
    ui::DesktopPlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    settle();

    const long long idle = growthAfterWarmUp("idle", [&tavola] { tavola.update(); });
    const long long restart = growthAfterWarmUp("restart", [&tavola] {
        tavola.menuBar()->findChild<QAction *>(QStringLiteral("new"))->trigger();
    });
    const int counted = restarts - warmUp;
    std::printf("growth from round %d to %d: restart %lld bytes (%.1f per restart), idle %lld "
                "bytes; restart - idle %lld bytes (target <= 65536)\n",
                warmUp, restarts, restart, double(restart) / counted, idle, restart - idle);
    return 0;
}
