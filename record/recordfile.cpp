// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfile.h"

#include "record/schema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <sqlite3.h>

#include <sys/stat.h>

namespace record {

namespace {

constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

// The record's own thread waits this long for another copy's lock; what
// still waits is retried a little later, so a read is never queued long.
constexpr auto connectOptions = "QSQLITE_BUSY_TIMEOUT=250";
constexpr auto readOptions = "QSQLITE_BUSY_TIMEOUT=2000;QSQLITE_OPEN_READONLY";
// Immutable: no lock, no -shm, nothing written in a folder the reader may
// not even be allowed to write.
constexpr auto inspectOptions = "QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI";

const QStringList sideFiles = {QStringLiteral("-wal"), QStringLiteral("-shm"),
                               QStringLiteral("-journal")};

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("solvetra-record-%1").arg(counter.fetchAndAddRelaxed(1));
}

bool isDamage(const QSqlError &error)
{
    return (error.nativeErrorCode().toInt() & 0xff) == sqliteCorrupt ||
           (error.nativeErrorCode().toInt() & 0xff) == sqliteNotADatabase;
}

// The file is made before SQLite opens it, so that it is the user's only
// from its first byte; SQLite gives its WAL the same mode.
bool createPrivateFile(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    // Another copy of the program may have made it in the meantime.
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
           QFileInfo::exists(path);
}

// The columns a reader takes, by table; a view or a computed column in
// their place could make a read endless or huge.
const QStringList answerColumns = {QStringLiteral("id"),      QStringLiteral("at"),
                                   QStringLiteral("pupil"),   QStringLiteral("class"),
                                   QStringLiteral("level"),   QStringLiteral("kind"),
                                   QStringLiteral("m"),       QStringLiteral("n"),
                                   QStringLiteral("given1"),  QStringLiteral("given2"),
                                   QStringLiteral("asked"),   QStringLiteral("expected"),
                                   QStringLiteral("typed"),   QStringLiteral("right"),
                                   QStringLiteral("seconds"), QStringLiteral("solution_opened")};
const QStringList sessionColumns = {QStringLiteral("id"), QStringLiteral("started"),
                                    QStringLiteral("ended"), QStringLiteral("level")};

bool isPlainTable(QSqlDatabase &db, const QString &table, QStringList columns)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT type, sql FROM sqlite_master WHERE name = ?"));
    query.addBindValue(table);
    if (!query.exec() || !query.next() || query.value(0).toString() != QLatin1String("table") ||
        !query.value(1).toString().startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive))
        return false;
    // table_xinfo marks generated columns as hidden.
    if (!query.exec(QStringLiteral("PRAGMA table_xinfo(%1)").arg(table)))
        return false;
    while (query.next()) {
        if (query.value(6).toInt() != 0)
            return false;
        columns.removeAll(query.value(1).toString());
    }
    return columns.isEmpty();
}

bool hasRecordTables(QSqlDatabase &db)
{
    QStringList answer = answerColumns;
    if (versionOf(db) >= 3)
        answer << QStringLiteral("uuid");
    return isPlainTable(db, QStringLiteral("answer"), answer) &&
           isPlainTable(db, QStringLiteral("session"), sessionColumns);
}

int stopAtLimit(void *limit)
{
    return static_cast<const QDeadlineTimer *>(limit)->hasExpired() ? 1 : 0;
}

// Copies in pieces, so that a huge file stops at the limit too.
bool copyWithin(const QString &from, const QString &to, const QDeadlineTimer &limit)
{
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    QByteArray piece;
    while (!source.atEnd()) {
        piece = source.read(1 << 20);
        if (piece.isEmpty() || target.write(piece) != piece.size() || limit.hasExpired())
            return false;
    }
    return true;
}

bool hasForeignTables(QSqlDatabase &db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && query.next() &&
           query.value(0).toInt() > 0;
}

} // namespace

FileIdentity identityOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

QString defaultRecordPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/record.sqlite");
}

RecordFile::RecordFile(const QString &path, Mode mode, QDeadlineTimer limit)
    : m_path(path), m_limit(limit), m_connection(uniqueConnectionName())
{
    m_state = open(mode);
}

RecordFile::~RecordFile()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

