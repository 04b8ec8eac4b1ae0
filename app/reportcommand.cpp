// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/reportcommand.h"

#include "app/assignmentcommand.h"
#include "app/commandline.h"
#include "app/headless.h"
#include "app/passwordprompt.h"
#include "format/echo.h"
#include "print/classreport.h"
#include "record/answerscsv.h"
#include "record/xlsxreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace app {
namespace {

const QString reportOption = QStringLiteral("report");
const QString recordsOption = QStringLiteral("records");
const QString fromOption = QStringLiteral("from");
const QString toOption = QStringLiteral("to");
const QString classOption = QStringLiteral("class");

// This file's texts, under its namespace's context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(app)
};

// Only our own lines should reach the teacher's terminal: a file's name
// or a pupil's text never moves the cursor or starts an escape sequence.
void printLine(const QString &line)
{
    std::fputs(qPrintable(QStringLiteral("solvetra: ") + format::printable(line) + u'\n'), stderr);
}

bool isCsv(const QString &path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

bool isXlsx(const QString &path)
{
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

std::optional<QString> readDate(const QCommandLineParser &parser, const QString &option,
                                QDate &date)
{
    if (!parser.isSet(option))
        return std::nullopt;
    date = QDate::fromString(parser.value(option), Qt::ISODate);
    if (!date.isValid())
        return Texts::tr("--%1 vuole una data come 2026-12-09, non %2.")
            .arg(option, format::echoed(parser.value(option)));
    return std::nullopt;
}

// Why there is nothing to report, or nothing when there is.
template <typename Read> std::optional<QString> nothingToReport(const Read &read, bool answered)
{
    if (read.files.isEmpty() && read.skipped.isEmpty())
        return Texts::tr("non ho trovato nessun file di risultati.");
    if (read.files.isEmpty())
        return read.skipped.first().reason;
    if (!answered)
        return Texts::tr("nessuna risposta nei file per il periodo e la classe chiesti.");
    return std::nullopt;
}

// What was left out, said before the report is written.
template <typename Read> void tellLeftOut(const Read &read)
{
    for (const record::SkippedFile &skipped : read.skipped)
        printLine(skipped.reason);
    if (read.discarded > 0)
        printLine(Texts::tr("righe scartate: %1").arg(read.discarded));
    for (const QString &clash : read.clashes)
        printLine(clash);
}

bool isPdf(const QString &path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

// Unset, glibc looks at /etc/localtime again at every local time it
// converts: a school's year of answers is millions of them. The report
// takes the zone once, as it is when it starts.
void fixLocalZone()
{
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
}

} // namespace

QList<QCommandLineOption> reportOptions()
{
    return {{reportOption,
             Texts::tr(
                 "Scrive il resoconto della classe in PDF, in CSV o come foglio di calcolo, senza "
                 "finestra."),
             QStringLiteral("file.pdf|file.csv|file.xlsx")},
            {recordsOption,
             Texts::tr("Un file di risultati, una cartella di file o un server "
                       "postgresql://utente@host/banca-dati; si può ripetere."),
             Texts::tr("percorso")},
            {fromOption, Texts::tr("Solo le risposte da questo giorno (AAAA-MM-GG)."),
             Texts::tr("data")},
            {toOption, Texts::tr("Solo le risposte fino a questo giorno (AAAA-MM-GG)."),
             Texts::tr("data")},
            {classOption, Texts::tr("Solo le risposte di questa classe."), Texts::tr("classe")}};
}

bool reportRequested(const QCommandLineParser &parser)
{
    return parser.isSet(reportOption);
}

std::optional<QString> reportOnlyOptionGiven(const QCommandLineParser &parser)
{
    for (const QString &name : {recordsOption, fromOption, toOption, classOption}) {
        if (parser.isSet(name))
            return name;
    }
    return std::nullopt;
}

std::variant<ReportCommand, QString> readReportCommand(const QCommandLineParser &parser)
{
    ReportCommand command;
    command.path = parser.value(reportOption);
    if (!isPdf(command.path) && !isCsv(command.path) && !isXlsx(command.path))
        return Texts::tr("--report vuole un file .pdf, .csv o .xlsx, non %1.")
            .arg(format::echoed(command.path));
    command.records = parser.values(recordsOption);
    if (command.records.isEmpty())
        return Texts::tr("--report vuole almeno un --records con i file di risultati.");
    if (auto error = readDate(parser, fromOption, command.filter.from))
        return *error;
    if (auto error = readDate(parser, toOption, command.filter.to))
        return *error;
    if (command.filter.from.isValid() && command.filter.to.isValid() &&
        command.filter.from > command.filter.to)
        return Texts::tr("--from viene dopo --to.");
    command.filter.className = parser.value(classOption);
    if (assignmentGiven(parser)) {
        auto assignment = readAssignmentCode(parser);
        if (const QString *error = std::get_if<QString>(&assignment))
            return *error;
        command.filter.assignment = quiz::assignmentCode(std::get<quiz::Assignment>(assignment));
    }
    return command;
}

int runReportCommand(int argc, char *argv[], const ReportCommand &command)
{
    fixLocalZone();
    const HeadlessApplication application(argc, argv);

    record::RecordReader reader(command.filter);
    reader.setServerPassword(askServerPassword(command.records));
    if (isPdf(command.path)) {
        // The figures alone: the rows stay where they are.
        const record::ReportFigures figures = reader.readFigures(command.records);
        if (const auto nothing = nothingToReport(figures, !figures.everyone.isEmpty())) {
            printLine(*nothing);
            return usageErrorStatus;
        }
        tellLeftOut(figures);
        if (const auto error = print::writeClassReportPdf(command.path, figures, command.filter)) {
            printLine(*error);
            return usageErrorStatus;
        }
        return 0;
    }
    if (isCsv(command.path)) {
        // Row after row as they come: no more held than a few of them.
        record::AnswersCsvWriter csv(command.path);
        if (const auto refusal = csv.open()) {
            printLine(*refusal);
            return usageErrorStatus;
        }
        qsizetype answers = 0;
        const record::RecordContents contents =
            reader.stream(command.records, [&](const record::AnswerRow &row) {
                ++answers;
                if (command.filter.assignment.isEmpty() ||
                    row.assignment == command.filter.assignment)
                    csv.add(row);
            });
        if (const auto nothing = nothingToReport(contents, answers > 0)) {
            printLine(*nothing);
            return usageErrorStatus;
        }
        tellLeftOut(contents);
        if (contents.cutShort) {
            printLine(Texts::tr("un file si è interrotto a metà lettura: non scrivo il CSV."));
            return usageErrorStatus;
        }
        if (csv.added() == 0) {
            printLine(Texts::tr("nessuna risposta al compito %1 nei file.")
                          .arg(command.filter.assignment));
            return usageErrorStatus;
        }
        if (const auto error = csv.commit()) {
            printLine(*error);
            return usageErrorStatus;
        }
        return 0;
    }
    const record::ReportFigures figures = reader.readFigures(command.records);
    if (const auto nothing = nothingToReport(figures, !figures.everyone.isEmpty())) {
        printLine(*nothing);
        return usageErrorStatus;
    }
    tellLeftOut(figures);
    if (!figures.hasCounted()) {
        printLine(
            Texts::tr("nessuna risposta al compito %1 nei file.").arg(command.filter.assignment));
        return usageErrorStatus;
    }
    // The sheets of sums from the figures, the answers' sheet row after row.
    const auto error = record::writeReportXlsx(command.path, figures, [&](const auto &take) {
        return !reader
                    .stream(figures.sources,
                            [&](const record::AnswerRow &row) {
                                if (command.filter.assignment.isEmpty() ||
                                    row.assignment == command.filter.assignment)
                                    take(row);
                            })
                    .cutShort;
    });
    if (error) {
        printLine(*error);
        return usageErrorStatus;
    }
    return 0;
}

} // namespace app
