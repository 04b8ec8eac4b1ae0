// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordreader.h"

#include "format/echo.h"
#include "record/answercolumns.h"
#include "record/recordfile.h"
#include "record/reportfigures.h"
#include "record/schema.h"
#include "record/serverlink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QUuid>
#include <QVariantList>

#include <cmath>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace record {

namespace {

QString reasonFor(FileState state, const QString &path)
{
    const QString name = format::cut(QDir::toNativeSeparators(path));
    switch (state) {
    case FileState::Damaged:
        return QCoreApplication::translate("record", "«%1» è danneggiato e non si può leggere.")
            .arg(name);
    case FileState::NotRecord:
        return QCoreApplication::translate("record", "«%1» non è un file di risultati di Solvetra.")
            .arg(name);
    case FileState::Newer:
        return QCoreApplication::translate(
                   "record", "«%1» è di una versione più recente di Solvetra e non si può leggere.")
            .arg(name);
    case FileState::Ready:
    case FileState::Unwritable:
        break;
    }
    return QCoreApplication::translate("record", "Non riesco ad aprire «%1».").arg(name);
}

// SQLite's own files beside a record, and a copy still being made
// (recordcopy.h) or left by a share that went away during it.
bool isSideFile(const QString &name)
{
    static const QRegularExpression partOfCopy(QStringLiteral("\\.part-[A-Za-z0-9]+$"));
    return name.endsWith(QLatin1String("-wal")) || name.endsWith(QLatin1String("-shm")) ||
           name.endsWith(QLatin1String("-journal")) || partOfCopy.match(name).hasMatch();
}

// The WHERE clause of the filter on the column that holds the time, and its
// values in order.
QString whereOf(const RecordFilter &filter, const QString &timeColumn, bool byClass,
                QVariantList &values)
{
    QStringList conditions;
    if (filter.from.isValid()) {
        conditions << timeColumn + QStringLiteral(" >= ?");
        values << filter.from.toString(Qt::ISODate);
    }
    if (filter.to.isValid()) {
        // Times are stored as ISO text, so the day after sorts after every
        // time of the last day.
        conditions << timeColumn + QStringLiteral(" < ?");
        values << filter.to.addDays(1).toString(Qt::ISODate);
    }
    if (byClass && !filter.className.isEmpty()) {
        conditions << QStringLiteral("class = ?");
        values << filter.className;
    }
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(u" AND ");
}

bool run(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    if (!query.prepare(statement))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

// A cursor cannot be declared by a prepared statement: the values go in as
// literals, quoted by the driver itself.
QString withLiterals(const QSqlDatabase &db, QString sql, const QVariantList &values)
{
    qsizetype at = 0;
    for (const QVariant &value : values) {
        at = sql.indexOf(u'?', at);
        QSqlField field(QString(), QMetaType(QMetaType::QString));
        field.setValue(value.toString());
        const QString literal = db.driver()->formatValue(field);
        sql.replace(at, 1, literal);
        at += literal.size();
    }
    return sql;
}

// A file's column as the reader takes it: a text no longer than a name may
// be and one character more, to tell a cut one; a number only when it is one.
QString textColumn(const QString &column)
{
    return QStringLiteral("substr(\"%1\", 1, %2)").arg(column).arg(maxNameLength + 1);
}

QString numberColumn(const QString &column)
{
    return QStringLiteral("CASE WHEN typeof(\"%1\") IN ('integer', 'real') THEN \"%1\" END")
        .arg(column);
}

bool isFigure(const QVariant &value, double low, double high)
{
    const double figure = value.toDouble();
    return !value.isNull() && std::isfinite(figure) && figure >= low && figure <= high;
}

// What no answer can hold: a time before the program or after today, a
// level it does not have, a negative or endless time, a length of nothing.
bool isPossible(const QVariantList &values, const QDateTime &when, const QDateTime &latest)
{
    constexpr double day = 24 * 60 * 60;
    return when.isValid() && when.date().year() >= 2000 && when <= latest &&
           isFigure(values[3], 1, 3) && isFigure(values[5], 1, 1000) &&
           isFigure(values[6], 1, 1000) && isFigure(values[7], 0.001, 1e6) &&
           isFigure(values[8], 0.001, 1e6) && isFigure(values[10], 0.001, 1e6) &&
           isFigure(values[12], 0, 1) && isFigure(values[13], 0, day) && isFigure(values[14], 0, 1);
}

// The row, or nothing when it holds what no answer can, from its values in
// answerColumns()' order.
// latest: a day after the read began, the latest time an answer may have.
std::optional<AnswerRow> answerOf(const QVariantList &values, const QDateTime &latest)
{
    const std::span<const AnswerColumn> columns = answerColumns();
    AnswerRow row;
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i].read(row, values[qsizetype(i)]);
    if (!isPossible(values, row.when, latest))
        return std::nullopt;
    // Texts cut, and none left null: an empty name is still a name.
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].type != ColumnType::Text)
            continue;
        const QString text = columns[i].value(row).toString();
        if (text.size() > maxNameLength || values[qsizetype(i)].toString().isNull())
            columns[i].read(row, cutName(text));
    }
    return row;
}

// Whether two copies of one answer agree; the solution may have been
// opened after the older copy was made.
bool sameAnswer(const AnswerRow &a, const AnswerRow &b)
{
    return a.when == b.when && a.pupil == b.pupil && a.className == b.className &&
           a.level == b.level && a.kind == b.kind && a.m == b.m && a.n == b.n &&
           a.given1 == b.given1 && a.given2 == b.given2 && a.asked == b.asked &&
           a.expected == b.expected && a.typed == b.typed && a.right == b.right &&
           a.seconds == b.seconds;
}

