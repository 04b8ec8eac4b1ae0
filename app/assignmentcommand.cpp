// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/assignmentcommand.h"

#include "app/worksheetcommand.h"
#include "format/echo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {
namespace {

const QString newAssignmentOption = QStringLiteral("new-assignment");
const QString assignmentOption = QStringLiteral("assignment");

QString tr(const char *text)
{
    return QCoreApplication::translate("app", text);
}

} // namespace

QList<QCommandLineOption> assignmentOptions()
{
    return {{newAssignmentOption,
             tr("Scrive il codice di un compito fatto dei problemi che chiedono --level, "
                "--theorem, --count e --seed, senza finestra.")},
            {assignmentOption,
             tr("Il codice di un compito: la finestra pone i suoi problemi; con --worksheet "
                "ne scrive la scheda."),
             tr("codice")}};
}

bool newAssignmentRequested(const QCommandLineParser &parser)
{
    return parser.isSet(newAssignmentOption);
}

bool assignmentGiven(const QCommandLineParser &parser)
{
    return parser.isSet(assignmentOption);
}

std::variant<quiz::Assignment, QString> readAssignmentCode(const QCommandLineParser &parser)
{
    const QString typed = parser.value(assignmentOption);
    if (const auto assignment = quiz::assignmentOfCode(typed))
        return *assignment;
    return QStringLiteral("%1: %2.").arg(quiz::invalidAssignmentCode(), format::echoed(typed));
}

std::variant<quiz::Assignment, QString> readNewAssignment(const QCommandLineParser &parser)
{
    for (const QString &other :
         {QStringLiteral("worksheet"), QStringLiteral("moodle"), QStringLiteral("gift"),
          QStringLiteral("report"), assignmentOption, QStringLiteral("key")}) {
        if (parser.isSet(other))
            return tr("--new-assignment non va con --%1.").arg(other);
    }
    return readProblemOptions(parser);
}

} // namespace app
