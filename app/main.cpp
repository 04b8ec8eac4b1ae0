// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"
#include "randomsource.h"
#include "appsetup.h"
#include "platform.h"
#include "tavola.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a toolkit message; say it plainly.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("solvetra: no graphical display found (DISPLAY is not set); "
                   "start it from a desktop session.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    ui::prepareApplication(app);

    quiz::SystemClock clock;
    quiz::MixingRandomSource random = quiz::MixingRandomSource::fromEntropy();
    ui::DesktopPlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    return app.exec();
}
