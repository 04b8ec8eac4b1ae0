// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/schema.h"

#include "record/answercolumns.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace record {

namespace {

// Step k takes a file from version k to k + 1. Never edit a step once it
// has shipped: files in the pupils' accounts went through it as it was.
const std::array<QStringList, schemaVersion> steps = {
    QStringList{
        QStringLiteral("CREATE TABLE session (id INTEGER PRIMARY KEY, started TEXT NOT NULL,"
                       " ended TEXT, level INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE answer (id INTEGER PRIMARY KEY,"
                       " session INTEGER REFERENCES session(id), at TEXT NOT NULL,"
                       " pupil TEXT NOT NULL, class TEXT NOT NULL, level INTEGER NOT NULL,"
                       " kind TEXT NOT NULL, m INTEGER NOT NULL, n INTEGER NOT NULL,"
                       " given1 REAL NOT NULL, given2 REAL NOT NULL, asked TEXT NOT NULL,"
                       " expected REAL NOT NULL, typed TEXT NOT NULL, right INTEGER NOT NULL,"
                       " seconds REAL NOT NULL, solution_opened INTEGER NOT NULL DEFAULT 0)"),
    },
    // The class report picks answers by date over thousands of rows.
    QStringList{
        QStringLiteral("CREATE INDEX answer_at ON answer (at)"),
    },
    // Answers go on to the school's server: each carries an id of its own,
    // so one sent twice is kept once, and a mark of whether it went. Rows
    // already there get random ids in the same form as QUuid's.
    QStringList{
        QStringLiteral("ALTER TABLE answer ADD COLUMN uuid TEXT"),
        QStringLiteral("ALTER TABLE answer ADD COLUMN sent INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("UPDATE answer SET uuid = lower(hex(randomblob(16)))"),
        QStringLiteral("UPDATE answer SET uuid = substr(uuid, 1, 8) || '-' || substr(uuid, 9, 4)"
                       " || '-' || substr(uuid, 13, 4) || '-' || substr(uuid, 17, 4) || '-' ||"
                       " substr(uuid, 21)"),
        QStringLiteral("CREATE UNIQUE INDEX answer_uuid ON answer (uuid)"),
        QStringLiteral("CREATE INDEX answer_unsent ON answer (id) WHERE sent = 0"),
    },
    // An answer to an assignment's problem carries the assignment's code.
    QStringList{
        QStringLiteral("ALTER TABLE answer ADD COLUMN assignment TEXT NOT NULL DEFAULT ''"),
    },
};

bool runStep(QSqlDatabase &db, int from)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    // Read again inside the lock: another copy of the program may have
    // migrated the file since we looked.
    if (versionOf(db) != from)
        return query.exec(QStringLiteral("COMMIT"));
    for (const QString &statement : steps[size_t(from)]) {
        if (!query.exec(statement)) {
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(from + 1)) ||
        !query.exec(QStringLiteral("COMMIT"))) {
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

// The steps must have made every column the program writes and reads.
bool hasEveryAnswerColumn(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM pragma_table_info('answer')")))
        return false;
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    for (const AnswerColumn &column : answerColumns()) {
        if (!present.contains(QLatin1String(column.name)))
            return false;
    }
    return true;
}

} // namespace

int versionOf(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

bool migrate(QSqlDatabase &db)
{
    for (int version = versionOf(db); version >= 0 && version < schemaVersion;
         version = versionOf(db)) {
        if (!runStep(db, version))
            return false;
    }
    return versionOf(db) == schemaVersion && hasEveryAnswerColumn(db);
}

} // namespace record
