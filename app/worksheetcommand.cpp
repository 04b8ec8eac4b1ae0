// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetcommand.h"

#include "app/assignmentcommand.h"
#include "app/commandline.h"
#include "app/headless.h"
#include "format/echo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace app {
namespace {

const QString worksheetOption = QStringLiteral("worksheet");
const QString countOption = QStringLiteral("count");
const QString theoremOption = QStringLiteral("theorem");
const QString seedOption = QStringLiteral("seed");
const QString keyOption = QStringLiteral("key");
const QString levelOption = QStringLiteral("level");

std::optional<quiz::TheoremChoice> theoremFromName(const QString &name)
{
    if (name == u"both")
        return quiz::TheoremChoice::Both;
    if (name == u"leg")
        return quiz::TheoremChoice::Leg;
    if (name == u"altitude")
        return quiz::TheoremChoice::Altitude;
    return std::nullopt;
}

std::optional<print::KeyPlacement> keyFromName(const QString &name)
{
    if (name == u"end")
        return print::KeyPlacement::End;
    if (name == u"separate")
        return print::KeyPlacement::Separate;
    if (name == u"none")
        return print::KeyPlacement::None;
    return std::nullopt;
}

} // namespace

bool isWorksheetOption(const QString &name)
{
    return name == worksheetOption;
}

QString missingFileName(const QString &option)
{
    return QCoreApplication::translate("worksheet",
                                       "manca il nome del file dopo --%1 (un nome che comincia "
                                       "con «-» va scritto ./-nome).")
        .arg(option);
}

// A name that begins with "-" is most likely an option typed where the name
// was missing; written "./-name" it is plainly a file.
std::optional<QString> outputPath(const QString &given, const QString &suffix)
{
    if (given.isEmpty() || given.startsWith(u'-'))
        return std::nullopt;
    // A folder keeps its name, so that it is refused as a folder rather
    // than a file written beside it.
    if (given.endsWith(suffix, Qt::CaseInsensitive) || given.endsWith(u'/') ||
        QFileInfo(given).isDir())
        return given;
    return given + suffix;
}

QList<QCommandLineOption> worksheetOptions()
{
    return {
        {worksheetOption,
         QCoreApplication::translate(
             "worksheet", "Scrive una scheda di esercizi in PDF, senza finestra; aggiunge "
                          ".pdf a un nome che non l'ha. Qui -platform non conta."),
         QStringLiteral("file.pdf")},
        {countOption,
         QCoreApplication::translate("worksheet", "Quanti problemi (da %1 a %2, di solito %3).")
             .arg(print::minProblemCount)
             .arg(print::maxProblemCount)
             .arg(print::defaultProblemCount),
         QStringLiteral("N")},
        {theoremOption,
         QCoreApplication::translate("worksheet", "Quale teorema: both (entrambi), leg (primo), "
                                                  "altitude (secondo)."),
         QStringLiteral("both|leg|altitude")},
        {seedOption,
         QCoreApplication::translate("worksheet", "Il seme: lo stesso seme dà la stessa scheda."),
         QStringLiteral("S")},
        {keyOption,
         QCoreApplication::translate("worksheet",
                                     "Le soluzioni: end (in fondo, di solito), separate "
                                     "(in NOME-soluzioni.pdf), none (nessuna)."),
         QStringLiteral("end|separate|none")},
        {levelOption,
         QCoreApplication::translate(
             "worksheet", "Il livello: 1 (un passo, di solito), 2 (tutti i lati), 3 (due passi). "
                          "Con --theorem, ai livelli 2 e 3 i problemi in cui un passo usa quel "
                          "teorema."),
         QStringLiteral("1|2|3")}};
}

bool worksheetRequested(const QCommandLineParser &parser)
{
    return parser.isSet(worksheetOption);
}

std::optional<QString> problemOptionGiven(const QCommandLineParser &parser)
{
    for (const QString &name : {countOption, theoremOption, seedOption, levelOption}) {
        if (parser.isSet(name))
            return name;
    }
    return std::nullopt;
}

bool keyOptionGiven(const QCommandLineParser &parser)
{
    return parser.isSet(keyOption);
}