// A name as a role's name spells it: "Zoë D'Amico" and "zoe.damico" agree.
QString spelled(const QString &name)
{
    QString letters;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD).toLower()) {
        if (c.isLetterOrNumber())
            letters.append(c);
    }
    return letters;
}

// The server knows who sent each answer: where the name says another, the
// teacher sees the sender beside it, and the two are counted apart.
// Remembers the names it has shown: a school's year is a few thousand
// pupils and senders, each spelled out again for every answer otherwise.
class SenderMarks
{
public:
    void mark(AnswerRow &row, const QString &sender)
    {
        const std::pair<QString, QString> key{row.pupil, sender};
        auto known = m_shown.constFind(key);
        if (known == m_shown.cend()) {
            if (m_shown.size() > 100'000)
                m_shown.clear();
            known = m_shown.insert(key, shownPupil(row.pupil, sender));
        }
        row.pupil = *known;
    }

private:
    QHash<std::pair<QString, QString>, QString> m_shown;
};

QString joined(const QString &where, const QString &condition)
{
    if (condition.isEmpty())
        return where;
    return (where.isEmpty() ? QStringLiteral(" WHERE ") : where + QStringLiteral(" AND ")) +
           condition;
}

// A number within bounds: a unary plus takes the column's affinity away, so
// a text or a blob, which sorts after every number, is never between them.
QString isNumber(const QString &column, const char *low, const char *high)
{
    return QStringLiteral("+\"%1\" BETWEEN %2 AND %3")
        .arg(column, QLatin1String(low), QLatin1String(high));
}

// The answers of a file the sums take, in the columns they name: what
// answerOf() keeps, told by SQL.
// timeChecked: by SQL; else the reader tells a time with isRecordTime().
QString fileAnswers(int version, const QString &where, bool timeChecked = true)
{
    // A text no longer than a name may be and one character more; cut only
    // when longer, since substr() copies every text it hands on.
    const auto text = [](const char *column) {
        return QStringLiteral("CASE WHEN length(%1) > 61 THEN substr(%1, 1, 61) ELSE %1 END")
            .arg(QLatin1String(column));
    };
    const QString assignment = version < 4 ? QStringLiteral("''") : text("assignment");
    const QString id = version < 3 ? QStringLiteral("NULL") : text("uuid");
    QStringList possible{
        isNumber(QStringLiteral("level"), "1", "3"), isNumber(QStringLiteral("m"), "1", "1000"),
        isNumber(QStringLiteral("n"), "1", "1000"),
        isNumber(QStringLiteral("given1"), "0.001", "1e6"),
        isNumber(QStringLiteral("given2"), "0.001", "1e6"),
        isNumber(QStringLiteral("expected"), "0.001", "1e6"),
        isNumber(QStringLiteral("right"), "0", "1"),
        isNumber(QStringLiteral("seconds"), "0", "86400"),
        isNumber(QStringLiteral("solution_opened"), "0", "1"),
        // A time: what strftime() writes back unchanged, here or by isRecordTime().
        QStringLiteral("typeof(at) = 'text' AND ") +
            (timeChecked ? QStringLiteral("strftime('%Y-%m-%dT%H:%M:%f', at) = at AND ")
                         : QString()) +
            QStringLiteral("at >= '2000-01-01' AND at <= ?")};
    return QStringLiteral("SELECT ") + text("class") + QStringLiteral(" AS c, ") + text("pupil") +
           QStringLiteral(" AS p, '' AS s, ") + text("kind") +
           QStringLiteral(" AS kind, CAST(level AS INTEGER) AS level, "
                          "CAST(m AS INTEGER) AS m, CAST(n AS INTEGER) AS n, "
                          "CASE WHEN \"right\" = 1 THEN 1 ELSE 0 END AS r, seconds AS secs, "
                          "at AS t, id AS o1, 0 AS o2, ") +
           assignment + QStringLiteral(" AS asg, ") + id + QStringLiteral(" AS u FROM answer") +
           joined(where, possible.join(QStringLiteral(" AND ")));
}

// What strftime('%Y-%m-%dT%H:%M:%f', at) gives back unchanged, told without
// SQLite's date functions, the dearest part of reading a file's answers: a
// real day of the Gregorian calendar, a time of day, milliseconds.
bool isRecordTime(QLatin1StringView text)
{
    static constexpr char shape[] = "0000-00-00T00:00:00.000";
    if (text.size() != qsizetype(sizeof shape) - 1)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i].toLatin1();
        if (shape[i] == '0' ? c < '0' || c > '9' : c != shape[i])
            return false;
    }
    const auto number = [&](qsizetype at, qsizetype digits) {
        int value = 0;
        for (qsizetype i = at; i < at + digits; ++i)
            value = value * 10 + (text[i].toLatin1() - '0');
        return value;
    };
    return QDate::isValid(number(0, 4), number(5, 2), number(8, 2)) && number(11, 2) < 24 &&
           number(14, 2) < 60 && number(17, 2) < 60;
}

// A row's values from the driver, each once: the driver converts a value
// anew each time it is asked for it.
const QVariantList &valuesOf(const QSqlQuery &query, QVariantList &values)
{
    values.resize(qsizetype(answerColumns().size()));
    for (qsizetype i = 0; i < values.size(); ++i)
        values[i] = query.value(int(i));
    return values;
}

