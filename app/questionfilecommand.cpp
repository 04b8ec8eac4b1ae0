// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/questionfilecommand.h"

#include "app/commandline.h"
#include "app/headless.h"
#include "app/worksheetcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <tuple>

namespace app {
namespace {

const QString moodleOption = QStringLiteral("moodle");
const QString giftOption = QStringLiteral("gift");

} // namespace

QList<QCommandLineOption> questionFileOptions()
{
    return {{moodleOption,
             QCoreApplication::translate(
                 "questionfile", "Scrive i problemi della scheda come quiz per Moodle (formato "
                                 "Moodle XML, con le figure), senza finestra; aggiunge .xml a un "
                                 "nome che non l'ha. Vale con --count, --theorem, --seed e "
                                 "--level, o con --assignment."),
             QStringLiteral("file.xml")},
            {giftOption,
             QCoreApplication::translate(
                 "questionfile", "Scrive gli stessi problemi nel formato di testo GIFT, senza "
                                 "figure; aggiunge .gift a un nome che non l'ha."),
             QStringLiteral("file.gift")}};
}

bool questionFileRequested(const QCommandLineParser &parser)
{
    return parser.isSet(moodleOption) || parser.isSet(giftOption);
}

bool isQuestionFileOption(const QString &name)
{
    return name == moodleOption || name == giftOption;
}

std::variant<QuestionFileCommand, QString> readQuestionFileCommand(const QCommandLineParser &parser)
{
    QuestionFileCommand command;
    for (const auto &[option, suffix, path] :
         {std::tuple{moodleOption, QStringLiteral(".xml"), &command.files.moodlePath},
          std::tuple{giftOption, QStringLiteral(".gift"), &command.files.giftPath}}) {
        if (!parser.isSet(option))
            continue;
        const auto given = outputPath(parser.value(option), suffix);
        if (!given)
            return missingFileName(option);
        *path = *given;
    }
    auto request = readSheetProblems(parser);
    if (const QString *error = std::get_if<QString>(&request))
        return *error;
    command.request = std::get<print::WorksheetRequest>(request);
    return command;
}

int runQuestionFileCommand(int argc, char *argv[], const QuestionFileCommand &command)
{
    const HeadlessApplication application(argc, argv);
    const QString category =
        command.category.isEmpty() ? print::defaultCategory(command.request) : command.category;
    if (const auto error = print::writeQuestionFiles(command.files, command.request, category)) {
        std::fputs(qPrintable(QStringLiteral("solvetra: ") + *error + QStringLiteral(".\n")),
                   stderr);
        return usageErrorStatus;
    }
    return 0;
}

} // namespace app
