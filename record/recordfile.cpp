// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfile.h"

#include "record/schema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <sys/stat.h>

namespace record {

namespace {

constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

// The record's own thread waits this long for another copy's lock; what
// still waits is retried a little later, so a read is never queued long.
constexpr auto connectOptions = "QSQLITE_BUSY_TIMEOUT=250";
constexpr auto readOptions = "QSQLITE_BUSY_TIMEOUT=2000;QSQLITE_OPEN_READONLY";

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

RecordFile::RecordFile(const QString &path, Mode mode)
    : m_path(path), m_connection(uniqueConnectionName())
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
    if (mode == Mode::Read && !QFileInfo(m_path).isFile()) {
        m_reason = QStringLiteral("not a file");
        return FileState::Unwritable;
    }
    if (mode == Mode::Write && !QFileInfo::exists(m_path) && !createPrivateFile(m_path)) {
        m_reason = QStringLiteral("cannot create");
        return FileState::Unwritable;
    }
    m_identity = identityOf(m_path);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QString::fromLatin1(mode == Mode::Write ? connectOptions : readOptions));
    if (!m_db.open()) {
        m_reason = m_db.lastError().text();
        return FileState::Unwritable;
    }
    return check(mode);
}

bool RecordFile::stillAtPath() const
{
    const FileIdentity now = identityOf(m_path);
    return now.exists() && now == m_identity;
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
    if (version == 0 && (mode == Mode::Read || hasForeignTables(m_db)))
        return FileState::NotRecord;
    if (mode == Mode::Read)
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