// The server's rows a cursor hands over, a batch at a time; the next batch
// is asked for before this one is read, so that the server makes it
// meanwhile. Read through libpq itself: Qt's driver would make a value of
// every cell and wait for each batch.
class ServerBatches
{
public:
    explicit ServerBatches(const QSqlDatabase &db)
    {
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "pg_conn*") == 0)
            m_connection = *static_cast<PGconn *const *>(handle.constData());
        m_asked = m_connection && PQsendQuery(m_connection, fetch) == 1;
        if (!m_asked)
            m_failed = true;
    }
    ~ServerBatches()
    {
        PQclear(m_batch);
        if (m_asked)
            while (PGresult *left = PQgetResult(m_connection))
                PQclear(left);
    }
    ServerBatches(const ServerBatches &) = delete;
    ServerBatches &operator=(const ServerBatches &) = delete;

    bool next()
    {
        if (m_batch && ++m_row < PQntuples(m_batch))
            return true;
        PQclear(m_batch);
        m_batch = nullptr;
        if (!m_asked)
            return false;
        m_batch = PQgetResult(m_connection);
        while (PGresult *left = PQgetResult(m_connection))
            PQclear(left);
        m_asked = false;
        if (PQresultStatus(m_batch) != PGRES_TUPLES_OK) {
            m_error =
                QSqlError(QStringLiteral("FETCH"), QString::fromUtf8(PQresultErrorMessage(m_batch)),
                          QSqlError::StatementError,
                          QString::fromLatin1(PQresultErrorField(m_batch, PG_DIAG_SQLSTATE)));
            m_failed = true;
            return false;
        }
        m_row = 0;
        if (PQntuples(m_batch) == 0)
            return false;
        m_asked = PQsendQuery(m_connection, fetch) == 1;
        m_failed = !m_asked;
        return !m_failed;
    }
    bool failed() const { return m_failed; }
    QSqlError error() const
    {
        if (m_error.isValid() || !m_connection)
            return m_error;
        return QSqlError(QStringLiteral("FETCH"), QString::fromUtf8(PQerrorMessage(m_connection)),
                         QSqlError::ConnectionError);
    }

    // The cell as Qt's driver would give it, of the column's type.
    QVariant value(int column, ColumnType type) const
    {
        const char *text = PQgetvalue(m_batch, m_row, column);
        const QByteArray bytes = QByteArray::fromRawData(text, PQgetlength(m_batch, m_row, column));
        const bool null = PQgetisnull(m_batch, m_row, column);
        switch (type) {
        case ColumnType::Integer:
            return null ? QVariant(QMetaType(QMetaType::Int)) : QVariant(bytes.toInt());
        case ColumnType::Real:
            return null ? QVariant(QMetaType(QMetaType::Double)) : QVariant(bytes.toDouble());
        case ColumnType::Flag:
            return null ? QVariant(QMetaType(QMetaType::Bool)) : QVariant(bytes == "t");
        case ColumnType::Stamp:
        case ColumnType::Text:
        case ColumnType::AnswerId:
            break;
        }
        return null ? QVariant(QMetaType(QMetaType::QString)) : QVariant(QString::fromUtf8(bytes));
    }

private:
    static constexpr const char *fetch = "FETCH 20000 FROM report";
    PGconn *m_connection = nullptr;
    PGresult *m_batch = nullptr;
    int m_row = 0;
    bool m_asked = false;
    bool m_failed = false;
    QSqlError m_error;
};

// A statement run by SQLite itself on a file's connection: its texts read
// as the file keeps them, without a value made for each cell.
class FileRows
{
public:
    FileRows(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
    {
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return;
        sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
        const QByteArray statement = sql.toUtf8();
        if (!connection ||
            sqlite3_prepare_v2(connection, statement.constData(), int(statement.size()),
                               &m_statement, nullptr) != SQLITE_OK)
            return;
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QByteArray value = values[i].toString().toUtf8();
            if (sqlite3_bind_text(m_statement, int(i + 1), value.constData(), int(value.size()),
                                  SQLITE_TRANSIENT) != SQLITE_OK)
                return;
        }
        m_state = SQLITE_OK;
    }
    ~FileRows() { sqlite3_finalize(m_statement); }
    FileRows(const FileRows &) = delete;
    FileRows &operator=(const FileRows &) = delete;

    bool next()
    {
        if (m_state == SQLITE_OK || m_state == SQLITE_ROW)
            m_state = sqlite3_step(m_statement);
        return m_state == SQLITE_ROW;
    }
    // Every row was read, none failed.
    bool done() const { return m_state == SQLITE_DONE; }

    QUtf8StringView utf8(int column) const
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return {text, sqlite3_column_bytes(m_statement, column)};
    }
    QLatin1StringView latin1(int column) const
    {
        const QUtf8StringView text = utf8(column);
        return {text.data(), text.size()};
    }
    // Made anew only when the text differs from the one it holds; an empty
    // text is a text, as a name it is looked for again.
    void text(int column, QString &into) const
    {
        const QUtf8StringView text = utf8(column);
        if (into.isNull() || !QAnyStringView::equal(into, text))
            into = text.isEmpty() ? QStringLiteral("") : text.toString();
    }
    int integer(int column) const { return sqlite3_column_int(m_statement, column); }
    double real(int column) const { return sqlite3_column_double(m_statement, column); }

private:
    sqlite3_stmt *m_statement = nullptr;
    int m_state = SQLITE_ERROR;
};

QString serverAnswers(const QString &where)
{
    return QStringLiteral(
               "SELECT substr(a.class, 1, 61) AS c, substr(a.pupil, 1, 61) AS p, "
               "a.sender::text AS s, substr(a.kind, 1, 61) AS kind, a.level AS level, a.m AS m, "
               "a.n AS n, CASE WHEN a.\"right\" THEN 1 ELSE 0 END AS r, a.seconds AS secs, "
               "a.at AS t, a.seq AS o1, a.uuid AS o2, substr(a.assignment, 1, 61) AS asg, "
               "a.uuid::text AS u FROM answer a") +
           joined(where,
                  QStringLiteral("a.level BETWEEN 1 AND 3 AND a.m BETWEEN 1 AND 1000 AND a.n "
                                 "BETWEEN 1 AND 1000 AND a.given1 BETWEEN 0.001 AND 1e6 AND "
                                 "a.given2 BETWEEN 0.001 AND 1e6 AND a.expected BETWEEN 0.001 AND "
                                 "1e6 AND a.seconds BETWEEN 0 AND 86400 AND a.at >= '2000-01-01' "
                                 "AND a.at <= CAST(? AS timestamp)"));
}

