// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/assignmentcommand.h"
#include "app/displaycheck.h"

#include "format/echo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <optional>
#include <variant>

namespace app {
namespace {

const QString programName = QStringLiteral("solvetra");
const QString languageName = QStringLiteral("language");

QCommandLineOption languageOption()
{
    return {languageName,
            QCoreApplication::translate("commandline",
                                        "La lingua: it (italiano), de (tedesco), es (spagnolo), "
                                        "en (inglese). Per la finestra resta scelta anche dopo."),
            QStringLiteral("it|de|es|en")};
}

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

    QString text =
        QCoreApplication::translate("commandline", "Uso: %1 [opzioni]\n"
                                                   "Quiz sui teoremi di Euclide del triangolo "
                                                   "rettangolo.\n"
                                                   "Senza opzioni apre la finestra del quiz.\n\n"
                                                   "Opzioni:\n")
            .arg(programName);
    for (const QCommandLineOption &option : options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(namesColumn(option).leftJustified(width), option.description());
    text +=
        QCoreApplication::translate(
            "commandline", "\nValgono anche le opzioni proprie di Qt per la finestra, per esempio "
                           "-platform <nome>, -display <schermo> e -style <nome>; con --worksheet "
                           "non contano.\n"
                           "QT_SCALE_FACTOR vale da %1 a %2; un altro valore è ignorato.\n")
            .arg(minScaleFactor)
            .arg(maxScaleFactor);
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
    return printAndExit(QCoreApplication::translate(
                            "commandline", "%1: %2\nPer l'elenco delle opzioni: %1 --help\n")
                            .arg(programName, line),
                        true, usageErrorStatus);
}

QString keyOnlyWithWorksheet()
{
    return QCoreApplication::translate("commandline", "--%1 vale solo con --worksheet.")
        .arg(QStringLiteral("key"));
}

// The option an argument names, without its dashes and any "=value".
QString bareName(const QString &argument)
{
    const QString name = argument.section(u'=', 0, 0);
    return name.mid(name.startsWith(QStringLiteral("--")) ? 2 : 1);
}

bool takesValue(const QString &name, const QList<QCommandLineOption> &ownOptions)
{
    for (const QCommandLineOption &option : ownOptions)
        if (option.names().contains(name))
            return !option.valueName().isEmpty();
    return std::ranges::any_of(qtOptionsWithValue,
                               [&name](const char *qt) { return name == QLatin1String(qt); });
}

// The parser fails on an unknown option, on a value given to a switch, or on
// an option whose value is missing, which can only be the last argument.
CommandLineResult parseError(const QCommandLineParser &parser, const QStringList &arguments,
                             const QList<QCommandLineOption> &ownOptions)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return usageError(QCoreApplication::translate("commandline", "opzione sconosciuta: %1")
                              .arg(format::cut(typedForm(arguments, unknown.first()))));
    const QString last = arguments.value(arguments.size() - 1);
    if (last.startsWith(u'-') && !last.contains(u'=') && takesValue(bareName(last), ownOptions)) {
        if (isWorksheetOption(bareName(last)) || isQuestionFileOption(bareName(last)))
            return usageError(missingFileName(bareName(last)));
        return usageError(QCoreApplication::translate("commandline", "manca il valore dopo %1.")
                              .arg(format::echoed(last)));
    }
    return usageError(QCoreApplication::translate("commandline", "riga di comando non valida: %1")
                          .arg(format::echoed(arguments.mid(1).join(u' '))));
}

} // namespace

