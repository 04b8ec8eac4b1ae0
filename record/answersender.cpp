// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answersender.h"

#include "record/answercolumns.h"
#include "record/recordfile.h"
#include "record/schema.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

#include <libpq-fe.h>

#include <memory>
#include <optional>
#include <vector>

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
// Qt's driver writes bound values into the statement's text, which other
// sessions of the role see in pg_stat_activity: libpq sends them apart.
QByteArray insertAnswer()
{
    QStringList names;
    QStringList parameters;
    for (const AnswerColumn &column : answerColumns()) {
        if (column.onServerAnswer)
            names << QStringLiteral("\"%1\"").arg(QLatin1String(column.name));
    }
    names << QStringLiteral("seq");
    for (qsizetype i = 1; i <= names.size(); ++i)
        parameters << QStringLiteral("$%1").arg(i);
    return QStringLiteral("INSERT INTO answer (%1) VALUES (%2) ON CONFLICT DO NOTHING")
        .arg(names.join(QStringLiteral(", ")), parameters.join(QStringLiteral(", ")))
        .toUtf8();
}

constexpr auto insertOpened =
    "INSERT INTO solution_opened (uuid) VALUES ($1) ON CONFLICT DO NOTHING";

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

PGconn *connectionOf(QSqlDatabase &db)
{
    // PGconn is libpq's name for struct pg_conn, which Qt's type names.
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.constData());
}

// The text PostgreSQL reads for value, in full precision.
QByteArray textOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    case QMetaType::Double:
        return QByteArray::number(value.toDouble(), 'g', 17);
    default:
        return value.toString().toUtf8();
    }
}

// Runs statement with values as parameters; an error as Qt's driver would
// give it, or nothing.
std::optional<QSqlError> execApart(PGconn *connection, const char *statement,
                                   const QVariantList &values)
{
    std::vector<QByteArray> texts;
    std::vector<const char *> parameters;
    texts.reserve(size_t(values.size()));
    for (const QVariant &value : values) {
        texts.push_back(textOf(value));
        parameters.push_back(texts.back().constData());
    }
    const std::unique_ptr<PGresult, decltype(&PQclear)> result(
        PQexecParams(connection, statement, int(parameters.size()), nullptr, parameters.data(),
                     nullptr, nullptr, 0),
        &PQclear);
    if (result && PQresultStatus(result.get()) == PGRES_COMMAND_OK)
        return std::nullopt;
    const QString message =
        QString::fromUtf8(result ? PQresultErrorMessage(result.get()) : PQerrorMessage(connection));
    const char *state = result ? PQresultErrorField(result.get(), PG_DIAG_SQLSTATE) : nullptr;
    return QSqlError(QString(), message, QSqlError::StatementError,
                     state ? QString::fromLatin1(state) : QString());
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
    PGconn *connection = connectionOf(server);
    std::optional<QSqlError> error;
    if (!connection || !server.transaction())
        error = server.lastError();
    const QByteArray insert = insertAnswer();
    for (qsizetype i = 0; !error && i < rows.size(); ++i) {
        error = execApart(connection, insert.constData(), rows.at(i).values);
        if (!error && rows.at(i).opened)
            error = execApart(connection, insertOpened, {rows.at(i).uuid});
    }
    if (!error && !server.commit())
        error = server.lastError();
    if (error) {
        server.rollback();
        m_problem = m_link.failed(*error);
        return -1;
    }
    // Were this to fail, the rows go again and the server keeps them once.
    markSent(file.database(), rows);
    return int(rows.size());
}

} // namespace record
