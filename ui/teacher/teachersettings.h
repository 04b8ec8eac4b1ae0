// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace ui::teacher {

// An assignment this teacher made, as the teacher's settings keep it.
struct MadeAssignment
{
    QString code;
    QDate made;
};

// The assignments made on this account, oldest first.
QList<MadeAssignment> madeAssignments();
// Adds one (a code already kept is kept once, with its first date).
void rememberAssignment(const MadeAssignment &assignment);

// The school's server the teacher read last, as a URL without a password;
// empty when none was.
QString lastServer();
void rememberServer(const QString &url);

} // namespace ui::teacher
