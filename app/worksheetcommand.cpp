// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetcommand.h"

#include "print/worksheet.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <optional>

namespace app {
namespace {

constexpr int usageError = 2;

const QString worksheetOption = QStringLiteral("worksheet");
const QString countOption = QStringLiteral("count");
const QString theoremOption = QStringLiteral("theorem");
const QString seedOption = QStringLiteral("seed");

int fail(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("solvetra: ") + message + u'\n'), stderr);
    return usageError;
}

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

} // namespace

bool worksheetRequested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--worksheet") == 0 ||
            std::strncmp(argv[i], "--worksheet=", 12) == 0)
            return true;
    }
    return false;
}

void addWorksheetOptions(QCommandLineParser &parser)
{
    parser.addOption({worksheetOption,
                      QStringLiteral("Scrive una scheda di esercizi in PDF, senza finestra."),
                      QStringLiteral("file.pdf")});
    parser.addOption({countOption,
                      QStringLiteral("Quanti problemi (da %1 a %2, di solito %3).")
                          .arg(print::minProblemCount)
                          .arg(print::maxProblemCount)
                          .arg(print::defaultProblemCount),
                      QStringLiteral("N")});
    parser.addOption({theoremOption,
                      QStringLiteral("Quale teorema: both (entrambi), leg (primo), "
                                     "altitude (secondo)."),
                      QStringLiteral("both|leg|altitude")});
    parser.addOption({seedOption, QStringLiteral("Il seme: lo stesso seme dà la stessa scheda."),
                      QStringLiteral("S")});
}

int runWorksheetCommand(const QCommandLineParser &parser)
{
    const QString path = parser.value(worksheetOption);
    if (path.isEmpty())
        return fail(QStringLiteral("--worksheet vuole il nome del file PDF da scrivere."));
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("argomento inatteso «%1».")
                        .arg(parser.positionalArguments().constFirst()));

    print::WorksheetRequest request;
    if (parser.isSet(countOption)) {
        bool ok = false;
        request.count = parser.value(countOption).toInt(&ok);
        if (!ok || request.count < print::minProblemCount || request.count > print::maxProblemCount)
            return fail(QStringLiteral("--count vuole un numero intero da %1 a %2, non «%3».")
                            .arg(print::minProblemCount)
                            .arg(print::maxProblemCount)
                            .arg(parser.value(countOption)));
    }
    if (parser.isSet(theoremOption)) {
        const auto choice = theoremFromName(parser.value(theoremOption));
        if (!choice)
            return fail(QStringLiteral("--theorem vuole both, leg o altitude, non «%1».")
                            .arg(parser.value(theoremOption)));
        request.theorem = *choice;
    }
    if (parser.isSet(seedOption)) {
        bool ok = false;
        request.seed = parser.value(seedOption).toUInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed vuole un numero intero da 0 a 4294967295, "
                                       "non «%1».")
                            .arg(parser.value(seedOption)));
    } else {
        request.seed = print::randomSeed();
    }

    if (const auto error = print::writeWorksheetPdf(path, request))
        return fail(*error + u'.');
    return 0;
}

// Qt's own notes about the session (a missing runtime folder and the like)
// mean nothing to a teacher at a terminal; only our one line should show.
static void keepOnlySevereMessages(QtMsgType type, const QMessageLogContext &,
                                   const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

int worksheetMain(int argc, char *argv[])
{
    qInstallMessageHandler(keepOnlySevereMessages);
    // Painting text needs a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    addWorksheetOptions(parser);
    if (!parser.parse(application.arguments()))
        return fail(QStringLiteral("riga di comando non valida: %1").arg(parser.errorText()));
    return runWorksheetCommand(parser);
}

} // namespace app