QString serverStamp(const QString &column)
{
    return QStringLiteral("to_char(%1, 'YYYY-MM-DD\"T\"HH24:MI:SS.MS')").arg(column);
}

// A school's year of groups fits in this much: the server groups them in a
// hash, not in a sort spilled to disk (2.2 s against 0.75 s for 2 million
// answers). For the report's transaction alone.
QString sumsMemory()
{
    return QStringLiteral("SET LOCAL work_mem = '32MB'");
}

// The index of each pupil's answers in order grows by inserts to about
// twice its packed size, and with the default cost of a page read the
// server would rather sort the year (3.5 s against 2.0 s at 2 million).
QString indexReads()
{
    return QStringLiteral("SET LOCAL random_page_cost = 2");
}

// The latest time an answer may have, as the rows are told apart.
QString tomorrow()
{
    return QDateTime::currentDateTime().addDays(1).toString(Qt::ISODateWithMs);
}

} // namespace

QString shownPupil(const QString &pupil, const QString &sender)
{
    if (!sender.isEmpty() && !pupil.isEmpty() && spelled(sender) != spelled(pupil))
        return pupil + QStringLiteral(" [%1]").arg(cutName(sender));
    return pupil;
}

QString cutName(const QString &name)
{
    if (name.size() <= maxNameLength)
        return name;
    qsizetype kept = maxNameLength - 1;
    // Never split a character that takes two UTF-16 units.
    if (name.at(kept - 1).isHighSurrogate())
        --kept;
    return name.left(kept) + u'…';
}

bool RecordReader::isRecordName(const QString &name)
{
    return !isSideFile(name);
}

QStringList RecordReader::filesOf(const QString &path)
{
    if (isServerUrl(path) || !QFileInfo(path).isDir())
        return {path};
    QStringList files;
    const QDir folder(path);
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        if (!isSideFile(name))
            files << folder.filePath(name);
    }
    return files;
}

RecordContents RecordReader::read(const QStringList &paths) const
{
    RecordContents contents;
    SeenIds seen;                                    // answer ids, for a record copied twice
    QHash<std::pair<QString, QString>, int> clashes; // answers told apart, by pair of files
    QStringList files;
    for (const QString &path : paths)
        files += filesOf(path);
    // An answer on the server and in a file is the server's: the file's copy
    // goes.
    const bool anyFile =
        std::ranges::any_of(files, [](const QString &file) { return !isServerUrl(file); });
    QSet<QUuid> serverIds;
    QList<std::pair<qsizetype, qsizetype>> serverRows; // from, to
    for (qsizetype i = 0; i < files.size() && !stopped(); ++i) {
        if (isServerUrl(files[i])) {
            const qsizetype from = contents.answers.size();
            readServer(files[i], contents, anyFile && !m_sink ? &serverIds : nullptr);
            serverRows.append({from, contents.answers.size()});
        } else {
            readFile(files[i], contents, seen, clashes);
        }
        if (m_progress)
            m_progress(i + 1, files.size());
    }
    if (clashes.isEmpty() && serverIds.isEmpty())
        return contents;
    QList<AnswerRow> kept;
    kept.reserve(contents.answers.size());
    for (qsizetype i = 0; i < contents.answers.size(); ++i) {
        // The server's answers stay.
        if (std::ranges::any_of(
                serverRows, [i](const auto &rows) { return i >= rows.first && i < rows.second; })) {
            kept.append(std::move(contents.answers[i]));
            continue;
        }
        const auto first = contents.answers[i].uuid.isEmpty()
                               ? seen.cend()
                               : seen.constFind(contents.answers[i].uuid);
        if (first != seen.cend() &&
            (first->index != i || serverIds.contains(QUuid::fromString(contents.answers[i].uuid))))
            continue;
        kept.append(std::move(contents.answers[i]));
    }
    contents.answers = std::move(kept);
    if (clashes.isEmpty())
        return contents;
    for (auto clash = clashes.cbegin(); clash != clashes.cend(); ++clash)
        contents.clashes << QCoreApplication::translate(
                                "record", "%1 e %2 hanno %3 risposte con lo stesso codice ma "
                                          "contenuti diversi: le lascio fuori.")
                                .arg(format::echoed(QDir::toNativeSeparators(clash.key().first)),
                                     format::echoed(QDir::toNativeSeparators(clash.key().second)))
                                .arg(clash.value());
    contents.clashes.sort();
    return contents;
}