std::variant<quiz::Assignment, QString> readProblemOptions(const QCommandLineParser &parser)
{
    quiz::Assignment problems;
    if (parser.isSet(countOption)) {
        bool ok = false;
        problems.count = parser.value(countOption).toInt(&ok);
        if (!ok || problems.count < print::minProblemCount ||
            problems.count > print::maxProblemCount)
            return QCoreApplication::translate("worksheet",
                                               "--count vuole un numero intero da %1 a %2, non %3.")
                .arg(print::minProblemCount)
                .arg(print::maxProblemCount)
                .arg(format::echoed(parser.value(countOption)));
    }
    if (parser.isSet(theoremOption)) {
        const auto choice = theoremFromName(parser.value(theoremOption));
        if (!choice)
            return QCoreApplication::translate("worksheet",
                                               "--theorem vuole both, leg o altitude, non %1.")
                .arg(format::echoed(parser.value(theoremOption)));
        problems.theorem = *choice;
    }
    if (parser.isSet(levelOption)) {
        bool ok = false;
        const auto level = quiz::levelOfNumber(parser.value(levelOption).toInt(&ok));
        if (!ok || !level)
            return QCoreApplication::translate("worksheet", "--level vuole 1, 2 o 3, non %1.")
                .arg(format::echoed(parser.value(levelOption)));
        problems.level = *level;
    }
    if (quiz::problemsOffered(problems.level, problems.theorem) == 0)
        return QCoreApplication::translate("worksheet",
                                           "il livello %1 non offre problemi con --theorem %2.")
            .arg(int(problems.level))
            .arg(format::echoed(parser.value(theoremOption)));
    if (parser.isSet(seedOption)) {
        bool ok = false;
        problems.seed = parser.value(seedOption).toUInt(&ok);
        if (!ok)
            return QCoreApplication::translate(
                       "worksheet", "--seed vuole un numero intero da 0 a 4294967295, non %1.")
                .arg(format::echoed(parser.value(seedOption)));
    } else {
        problems.seed = print::randomSeed();
    }
    return problems;
}

std::variant<print::WorksheetRequest, QString> readSheetProblems(const QCommandLineParser &parser)
{
    // The code holds the problems whole; options that say them again could
    // only contradict it.
    std::variant<quiz::Assignment, QString> problems;
    if (assignmentGiven(parser)) {
        if (const auto name = problemOptionGiven(parser))
            return QCoreApplication::translate(
                       "worksheet", "--%1 non va con --assignment: il codice dice già il "
                                    "livello, il teorema, i problemi e il seme.")
                .arg(*name);
        problems = readAssignmentCode(parser);
    } else {
        problems = readProblemOptions(parser);
    }
    if (const QString *error = std::get_if<QString>(&problems))
        return *error;
    print::WorksheetRequest request = print::sheetOf(std::get<quiz::Assignment>(problems));
    request.mark =
        assignmentGiven(parser) ? print::SheetMark::AssignmentCode : print::SheetMark::Seed;
    return request;
}

std::variant<WorksheetCommand, QString> readWorksheetCommand(const QCommandLineParser &parser)
{
    WorksheetCommand command;
    const auto path = outputPath(parser.value(worksheetOption), QStringLiteral(".pdf"));
    if (!path)
        return missingFileName(worksheetOption);
    command.path = *path;
    auto request = readSheetProblems(parser);
    if (const QString *error = std::get_if<QString>(&request))
        return *error;
    command.request = std::get<print::WorksheetRequest>(request);
    if (parser.isSet(keyOption)) {
        const auto key = keyFromName(parser.value(keyOption));
        if (!key)
            return QCoreApplication::translate("worksheet",
                                               "--key vuole end, separate o none, non %1.")
                .arg(format::echoed(parser.value(keyOption)));
        command.request.key = *key;
    }
    return command;
}

int runWorksheetCommand(int argc, char *argv[], const WorksheetCommand &command)
{
    const HeadlessApplication application(argc, argv);
    if (const auto error = print::writeWorksheetPdf(command.path, command.request)) {
        std::fputs(qPrintable(QStringLiteral("solvetra: ") + *error + QStringLiteral(".\n")),
                   stderr);
        return usageErrorStatus;
    }
    return 0;
}

} // namespace app