FileState RecordFile::open(Mode mode)
{
    if (mode != Mode::Write && !QFileInfo(m_path).isFile()) {
        m_reason = QStringLiteral("not a file");
        return FileState::Unwritable;
    }
    if (mode == Mode::Write && !QFileInfo::exists(m_path) && !createPrivateFile(m_path)) {
        m_reason = QStringLiteral("cannot create");
        return FileState::Unwritable;
    }
    m_identity = identityOf(m_path);
    const QString name = mode == Mode::Inspect ? inspectedName() : m_path;
    if (name.isEmpty()) {
        m_reason = QStringLiteral("cannot copy");
        return FileState::Unwritable;
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(name);
    m_db.setConnectOptions(QString::fromLatin1(mode == Mode::Write  ? connectOptions
                                               : mode == Mode::Read ? readOptions
                                               : m_copy             ? readOptions
                                                                    : inspectOptions));
    if (!m_db.open()) {
        m_reason = m_db.lastError().text();
        return FileState::Unwritable;
    }
    keepWithin();
    if (mode == Mode::Inspect) {
        // Nothing in the file's schema runs functions of ours, and nothing writes.
        QSqlQuery query(m_db);
        if (!query.exec(QStringLiteral("PRAGMA trusted_schema = OFF")) ||
            !query.exec(QStringLiteral("PRAGMA query_only = ON"))) {
            m_reason = query.lastError().text();
            return FileState::Unwritable;
        }
    }
    return check(mode);
}

bool RecordFile::stillAtPath() const
{
    const FileIdentity now = identityOf(m_path);
    return now.exists() && now == m_identity;
}

// The file itself, immutable; or, when a WAL beside it holds answers not yet
// in it, a private copy of both, which SQLite may read as it must.
QString RecordFile::inspectedName()
{
    const QFileInfo wal(m_path + QStringLiteral("-wal"));
    if (!wal.isFile() || wal.size() == 0) {
        QUrl url = QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath());
        url.setQuery(QStringLiteral("immutable=1"));
        return url.toString(QUrl::FullyEncoded);
    }
    m_copy = std::make_unique<QTemporaryDir>();
    const QString copy = m_copy->filePath(QStringLiteral("record.sqlite"));
    if (!m_copy->isValid() || !copyWithin(m_path, copy, m_limit) ||
        !copyWithin(wal.filePath(), copy + QStringLiteral("-wal"), m_limit))
        return {};
    return copy;
}

// Every statement on the connection stops once the limit has passed.
void RecordFile::keepWithin()
{
    if (m_limit.isForever())
        return;
    const QVariant handle = m_db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        if (sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData()))
            sqlite3_progress_handler(connection, 1000, stopAtLimit, &m_limit);
    }
}

FileState RecordFile::check(Mode mode)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        m_reason = query.lastError().text();
        return isDamage(query.lastError()) ? FileState::Damaged : FileState::Unwritable;
    }
    if (query.value(0).toString() != QLatin1String("ok")) {
        m_reason = query.value(0).toString();
        return FileState::Damaged;
    }
    const int version = versionOf(m_db);
    if (version > schemaVersion)
        return FileState::Newer;
    if (version == 0 && (mode != Mode::Write || hasForeignTables(m_db)))
        return FileState::NotRecord;
    if (mode == Mode::Inspect && !hasRecordTables(m_db))
        return FileState::NotRecord;
    if (mode != Mode::Write)
        return FileState::Ready;
    // A rollback journal, not a write-ahead log: each commit lands in the
    // file itself, so record.sqlite copied alone (as a teacher copies it)
    // holds every answer, and no log grows while a reader or a full disk
    // keeps it from being folded back. A file of an older version in WAL
    // mode is folded back here. FULL makes each commit reach the disk
    // before it returns.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) || !query.next() ||
        query.value(0).toString() != QLatin1String("delete") ||
        !query.exec(QStringLiteral("PRAGMA synchronous = FULL")) || !migrate(m_db)) {
        m_reason = query.lastError().text();
        if (m_reason.trimmed().isEmpty())
            m_reason = m_db.lastError().text();
        return FileState::Unwritable;
    }
    return FileState::Ready;
}

QString setAside(const QString &path, const QDateTime &when)
{
    const QString stem =
        path + QStringLiteral(".damaged-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int copy = 2; QFileInfo::exists(target); ++copy)
        target = stem + QStringLiteral("-%1").arg(copy);
    if (!QFile::rename(path, target))
        return {};
    // A WAL left behind would be replayed into the new file.
    for (const QString &side : sideFiles) {
        if (QFileInfo::exists(path + side))
            QFile::rename(path + side, target + side);
    }
    return target;
}

bool removeRecord(const QString &path)
{
    bool removed = !QFileInfo::exists(path) || QFile::remove(path);
    for (const QString &side : sideFiles) {
        if (QFileInfo::exists(path + side))
            removed = QFile::remove(path + side) && removed;
    }
    return removed;
}

} // namespace record
