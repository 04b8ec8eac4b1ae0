// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QStringList>
#include <QVariant>

#include <functional>
#include <span>

class QSqlQuery;

namespace record {

// How a column's value is kept: in the record file (SQLite), on the
// school's server (PostgreSQL) and in a CSV cell.
enum class ColumnType {
    Stamp, // local date and time to the millisecond
    Text,  // never NULL
    Integer,
    Real,
    Flag,    // 0 or 1 in the file, a boolean on the server, "sì"/"no" in a CSV
    AnswerId // the answer's own id, the same on every copy and server
};

// One column of an answer, the same in every place that keeps answers.
struct AnswerColumn
{
    const char *name; // in the record file and on the server
    ColumnType type;
    QVariant (*value)(const AnswerRow &row);             // as it is written
    void (*read)(AnswerRow &row, const QVariant &value); // as it is read back
    const char *csvHeader;      // for QT_TRANSLATE_NOOP("record", ...); nullptr: not in the CSV
    bool onServerAnswer = true; // false: the server keeps it in a table of its own
    int since = 1;              // the record's schema version that made it
};

// The columns of an answer, in the order in which the writer, the reader,
// the sender and the CSV take them. Adding one is adding a row here, a
// step in schema.cpp and a line in sql/school-server.sql.
std::span<const AnswerColumn> answerColumns();

// "at, pupil, ...": the columns for a SELECT or an INSERT, each through
// rename when given (a column an older file lacks, an expression).
QString answerColumnList(const std::function<QString(const AnswerColumn &)> &rename = {});
// The row's values in answerColumns()' order, for binding.
QVariantList answerValues(const AnswerRow &row);
// The row that query's current result holds from column first on, in
// answerColumns()' order.
AnswerRow answerFrom(const QSqlQuery &query, int first = 0);

// The type a column has on the school's server.
QString serverType(ColumnType type);

} // namespace record