CommandLineResult parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("commandline", "Mostra questo aiuto ed esce."));
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("commandline", "Mostra la versione ed esce."));
    const QCommandLineOption teacherOption(
        QStringLiteral("teacher"),
        QCoreApplication::translate("commandline",
                                    "Apre la finestra dell'insegnante: compiti e risultati."));
    QList<QCommandLineOption> ownOptions{helpOption, versionOption, languageOption(),
                                         teacherOption};
    ownOptions += worksheetOptions();
    ownOptions += questionFileOptions();
    ownOptions += assignmentOptions();
    ownOptions += reportOptions();
    parser.addOptions(ownOptions);
    addQtOptions(parser);

    if (!parser.parse(arguments.isEmpty() ? QStringList{programName} : arguments))
        return parseError(parser, arguments, ownOptions);
    // Before the stray arguments: in "--worksheet --count 20" the 20 is
    // stray only because the file name is missing.
    std::optional<std::variant<WorksheetCommand, QString>> worksheet;
    if (worksheetRequested(parser)) {
        worksheet = readWorksheetCommand(parser);
        if (const QString *error = std::get_if<QString>(&*worksheet))
            return usageError(*error);
    }
    std::optional<std::variant<QuestionFileCommand, QString>> questionFiles;
    if (questionFileRequested(parser)) {
        // One run writes one thing: the worksheet and the question files
        // would each draw their own random seed. The line is filed with the
        // question files, apart from the help page's lines.
        if (worksheet)
            return usageError(QCoreApplication::translate(
                "questionfile", "--worksheet non va insieme a --moodle o --gift."));
        if (keyOptionGiven(parser))
            return usageError(keyOnlyWithWorksheet());
        questionFiles = readQuestionFileCommand(parser);
        if (const QString *error = std::get_if<QString>(&*questionFiles))
            return usageError(*error);
    }
    std::optional<std::variant<ReportCommand, QString>> report;
    if (reportRequested(parser)) {
        report = readReportCommand(parser);
        if (const QString *error = std::get_if<QString>(&*report))
            return usageError(*error);
    }
    std::optional<format::Language> language;
    if (parser.isSet(languageName)) {
        language = format::languageOfCode(parser.value(languageName));
        if (!language)
            return usageError(QCoreApplication::translate(
                                  "commandline", "--language vuole it, de, es o en, non %1.")
                                  .arg(format::echoed(parser.value(languageName))));
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("commandline", "argomento inatteso: %1")
                              .arg(format::echoed(parser.positionalArguments().first())));
    if (parser.isSet(helpOption))
        return printAndExit(helpText(ownOptions), false, 0);
    if (parser.isSet(versionOption))
        return printAndExit(QStringLiteral("%1 %2\n").arg(programName, version), false, 0);
    if (newAssignmentRequested(parser)) {
        auto assignment = readNewAssignment(parser);
        if (const QString *error = std::get_if<QString>(&assignment))
            return usageError(*error);
        return printAndExit(quiz::assignmentCode(std::get<quiz::Assignment>(assignment)) + u'\n',
                            false, 0);
    }
    if (worksheet) {
        CommandLineResult result;
        result.action = CommandLineResult::Action::WriteWorksheet;
        result.worksheet = std::get<WorksheetCommand>(std::move(*worksheet));
        result.language = language;
        return result;
    }
    if (questionFiles) {
        CommandLineResult result;
        result.action = CommandLineResult::Action::WriteQuestionFiles;
        result.questionFiles = std::get<QuestionFileCommand>(std::move(*questionFiles));
        result.language = language;
        return result;
    }
    if (report) {
        CommandLineResult result;
        result.action = CommandLineResult::Action::WriteReport;
        result.report = std::get<ReportCommand>(std::move(*report));
        result.language = language;
        return result;
    }
    if (const auto option = reportOnlyOptionGiven(parser))
        return usageError(QCoreApplication::translate("commandline", "--%1 vale solo con --report.")
                              .arg(*option));
    if (keyOptionGiven(parser))
        return usageError(keyOnlyWithWorksheet());
    if (const auto option = problemOptionGiven(parser))
        return usageError(QCoreApplication::translate("commandline",
                                                      "--%1 vale solo con --worksheet, --moodle "
                                                      "o --gift.")
                              .arg(*option));
    CommandLineResult window;
    window.teacher = parser.isSet(teacherOption);
    if (window.teacher && assignmentGiven(parser))
        // Filed apart from the help page's lines.
        return usageError(
            QCoreApplication::translate("app", "--assignment non va insieme a --teacher."));
    if (assignmentGiven(parser)) {
        auto assignment = readAssignmentCode(parser);
        if (const QString *error = std::get_if<QString>(&assignment))
            return usageError(*error);
        window.assignment = std::get<quiz::Assignment>(assignment);
    }
    window.platform = parser.value(QStringLiteral("platform"));
    window.display = parser.value(QStringLiteral("display"));
    window.language = language;
    return window;
}

std::optional<format::Language> askedLanguage(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(u'-') || bareName(argument) != languageName)
            continue;
        if (argument.contains(u'='))
            return format::languageOfCode(argument.section(u'=', 1));
        return format::languageOfCode(arguments.value(i + 1));
    }
    return std::nullopt;
}

} // namespace app
