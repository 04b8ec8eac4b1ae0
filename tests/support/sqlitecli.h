// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// The sqlite3 command-line tool, a reader apart from Qt's driver, so a test
// checks the file itself rather than what the program believes it wrote.
inline bool sqliteCliFound()
{
    return !QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty();
}

// The rows of sql over the file, one a line, columns split by '|'.
inline QString sqliteCli(const QString &path, const QString &sql)
{
    QProcess process;
    process.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), path, sql});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}