// A file is taken whole or not at all, so a report never counts half of it.
void RecordReader::readFile(const QString &path, RecordContents &contents, SeenIds &seen,
                            QHash<std::pair<QString, QString>, int> &clashes) const
{
    const QDeadlineTimer limit(m_timeLimit);
    const auto tooSlow = [&] {
        return QCoreApplication::translate("record", "«%1» si legge troppo lentamente: lo salto.")
            .arg(format::cut(QDir::toNativeSeparators(path)));
    };
    RecordFile file(path, m_ownRecord ? RecordFile::Mode::Read : RecordFile::Mode::Inspect, limit);
    if (file.state() != FileState::Ready) {
        contents.skipped.append(
            {path, limit.hasExpired() ? tooSlow() : reasonFor(file.state(), path)});
        return;
    }
    QList<AnswerRow> answers;
    qsizetype handed = 0; // to the stream
    int discarded = 0;
    QList<SessionRow> sessions;
    const QDateTime latest = QDateTime::currentDateTime().addDays(1);
    QVariantList cells;
    QSqlQuery query(file.database());
    // Else the driver keeps every row it has handed over.
    query.setForwardOnly(true);
    QVariantList values;
    QString answerWhere = whereOf(m_filter, QStringLiteral("at"), true, values);
    answerWhere = joined(answerWhere, onlyNames(QStringLiteral("pupil"), values));
    // A column the file's version did not have yet is read as its default.
    const int version = versionOf(file.database());
    const QString columns = answerColumnList([version](const AnswerColumn &column) {
        const QString name = QString::fromLatin1(column.name);
        if (version < column.since)
            return column.type == ColumnType::AnswerId ? QStringLiteral("NULL")
                                                       : QStringLiteral("''");
        switch (column.type) {
        case ColumnType::Stamp:
        case ColumnType::Text:
        case ColumnType::AnswerId:
            return textColumn(name);
        case ColumnType::Integer:
        case ColumnType::Real:
        case ColumnType::Flag:
            break;
        }
        return numberColumn(name);
    });
    bool read = run(query,
                    QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM answer") +
                        answerWhere + QStringLiteral(" ORDER BY at, id"),
                    values);
    while (read && !stopped() && query.next()) {
        if (std::optional<AnswerRow> row = answerOf(valuesOf(query, cells), latest)) {
            if (!taken(*row))
                continue;
            if (m_sink) {
                (*m_sink)(std::move(*row), false);
                ++handed;
            } else {
                answers.append(std::move(*row));
            }
        } else {
            ++discarded;
        }
    }
    read = read && !query.lastError().isValid();
    values.clear();
    const QString sessionWhere = whereOf(m_filter, QStringLiteral("started"), false, values);
    read = read && run(query,
                       QStringLiteral("SELECT started, ended, level FROM session") + sessionWhere +
                           QStringLiteral(" ORDER BY started, id"),
                       values);
    while (read && query.next()) {
        sessions.append({QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs),
                         QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs),
                         query.value(2).toInt()});
    }
    read = read && !query.lastError().isValid();
    if (!read) {
        contents.cutShort = contents.cutShort || handed > 0;
        contents.skipped.append(
            {path, limit.hasExpired() ? tooSlow() : reasonFor(FileState::Damaged, path)});
        return;
    }
    // One answer in two files is counted once when both tell it alike, and
    // left out of both when they do not.
    for (AnswerRow &row : answers) {
        if (row.uuid.isEmpty()) {
            contents.answers.append(std::move(row));
            continue;
        }
        const auto first = seen.constFind(row.uuid);
        if (first == seen.cend()) {
            seen.insert(row.uuid, {path, contents.answers.size()});
            contents.answers.append(std::move(row));
        } else if (first->index >= 0 && sameAnswer(contents.answers[first->index], row)) {
            contents.answers[first->index].solutionOpened |= row.solutionOpened;
        } else {
            ++clashes[{first->file, path}];
            seen[row.uuid].index = -1;
        }
    }
    contents.sessions.append(sessions);
    contents.files.append(path);
    contents.discarded += discarded;
}

// The teacher's role reads every class's answers; the server has no sessions.
void RecordReader::readServer(const QString &url, RecordContents &contents,
                              QSet<QUuid> *serverIds) const
{
    std::optional<ServerAddress> address = serverAddressOf(url);
    if (!address) {
        contents.skipped.append(
            {url, QCoreApplication::translate("record", "«%1» non è un indirizzo valido di un "
                                                        "server PostgreSQL.")
                      .arg(url)});
        return;
    }
    if (address->password.isEmpty())
        address->password = m_serverPassword;
    ServerLink link(*address);
    QList<AnswerRow> answers;
    qsizetype handed = 0; // to the stream
    bool read = link.open() && link.database().transaction();
    QSqlQuery query(link.database());
    const QDateTime latest = QDateTime::currentDateTime().addDays(1);
    QVariantList cells;
    SenderMarks marks;
    QVariantList values;
    QString where = whereOf(m_filter, QStringLiteral("a.at"), true, values);
    where = joined(where, onlyNames(QStringLiteral("a.pupil"), values));
    // A cursor hands the rows over in large batches: a school's year is
    // millions of them, too many for one result and too slow one by one.
    const QString columns = answerColumnList([](const AnswerColumn &column) {
        const QString name = QStringLiteral("a.\"%1\"").arg(QLatin1String(column.name));
        if (column.type == ColumnType::Stamp)
            return QStringLiteral("to_char(%1, 'YYYY-MM-DD\"T\"HH24:MI:SS.MS')").arg(name);
        return column.onServerAnswer ? name : QStringLiteral("o.uuid IS NOT NULL");
    });
    read = read &&
           query.exec(QStringLiteral("DECLARE report NO SCROLL CURSOR FOR SELECT ") + columns +
                      QStringLiteral(", a.sender") +
                      QStringLiteral(" FROM answer a LEFT JOIN solution_opened o USING (uuid)") +
                      withLiterals(link.database(), where, values) +
                      QStringLiteral(" ORDER BY a.at, a.seq, a.uuid"));
    QSqlError error = query.lastError();
    if (read) {
        ServerBatches batches(link.database());
        const std::span<const AnswerColumn> columnList = answerColumns();
        cells.resize(qsizetype(columnList.size()));
        while (!stopped() && batches.next()) {
            for (qsizetype i = 0; i < cells.size(); ++i)
                cells[i] = batches.value(int(i), columnList[size_t(i)].type);
            if (std::optional<AnswerRow> row = answerOf(cells, latest)) {
                marks.mark(*row, batches.value(int(cells.size()), ColumnType::Text).toString());
                if (taken(*row) && m_sink) {
                    (*m_sink)(std::move(*row), true);
                    ++handed;
                } else if (taken(*row)) {
                    if (serverIds)
                        serverIds->insert(QUuid::fromString(row->uuid));
                    answers.append(std::move(*row));
                }
            } else {
                ++contents.discarded;
            }
        }
        read = !batches.failed();
        error = batches.error();
    }
    link.database().rollback();
    if (!read) {
        if (link.problem() == ServerProblem::None)
            link.failed(error);
        contents.cutShort = contents.cutShort || handed > 0;
        contents.skipped.append({address->shown(), problemLine(link.problem(), *address)});
        return;
    }
    contents.answers.append(answers);
    contents.files.append(address->shown());
}

