// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetcommand.h"

#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace app {
namespace {

const QString worksheetOption = QStringLiteral("worksheet");
const QString countOption = QStringLiteral("count");
const QString theoremOption = QStringLiteral("theorem");
const QString seedOption = QStringLiteral("seed");
const QString keyOption = QStringLiteral("key");

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

// Qt's own notes about the session (a missing runtime folder and the like)
// mean nothing to a teacher at a terminal; only our one line should show.
void keepOnlySevereMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

} // namespace

QList<QCommandLineOption> worksheetOptions()
{
    return {{worksheetOption,
             QCoreApplication::translate("commandline", "Scrive una scheda di esercizi in PDF, senza finestra."),
             QStringLiteral("file.pdf")},
            {countOption,
             QCoreApplication::translate("commandline", "Quanti problemi (da %1 a %2, di solito %3).")
                 .arg(print::minProblemCount)
                 .arg(print::maxProblemCount)
                 .arg(print::defaultProblemCount),
             QStringLiteral("N")},
            {theoremOption,
             QCoreApplication::translate("commandline", "Quale teorema: both (entrambi), leg (primo), "
                                         "altitude (secondo)."),
             QStringLiteral("both|leg|altitude")},
            {seedOption, QCoreApplication::translate("commandline", "Il seme: lo stesso seme dà la stessa scheda."),
             QStringLiteral("S")},
            {keyOption,
             QCoreApplication::translate("commandline",
                                         "Le soluzioni: end (in fondo, di solito), separate "
                                         "(in NOME-soluzioni.pdf), none (nessuna)."),
             QStringLiteral("end|separate|none")}};
}

bool worksheetRequested(const QCommandLineParser &parser)
{
    return parser.isSet(worksheetOption);
}

std::optional<QString> worksheetOnlyOptionGiven(const QCommandLineParser &parser)
{
    for (const QString &name : {countOption, theoremOption, seedOption, keyOption}) {
        if (parser.isSet(name))
            return name;
    }
    return std::nullopt;
}

std::variant<WorksheetCommand, QString> readWorksheetCommand(const QCommandLineParser &parser)
{
    WorksheetCommand command;
    command.path = parser.value(worksheetOption);
    if (command.path.isEmpty())
        return QCoreApplication::translate("commandline", "--worksheet vuole il nome del file PDF da scrivere.");

    print::WorksheetRequest &request = command.request;
    if (parser.isSet(countOption)) {
        bool ok = false;
        request.count = parser.value(countOption).toInt(&ok);
        if (!ok || request.count < print::minProblemCount || request.count > print::maxProblemCount)
            return QCoreApplication::translate("commandline", "--count vuole un numero intero da %1 a %2, non «%3».")
                .arg(print::minProblemCount)
                .arg(print::maxProblemCount)
                .arg(parser.value(countOption));
    }
    if (parser.isSet(theoremOption)) {
        const auto choice = theoremFromName(parser.value(theoremOption));
        if (!choice)
            return QCoreApplication::translate("commandline", "--theorem vuole both, leg o altitude, non «%1».")
                .arg(parser.value(theoremOption));
        request.theorem = *choice;
    }
    if (parser.isSet(keyOption)) {
        const auto key = keyFromName(parser.value(keyOption));
        if (!key)
            return QCoreApplication::translate("commandline",
                                               "--key vuole end, separate o none, non «%1».")
                .arg(parser.value(keyOption));
        request.key = *key;
    }
    if (parser.isSet(seedOption)) {
        bool ok = false;
        request.seed = parser.value(seedOption).toUInt(&ok);
        if (!ok)
            return QCoreApplication::translate("commandline", "--seed vuole un numero intero da 0 a 4294967295, non «%1».")
                .arg(parser.value(seedOption));
    } else {
        request.seed = print::randomSeed();
    }
    return command;
}

int runWorksheetCommand(int argc, char *argv[], const WorksheetCommand &command)
{
    qInstallMessageHandler(keepOnlySevereMessages);
    // Painting text needs a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (const auto error = print::writeWorksheetPdf(command.path, command.request)) {
        std::fputs(qPrintable(QStringLiteral("solvetra: ") + *error + QStringLiteral(".\n")),
                   stderr);
        return usageErrorStatus;
    }
    return 0;
}

} // namespace app
