// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordreader.h"

#include "format/echo.h"
#include "record/answercolumns.h"
#include "record/recordfile.h"
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
#include <QVariantList>

#include <cmath>

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
bool isPossible(const QSqlQuery &query, const QDateTime &when)
{
    constexpr double day = 24 * 60 * 60;
    return when.isValid() && when.date().year() >= 2000 &&
           when <= QDateTime::currentDateTime().addDays(1) && isFigure(query.value(3), 1, 3) &&
           isFigure(query.value(5), 1, 1000) && isFigure(query.value(6), 1, 1000) &&
           isFigure(query.value(7), 0.001, 1e6) && isFigure(query.value(8), 0.001, 1e6) &&
           isFigure(query.value(10), 0.001, 1e6) && isFigure(query.value(12), 0, 1) &&
           isFigure(query.value(13), 0, day) && isFigure(query.value(14), 0, 1);
}

// The row, or nothing when it holds what no answer can.
std::optional<AnswerRow> answerOf(const QSqlQuery &query)
{
    AnswerRow row = answerFrom(query);
    if (!isPossible(query, row.when))
        return std::nullopt;
    for (const AnswerColumn &column : answerColumns()) {
        if (column.type == ColumnType::Text)
            column.read(row, cutName(column.value(row).toString()));
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
void markSender(AnswerRow &row, const QString &sender)
{
    if (!sender.isEmpty() && !row.pupil.isEmpty() && spelled(sender) != spelled(row.pupil))
        row.pupil += QStringLiteral(" [%1]").arg(cutName(sender));
}

} // namespace

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
    for (qsizetype i = 0; i < files.size() && !stopped(); ++i) {
        if (isServerUrl(files[i]))
            readServer(files[i], contents);
        else
            readFile(files[i], contents, seen, clashes);
        if (m_progress)
            m_progress(i + 1, files.size());
    }
    if (clashes.isEmpty())
        return contents;
    QList<AnswerRow> kept;
    kept.reserve(contents.answers.size());
    for (qsizetype i = 0; i < contents.answers.size(); ++i) {
        if (!contents.answers[i].uuid.isEmpty() && seen.value(contents.answers[i].uuid).index != i)
            continue;
        kept.append(std::move(contents.answers[i]));
    }
    contents.answers = std::move(kept);
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
    int discarded = 0;
    QList<SessionRow> sessions;
    QSqlQuery query(file.database());
    QVariantList values;
    const QString answerWhere = whereOf(m_filter, QStringLiteral("at"), true, values);
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
        if (std::optional<AnswerRow> row = answerOf(query)) {
            answers.append(std::move(*row));
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
                      QStringLiteral(", a.sender") +
                      QStringLiteral(" FROM answer a LEFT JOIN solution_opened o USING (uuid)") +
                      withLiterals(link.database(), where, values) +
                      QStringLiteral(" ORDER BY a.at, a.seq, a.uuid"));
    for (qsizetype before = -1; read && before != answers.size();) {
        before = answers.size();
        read = query.exec(QStringLiteral("FETCH 20000 FROM report"));
        while (read && query.next()) {
            if (std::optional<AnswerRow> row = answerOf(query)) {
                markSender(*row, query.value(int(answerColumns().size())).toString());
                answers.append(std::move(*row));
            } else {
                ++contents.discarded;
            }
        }
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