QString RecordReader::onlyNames(const QString &column, QVariantList &values) const
{
    // A long list is told apart by the program alone.
    if (!m_onlySome || m_storedNames.isEmpty() || m_storedNames.size() > 500)
        return {};
    QStringList marks;
    for (const QString &name : m_storedNames) {
        marks << QStringLiteral("?");
        values << name;
    }
    return QStringLiteral("substr(%1, 1, %2) IN (%3)")
        .arg(column)
        .arg(maxNameLength + 1)
        .arg(marks.join(u','));
}

// The answer ids of the files, kept only when there are two files or more:
// pupils whose ids come back in another file, or twice in one, are counted
// from their rows.
struct RecordReader::IdScan
{
    bool wanted = false;
    QSet<PupilKey> shared;

    void add(QAnyStringView id, const PupilKey &pupil)
    {
        auto known = m_pupils.constFind(pupil);
        if (known == m_pupils.cend()) {
            known = m_pupils.insert(pupil, int(m_keys.size()));
            m_keys.append(pupil);
        }
        // Ids as 16 bytes where they are ids: a school's files hold millions.
        // Two texts of one id are told apart by the rows, as read() does.
        const QUuid uuid = QUuid::fromString(id);
        const int first =
            uuid.isNull() ? seen(m_otherIds, id.toString(), *known) : seen(m_ids, uuid, *known);
        if (first >= 0) {
            shared.insert(m_keys[first]);
            shared.insert(pupil);
        }
    }
    QList<QUuid> uuids() const { return m_ids.keys(); }
    PupilKey pupilOf(const QUuid &id) const { return m_keys.value(m_ids.value(id, -1)); }
    void forgetIds()
    {
        m_ids = {};
        m_otherIds = {};
    }

private:
    // The pupil of the id's first answer, or -1 the first time.
    template <typename Key> static int seen(QHash<Key, int> &ids, const Key &id, int pupil)
    {
        const auto first = ids.constFind(id);
        if (first != ids.cend())
            return *first;
        ids.insert(id, pupil);
        return -1;
    }

    QHash<PupilKey, int> m_pupils;
    QList<PupilKey> m_keys;
    QHash<QUuid, int> m_ids;
    QHash<QString, int> m_otherIds;
};

struct RecordReader::SourceRead
{
    QString name; // as the files of the report name it
    QString shown;
    SourceFigures figures;
};

RecordReader::SourceRead RecordReader::figuresOfFile(const QString &path, ReportFigures &report,
                                                     IdScan &ids) const
{
    SourceRead source{path, path, {}};
    const QDeadlineTimer limit(m_timeLimit);
    const auto skip = [&](FileState state) {
        report.skipped.append(
            {path, limit.hasExpired() ? QCoreApplication::translate(
                                            "record", "«%1» si legge troppo lentamente: lo salto.")
                                            .arg(format::cut(QDir::toNativeSeparators(path)))
                                      : reasonFor(state, path)});
        source.figures.read = false;
        return source;
    };
    RecordFile file(path, m_ownRecord ? RecordFile::Mode::Read : RecordFile::Mode::Inspect, limit);
    if (file.state() != FileState::Ready)
        return skip(file.state());
    QVariantList values;
    const QString where = whereOf(m_filter, QStringLiteral("at"), true, values);
    const QVariantList filtered = values;
    values << tomorrow();
    // One pass over the answers, in the order they were given: the index on
    // the time hands them over without a sort.
    FigureFold fold(m_filter);
    FileRows answers(file.database(),
                     fileAnswers(versionOf(file.database()), where, false) +
                         QStringLiteral(" ORDER BY at, id"),
                     values);
    FoldedAnswer answer;
    while (!stopped() && answers.next()) {
        const QLatin1StringView when = answers.latin1(9);
        if (!isRecordTime(when))
            continue;
        answers.text(0, answer.className);
        answers.text(1, answer.pupil);
        answers.text(3, answer.kind);
        answer.level = answers.integer(4);
        answer.m = answers.integer(5);
        answer.n = answers.integer(6);
        answer.right = answers.integer(7) != 0;
        answer.seconds = answers.real(8);
        answer.when = when;
        answers.text(12, answer.assignment);
        const PupilKey pupil = fold.add(answer);
        if (ids.wanted && !answers.utf8(13).isEmpty())
            ids.add(answers.utf8(13), pupil);
    }
    bool read = answers.done();
    source.figures = fold.finish();
    QSqlQuery query(file.database());
    query.setForwardOnly(true);
    read = read && run(query, QStringLiteral("SELECT count(*) FROM answer") + where, filtered) &&
           query.next();
    const int rows = read ? query.value(0).toInt() : 0;
    // A session table that cannot be read makes the file damaged, as for its rows.
    QVariantList sessionValues;
    read = read &&
           run(query,
               QStringLiteral("SELECT count(*) FROM session") +
                   whereOf(m_filter, QStringLiteral("started"), false, sessionValues),
               sessionValues) &&
           query.next();
    if (!read || stopped())
        return skip(FileState::Damaged);
    report.discarded += rows - source.figures.good;
    return source;
}

