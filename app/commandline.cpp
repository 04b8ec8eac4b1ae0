// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace app {
namespace {

const QString programName = QStringLiteral("solvetra");

// Options that QGuiApplication and QApplication take out of argv themselves.
// The parser must know them so that "-platform offscreen" or "-style Fusion"
// pass through instead of being refused as unknown.
const char *const qtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "qwindowicon",
    "icon",
    "session",
    "display",
    "name",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
const char *const qtFlagOptions[] = {
    "reverse", "widgetcount", "testability", "nograb", "dograb", "sync",
};

void addQtOptions(QCommandLineParser &parser)
{
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("valore"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString namesColumn(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString column = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        column += QStringLiteral(" <%1>").arg(option.valueName());
    return column;
}

// QCommandLineParser::helpText() needs a QCoreApplication for the program name
// and for the Italian headings, and --help must work where no application
// object can be made (no display), so the page is laid out here.
QString helpText(const QList<QCommandLineOption> &options)
{
    qsizetype width = 0;
    for (const QCommandLineOption &option : options)
        width = std::max(width, namesColumn(option).size());

    QString text = QStringLiteral("Uso: %1 [opzioni]\n"
                                  "Quiz sui teoremi di Euclide del triangolo rettangolo.\n"
                                  "Senza opzioni apre la finestra del quiz.\n\n"
                                  "Opzioni:\n")
                       .arg(programName);
    for (const QCommandLineOption &option : options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(namesColumn(option).leftJustified(width), option.description());
    text += QStringLiteral("\nValgono anche le opzioni proprie di Qt, per esempio "
                           "-platform <nome> e -style <nome>.\n");
    return text;
}

// The unknown option as the user typed it, dashes included, for the message.
QString typedForm(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        const QString bare = argument.section(QLatin1Char('='), 0, 0);
        if (bare.startsWith(QLatin1Char('-')) &&
            QStringView(bare).mid(bare.startsWith(QStringLiteral("--")) ? 2 : 1) == name)
            return bare;
    }
    return QStringLiteral("--") + name;
}

CommandLineResult printAndExit(const QString &text, bool toStandardError, int exitStatus)
{
    CommandLineResult result;
    result.action = CommandLineResult::Action::PrintAndExit;
    result.output = text;
    result.toStandardError = toStandardError;
    result.exitStatus = exitStatus;
    return result;
}

CommandLineResult usageError(const QString &line)
{
    return printAndExit(
        QStringLiteral("%1: %2\nPer l'elenco delle opzioni: %1 --help\n").arg(programName, line),
        true, usageErrorStatus);
}

} // namespace

CommandLineResult parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Mostra questo aiuto ed esce."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Mostra la versione ed esce."));
    QList<QCommandLineOption> ownOptions{helpOption, versionOption};
    ownOptions += worksheetOptions();
    parser.addOptions(ownOptions);
    addQtOptions(parser);

    if (!parser.parse(arguments.isEmpty() ? QStringList{programName} : arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(QStringLiteral("opzione sconosciuta: %1")
                                  .arg(typedForm(arguments, unknown.first())));
        return usageError(QStringLiteral("riga di comando non valida: %1")
                              .arg(arguments.mid(1).join(QLatin1Char(' '))));
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().first()));
    if (parser.isSet(helpOption))
        return printAndExit(helpText(ownOptions), false, 0);
    if (parser.isSet(versionOption))
        return printAndExit(QStringLiteral("%1 %2\n").arg(programName, version), false, 0);
    if (worksheetRequested(parser)) {
        auto command = readWorksheetCommand(parser);
        if (const QString *error = std::get_if<QString>(&command))
            return usageError(*error);
        CommandLineResult result;
        result.action = CommandLineResult::Action::WriteWorksheet;
        result.worksheet = std::get<WorksheetCommand>(std::move(command));
        return result;
    }
    if (const auto option = worksheetOnlyOptionGiven(parser))
        return usageError(
            QCoreApplication::translate("commandline", "--%1 vale solo con --worksheet.")
                .arg(*option));
    CommandLineResult window;
    window.platform = parser.value(QStringLiteral("platform"));
    return window;
}

} // namespace app
