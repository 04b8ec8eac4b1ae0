// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetcommand.h"
#include "quiz/clock.h"
#include "quiz/randomsource.h"
#include "ui/appsetup.h"
#include "ui/platform.h"
#include "ui/tavola.h"

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
    if (app::worksheetRequested(argc, argv))
        return app::worksheetMain(argc, argv);
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
