// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answersender.h"

#include "record/answercolumns.h"
#include "record/recordfile.h"
#include "record/schema.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

namespace record {

namespace {

constexpr int batchSize = 500;

// The answer's own columns, then the file's id: sent as the server's seq.
QString selectWaiting()
{
    return QStringLiteral("SELECT %1, id FROM answer WHERE sent = 0 ORDER BY id LIMIT %2")
        .arg(answerColumnList())
        .arg(batchSize);
}

// The server keeps whether the solution was opened in a table of its own.
QString insertAnswer()
{
    QStringList names;
    for (const AnswerColumn &column : answerColumns()) {
        if (column.onServerAnswer)
            names << QStringLiteral("\"%1\"").arg(QLatin1String(column.name));
    }
    names << QStringLiteral("seq");
    return QStringLiteral("INSERT INTO answer (%1) VALUES (?%2) ON CONFLICT DO NOTHING")
        .arg(names.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(names.size() - 1));
}

const QString insertOpened =
    QStringLiteral("INSERT INTO solution_opened (uuid) VALUES (?) ON CONFLICT DO NOTHING");

struct Waiting
{
    QVariantList values; // the server's columns, in insertAnswer's order
    QString uuid;
    bool opened = false;
    qint64 id = 0;
};

QList<Waiting> waitingIn(QSqlDatabase &db)
{
    QList<Waiting> rows;
    QSqlQuery query(db);
    if (!query.exec(selectWaiting()))
        return rows;
    const int idColumn = int(answerColumns().size());
    while (query.next()) {
        const AnswerRow answer = answerFrom(query);
        Waiting row;
        for (const AnswerColumn &column : answerColumns()) {
            if (!column.onServerAnswer)
                continue;
            const QVariant value = column.value(answer);
            row.values << (column.type == ColumnType::Flag ? QVariant(value.toInt() != 0) : value);
        }
        row.uuid = answer.uuid;
        row.opened = answer.solutionOpened;
        row.id = query.value(idColumn).toLongLong();
        row.values << row.id;
        rows << row;
    }
    return rows;
}

bool exec(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    return query.exec();
}

// Only rows whose solution flag is what was sent: one opened meanwhile
// goes again with its flag.
bool markSent(QSqlDatabase &db, const QList<Waiting> &rows)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    query.prepare(
        QStringLiteral("UPDATE answer SET sent = 1 WHERE id = ? AND solution_opened = ?"));
    for (const Waiting &row : rows) {
        if (!exec(query, {row.id, row.opened ? 1 : 0})) {
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return query.exec(QStringLiteral("COMMIT"));
}

} // namespace

AnswerSender::AnswerSender(QString recordPath, const ServerAddress &server)
    : m_recordPath(std::move(recordPath)), m_link(server)
{
}

bool AnswerSender::sendWaiting()
{
    for (;;) {
        const int sent = sendBatch();
        if (sent < 0)
            return false;
        m_problem = ServerProblem::None;
        if (sent < batchSize)
            return true;
    }
}

int AnswerSender::sendBatch()
{
    if (!QFileInfo(m_recordPath).isFile())
        return 0;
    RecordFile file(m_recordPath, RecordFile::Mode::Write);
    if (file.state() != FileState::Ready)
        return 0; // the writer says what is wrong with the file
    const QList<Waiting> rows = waitingIn(file.database());
    if (rows.isEmpty())
        return 0;
    if (!m_link.open()) {
        m_problem = m_link.problem();
        return -1;
    }
    QSqlDatabase &server = m_link.database();
    // The sends share the record's thread with the pupil's answers: a server
    // that stalls gives up the batch, which goes again later, rather than
    // hold the writing up.
    QSqlQuery(server).exec(QStringLiteral("SET statement_timeout = '10s'"));
    bool sent = server.transaction();
    QSqlQuery answer(server);
    QSqlQuery opened(server);
    sent = sent && answer.prepare(insertAnswer()) && opened.prepare(insertOpened);
    for (qsizetype i = 0; sent && i < rows.size(); ++i) {
        sent = exec(answer, rows.at(i).values) &&
               (!rows.at(i).opened || exec(opened, {rows.at(i).uuid}));
    }
    if (!sent || !server.commit()) {
        const QSqlError error = answer.lastError().isValid()   ? answer.lastError()
                                : opened.lastError().isValid() ? opened.lastError()
                                                               : server.lastError();
        server.rollback();
        m_problem = m_link.failed(error);
        return -1;
    }
    // Were this to fail, the rows go again and the server keeps them once.
    markSent(file.database(), rows);
    return int(rows.size());
}

} // namespace record
