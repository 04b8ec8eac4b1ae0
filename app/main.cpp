// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/identity.h"
#include "app/schoolsettings.h"
#include "files/languagechoice.h"
#include "record/recordfile.h"
#include "ui/teacher/resultspage.h"
#include "ui/teacher/teacherwindow.h"
#include "ui/window/appsetup.h"
#include "ui/window/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A file name in bytes the system's encoding cannot read would be written
// under another name; refuse it instead.
bool allArgumentsDecode(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]).toLocal8Bit() != QByteArrayView(argv[i]))
            return false;
    }
    return true;
}

// A full disk or a closed pipe must not pass for success.
int written(const QString &text, FILE *stream, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    if (std::fflush(stream) == 0 && !std::ferror(stream))
        return status;
    if (stream != stderr) {
        const QString line = QCoreApplication::translate(
            "main", "solvetra: impossibile scrivere sullo standard output: %1\n");
        std::fputs(line.arg(QString::fromLocal8Bit(std::strerror(errno))).toLocal8Bit().constData(),
                   stderr);
    }
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[])
{
    app::applyIdentity();
    if (!allArgumentsDecode(argc, argv)) {
        std::fputs(qPrintable(QCoreApplication::translate(
                       "main", "solvetra: un argomento non è testo valido nella codifica del "
                               "sistema: scegli un nome di file senza quei caratteri.\n")),
                   stderr);
        return 2;
    }
    const QStringList arguments = argumentsOf(argc, argv);
    format::useLanguage(files::startLanguage(app::askedLanguage(arguments)));
    // Read before any display is needed, so --help and --version work
    // anywhere; a core application, gone before the real one, carries the
    // translators of the command line's texts.
    app::CommandLineResult command;
    std::string refusal;
    std::string scaleFactorLine;
    {
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        format::useLanguage(format::currentLanguage(), format::QtTexts::AsGiven);
        command = app::parseCommandLine(arguments, QCoreApplication::applicationVersion());
        if (command.action == app::CommandLineResult::Action::PrintAndExit)
            return written(command.output, command.toStandardError ? stderr : stdout,
                           command.exitStatus);
        if (command.action == app::CommandLineResult::Action::RunWindow) {
            refusal = app::displayRefusal(
                {command.platform.toStdString(), command.display.toStdString()});
            scaleFactorLine = refusal.empty() ? app::dropUnusableScaleFactor() : std::string();
        }
    }
    if (command.action == app::CommandLineResult::Action::WriteWorksheet)
        return app::runWorksheetCommand(argc, argv, command.worksheet);
    if (command.action == app::CommandLineResult::Action::WriteQuestionFiles)
        return app::runQuestionFileCommand(argc, argv, command.questionFiles);
    if (command.action == app::CommandLineResult::Action::WriteReport)
        return app::runReportCommand(argc, argv, command.report);

    if (!refusal.empty()) {
        std::fputs(refusal.c_str(), stderr);
        return EXIT_FAILURE;
    }
    std::fputs(scaleFactorLine.c_str(), stderr);
    if (command.language)
        files::rememberLanguage(*command.language);
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    app::releaseCheckedDisplay();
    if (command.teacher) {
        ui::prepareApplication(app);
        const record::SharePlaces places = app::readSchoolSettings().places;
        const QString &classCopy = places.classCopy;
        ui::teacher::TeacherWindow teacher(
            classCopy.isEmpty() ? QString() : QFileInfo(classCopy).absolutePath());
        // The settings name the pupils' way in; the teacher reads with the
        // teacher's role and password.
        record::ServerAddress server = places.server;
        if (server.user == u"solvetra_pupil")
            server.user = QStringLiteral("solvetra_teacher");
        server.password.clear();
        teacher.results()->setServerAddress(server);
        teacher.show();
        return app.exec();
    }
    ui::Program program(app);
    const app::SchoolSettings school = app::readSchoolSettings();
    for (const QString &warning : school.warnings)
        std::fputs(qPrintable(warning + u'\n'), stderr);
    program.window().keepRecord(record::defaultRecordPath(), school.places);
    if (command.assignment)
        program.window().openOnAssignment(*command.assignment);
    program.window().start();
    return app.exec();
}
