// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/teachersettings.h"

#include "files/settings.h"
#include "quiz/assignment.h"
#include "record/serveraddress.h"

#include <QStringList>

namespace ui::teacher {
namespace {

const QString assignmentsKey = QStringLiteral("teacher/assignments");
const QString serverKey = QStringLiteral("teacher/server");

} // namespace

QList<MadeAssignment> madeAssignments()
{
    QList<MadeAssignment> made;
    const QStringList kept = files::Settings::user().value(assignmentsKey).toStringList();
    for (const QString &entry : kept) {
        const QString code = entry.section(u' ', 0, 0);
        // A hand-edited file is not trusted: only codes that name an assignment.
        if (!quiz::assignmentOfCode(code))
            continue;
        made.append({code, QDate::fromString(entry.section(u' ', 1, 1), Qt::ISODate)});
    }
    return made;
}

void rememberAssignment(const MadeAssignment &assignment)
{
    QStringList kept = files::Settings::user().value(assignmentsKey).toStringList();
    for (const QString &entry : std::as_const(kept)) {
        if (entry.section(u' ', 0, 0) == assignment.code)
            return;
    }
    kept << assignment.code + u' ' + assignment.made.toString(Qt::ISODate);
    files::Settings::user().setValue(assignmentsKey, kept);
}

QString lastServer()
{
    const auto address =
        record::serverAddressOf(files::Settings::user().value(serverKey).toString());
    return address ? address->url() : QString();
}

void rememberServer(const QString &url)
{
    // Never a password a URL may carry: the settings are no place for it.
    if (const auto address = record::serverAddressOf(url))
        files::Settings::user().setValue(serverKey, address->url());
}

} // namespace ui::teacher
