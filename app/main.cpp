// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/identity.h"
#include "ui/window/program.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    app::applyIdentity();
    // Read before any display is needed, so --help and --version work anywhere.
    const app::CommandLineResult command =
        app::parseCommandLine(argumentsOf(argc, argv), QCoreApplication::applicationVersion());
    if (command.action == app::CommandLineResult::Action::PrintAndExit) {
        std::fputs(command.output.toLocal8Bit().constData(),
                   command.toStandardError ? stderr : stdout);
        return command.exitStatus;
    }
    if (command.action == app::CommandLineResult::Action::WriteWorksheet)
        return app::runWorksheetCommand(argc, argv, command.worksheet);

    // Qt would abort with a toolkit message; say it plainly. A -platform on
    // the command line outranks QT_QPA_PLATFORM, as it does for Qt.
    const std::string platformName = command.platform.toStdString();
    const auto environment = [&platformName](const char *name) {
        if (!platformName.empty() && std::string_view(name) == "QT_QPA_PLATFORM")
            return platformName;
        return app::processEnvironment(name);
    };
    if (!app::displayUsable(environment)) {
        std::fputs(app::noDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    ui::Program program(app);
    program.window().start();
    return app.exec();
}
