// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displaycheck.h"
#include "quiz/clock.h"
#include "quiz/randomsource.h"
#include "ui/appsetup.h"
#include "ui/platform.h"
#include "ui/tavola.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Qt would abort with a toolkit message; say it plainly.
    if (!app::displayUsable()) {
        std::fputs(app::noDisplayMessage, stderr);
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
