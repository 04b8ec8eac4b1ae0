// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordreader.h"

#include "record/answercolumns.h"

#include "record/recordfile.h"
#include "record/schema.h"
#include "record/serverlink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QVariantList>

namespace record {

namespace {

QString reasonFor(FileState state, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
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
    static const QRegularExpression partOfCopy(QStringLiteral("\\.part-[0-9]+$"));
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

AnswerRow answerOf(const QSqlQuery &query)
{
    return answerFrom(query);
}

} // namespace

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
    QSet<QString> seen; // answer ids, for a record copied twice
    for (const QString &path : paths) {
        for (const QString &file : filesOf(path)) {
            if (isServerUrl(file))
                readServer(file, contents);
            else
                readFile(file, contents, seen);
        }
    }
    return contents;
}

// A file is taken whole or not at all, so a report never counts half of it.
void RecordReader::readFile(const QString &path, RecordContents &contents,
                            QSet<QString> &seen) const
{
    RecordFile file(path, RecordFile::Mode::Read);
    if (file.state() != FileState::Ready) {
        contents.skipped.append({path, reasonFor(file.state(), path)});
        return;
    }
    QList<AnswerRow> answers;
    QList<SessionRow> sessions;
    QSqlQuery query(file.database());
    QVariantList values;
    const QString answerWhere = whereOf(m_filter, QStringLiteral("at"), true, values);
    // Files before version 3 have no ids.
    const bool hasIds = versionOf(file.database()) >= 3;
    const QString columns = answerColumnList([hasIds](const AnswerColumn &column) {
        return column.type == ColumnType::AnswerId && !hasIds ? QStringLiteral("NULL")
                                                              : QString::fromLatin1(column.name);
    });
    bool read = run(query,
                    QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM answer") +
                        answerWhere + QStringLiteral(" ORDER BY at, id"),
                    values);
    QSet<QString> ids;
    while (read && query.next()) {
        const AnswerRow row = answerOf(query);
        const QString id = row.uuid;
        if (id.isEmpty() || !seen.contains(id)) {
            answers.append(row);
            ids.insert(id);
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
        contents.skipped.append({path, reasonFor(FileState::Damaged, path)});
        return;
    }
    contents.answers.append(answers);
    contents.sessions.append(sessions);
    contents.files.append(path);
    ids.remove(QString());
    seen.unite(ids);
}

// The teacher's role reads every class's answers; the server has no sessions.
void RecordReader::readServer(const QString &url, RecordContents &contents) const
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
    bool read = link.open() && link.database().transaction();
    QSqlQuery query(link.database());
    QVariantList values;
    const QString where = whereOf(m_filter, QStringLiteral("a.at"), true, values);
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
                      QStringLiteral(" FROM answer a LEFT JOIN solution_opened o USING (uuid)") +
                      withLiterals(link.database(), where, values) +
                      QStringLiteral(" ORDER BY a.at, a.seq, a.uuid"));
    for (qsizetype before = -1; read && before != answers.size();) {
        before = answers.size();
        read = query.exec(QStringLiteral("FETCH 20000 FROM report"));
        while (read && query.next())
            answers.append(answerOf(query));
    }
    link.database().rollback();
    if (!read || query.lastError().isValid()) {
        if (link.problem() == ServerProblem::None)
            link.failed(query.lastError());
        contents.skipped.append({address->shown(), problemLine(link.problem(), *address)});
        return;
    }
    contents.answers.append(answers);
    contents.files.append(address->shown());
}

} // namespace record