RecordReader::SourceRead RecordReader::figuresOfServer(const QString &url,
                                                       ReportFigures &report) const
{
    SourceRead source{url, url, {}};
    std::optional<ServerAddress> address = serverAddressOf(url);
    if (!address) {
        report.skipped.append(
            {url, QCoreApplication::translate("record", "«%1» non è un indirizzo valido di un "
                                                        "server PostgreSQL.")
                      .arg(url)});
        return source;
    }
    if (address->password.isEmpty())
        address->password = m_serverPassword;
    source.shown = address->shown();
    ServerLink link(*address);
    QSqlQuery query;
    // Every sum sees the same answers, however many come in meanwhile.
    bool read = link.open() && link.database().transaction();
    if (read) {
        query = QSqlQuery(link.database());
        read = query.exec(
                   QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY")) &&
               query.exec(sumsMemory()) && query.exec(indexReads());
    }
    QVariantList values;
    const QString where = whereOf(m_filter, QStringLiteral("a.at"), true, values);
    const QVariantList filtered = values;
    values << tomorrow();
    if (read) {
        source.figures = sourceFiguresOf(link.database(), {serverAnswers(where), &serverStamp},
                                         values, m_filter, m_stop);
        read = source.figures.read &&
               run(query, QStringLiteral("SELECT count(*) FROM answer a") + where, filtered) &&
               query.next();
    }
    const int rows = read ? query.value(0).toInt() : 0;
    const QSqlError error = query.lastError();
    query.finish();
    if (link.database().isOpen())
        link.database().rollback();
    if (!read) {
        if (link.problem() == ServerProblem::None)
            link.failed(error);
        report.skipped.append({address->shown(), problemLine(link.problem(), *address)});
        source.figures.read = false;
        return source;
    }
    report.discarded += rows - source.figures.good;
    return source;
}

ReportFigures RecordReader::readFigures(const QStringList &paths) const
{
    ReportFigures report;
    QStringList sources;
    for (const QString &path : paths)
        sources += filesOf(path);
    IdScan ids;
    const qsizetype files =
        std::ranges::count_if(sources, [](const QString &source) { return !isServerUrl(source); });
    ids.wanted = files > 1 || (files > 0 && files < sources.size());
    QList<SourceRead> read;
    for (qsizetype i = 0; i < sources.size() && !stopped(); ++i) {
        SourceRead source = isServerUrl(sources[i]) ? figuresOfServer(sources[i], report)
                                                    : figuresOfFile(sources[i], report, ids);
        if (source.figures.read) {
            report.files.append(source.shown);
            report.sources.append(source.name);
            read.append(std::move(source));
        }
        if (m_progress)
            m_progress(i + 1, sources.size());
    }

    // A pupil's answers in more than one place, or an answer read twice,
    // are counted from the rows: runs and copies do not add up.
    QSet<PupilKey> fromRows = ids.shared;
    for (const SourceRead &source : std::as_const(read)) {
        if (!isServerUrl(source.name) || files == 0 || stopped())
            continue;
        const QHash<QUuid, PupilKey> copies = copiesOnServer(source.name, ids);
        for (auto it = copies.cbegin(); it != copies.cend(); ++it) {
            fromRows.insert(*it);
            fromRows.insert(ids.pupilOf(it.key()));
        }
    }
    QHash<PupilKey, int> places;
    for (const SourceRead &source : std::as_const(read)) {
        fromRows.unite(source.figures.mixed);
        for (auto it = source.figures.pupils.cbegin(); it != source.figures.pupils.cend(); ++it)
            if (++places[it.key()] > 1)
                fromRows.insert(it.key());
    }
    PupilFigureSet pupils;
    QStringList rowSources;
    QSet<QString> storedNames;
    for (const SourceRead &source : std::as_const(read)) {
        bool rows = false;
        for (auto it = source.figures.pupils.cbegin(); it != source.figures.pupils.cend(); ++it) {
            if (!fromRows.contains(it.key())) {
                pupils.insert(it.key(), *it);
                continue;
            }
            rows = true;
            storedNames.unite(it->storedNames);
        }
        if (rows)
            rowSources.append(source.name);
    }
    if (!fromRows.isEmpty() && !stopped()) {
        RecordReader reader(m_filter);
        reader.m_serverPassword = m_serverPassword;
        reader.m_timeLimit = m_timeLimit;
        reader.m_ownRecord = m_ownRecord;
        reader.m_stop = m_stop;
        reader.setOnlyPupils(fromRows, QStringList(storedNames.cbegin(), storedNames.cend()));
        const RecordContents contents = reader.read(rowSources);
        QMap<PupilKey, QList<AnswerRow>> byPupil;
        for (const AnswerRow &row : contents.answers)
            byPupil[{row.className, row.pupil}].append(row);
        for (auto it = byPupil.cbegin(); it != byPupil.cend(); ++it) {
            PupilFigures figures = pupilFiguresOf(*it, m_filter);
            figures.storedNames = storedNames;
            pupils.insert(it.key(), figures);
        }
        report.clashes = contents.clashes;
    }
    const ReportFigures figures = reportFiguresOf(pupils, m_filter);
    report.total = figures.total;
    report.firstDay = figures.firstDay;
    report.lastDay = figures.lastDay;
    report.pupils = figures.pupils;
    report.everyone = figures.everyone;
    report.kinds = figures.kinds;
    report.pupilKinds = figures.pupilKinds;
    report.codes = figures.codes;
    report.allCodes = figures.allCodes;
    report.standings = figures.standings;
    report.storedNames = figures.storedNames;
    return report;
}

QStringList RecordReader::serverStatements() const
{
    QVariantList values;
    const QString where = whereOf(m_filter, QStringLiteral("a.at"), true, values);
    const auto written = [](QString statement, QVariantList given) {
        qsizetype at = 0;
        for (const QVariant &value : given) {
            at = statement.indexOf(u'?', at);
            const QString literal =
                u'\'' + value.toString().replace(u'\'', QStringLiteral("''")) + u'\'';
            statement.replace(at, 1, literal);
            at += literal.size();
        }
        return statement;
    };
    const QString count = written(QStringLiteral("SELECT count(*) FROM answer a") + where, values);
    values << tomorrow();
    const FigureStatements statements =
        figureStatements({serverAnswers(where), &serverStamp}, m_filter);
    QVariantList counted = values;
    if (!m_filter.assignment.isEmpty())
        counted << m_filter.assignment;
    return {sumsMemory(),
            indexReads(),
            written(statements.groups, values),
            written(statements.runs, counted),
            written(statements.attempts, counted),
            count};
}

// A file that cannot be read here is skipped by the stream itself.
void RecordReader::scanIds(const QString &path, IdScan &ids) const
{
    RecordFile file(path, m_ownRecord ? RecordFile::Mode::Read : RecordFile::Mode::Inspect,
                    QDeadlineTimer(m_timeLimit));
    if (file.state() != FileState::Ready)
        return;
    QVariantList values;
    const QString where = whereOf(m_filter, QStringLiteral("at"), true, values);
    values << tomorrow();
    QSqlQuery query(file.database());
    query.setForwardOnly(true);
    bool read =
        run(query,
            QStringLiteral("WITH good AS (") + fileAnswers(versionOf(file.database()), where) +
                QStringLiteral(") SELECT c, p, u FROM good WHERE u <> ''"),
            values);
    while (read && !stopped() && query.next())
        ids.add(query.value(2).toString(),
                {cutName(query.value(0).toString()), cutName(query.value(1).toString())});
}

QHash<QUuid, PupilKey> RecordReader::copiesOnServer(const QString &url, const IdScan &ids) const
{
    QHash<QUuid, PupilKey> copies;
    const QList<QUuid> uuids = ids.uuids();
    std::optional<ServerAddress> address = serverAddressOf(url);
    if (uuids.isEmpty() || !address)
        return copies;
    if (address->password.isEmpty())
        address->password = m_serverPassword;
    ServerLink link(*address);
    if (!link.open())
        return copies;
    QStringList listed;
    listed.reserve(uuids.size());
    for (const QUuid &id : uuids)
        listed << id.toString(QUuid::WithoutBraces);
    QVariantList values;
    const QString where = whereOf(m_filter, QStringLiteral("a.at"), true, values);
    values << tomorrow() << u'{' + listed.join(u',') + u'}';
    // Among the answers the server hands over, as the rows are read.
    QSqlQuery query(link.database());
    query.setForwardOnly(true);
    bool read = run(query,
                    QStringLiteral("WITH good AS (") + serverAnswers(where) +
                        QStringLiteral(") SELECT u, c, p, s FROM good WHERE o2 IN "
                                       "(SELECT unnest(CAST(? AS uuid[])))"),
                    values);
    while (read && query.next())
        copies.insert(QUuid::fromString(query.value(0).toString()),
                      {cutName(query.value(1).toString()),
                       shownPupil(cutName(query.value(2).toString()), query.value(3).toString())});
    return copies;
}

RecordContents RecordReader::stream(const QStringList &paths,
                                    const std::function<void(const AnswerRow &)> &take) const
{
    QStringList sources;
    for (const QString &path : paths)
        sources += filesOf(path);
    QStringList files;
    std::ranges::copy_if(sources, std::back_inserter(files),
                         [](const QString &source) { return !isServerUrl(source); });
    // An answer in two files: its pupils' rows are settled first, as read()
    // settles them, and handed on where read() keeps them.
    // An answer on the server and in a file is the server's, as read() has it.
    const bool anyServer = files.size() < sources.size();
    IdScan ids;
    for (qsizetype i = 0; (files.size() > 1 || anyServer) && i < files.size() && !stopped(); ++i)
        scanIds(files[i], ids);
    QSet<QUuid> onServer;
    for (const QString &source : std::as_const(sources)) {
        if (isServerUrl(source) && !files.isEmpty() && !stopped()) {
            const QHash<QUuid, PupilKey> copies = copiesOnServer(source, ids);
            for (auto it = copies.cbegin(); it != copies.cend(); ++it)
                onServer.insert(it.key());
        }
    }
    ids.forgetIds();
    QHash<QString, AnswerRow> settled;
    QStringList clashes;
    if (!ids.shared.isEmpty()) {
        RecordReader reader(*this);
        reader.setOnlyPupils(ids.shared, {});
        const RecordContents contents = reader.read(files);
        for (const AnswerRow &row : contents.answers)
            if (!row.uuid.isEmpty())
                settled.insert(row.uuid, row);
        clashes = contents.clashes;
    }
    QSet<QString> handed;
    const Sink sink = [&](AnswerRow &&row, bool fromServer) {
        if (!fromServer && !onServer.isEmpty() && onServer.contains(QUuid::fromString(row.uuid)))
            return;
        if (fromServer || row.uuid.isEmpty() || !ids.shared.contains({row.className, row.pupil})) {
            take(row);
            return;
        }
        const auto kept = settled.constFind(row.uuid);
        if (kept != settled.cend() && !handed.contains(row.uuid)) {
            handed.insert(row.uuid);
            take(*kept);
        }
    };
    RecordReader streaming(*this);
    streaming.m_sink = &sink;
    RecordContents contents = streaming.read(sources);
    contents.clashes = clashes;
    return contents;
}

} // namespace record
