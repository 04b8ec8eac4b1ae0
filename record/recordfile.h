// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QString>

#include <memory>

class QTemporaryDir;

namespace record {

// Where the pupil's record lives unless told otherwise.
QString defaultRecordPath();

enum class FileState {
    Ready,      // open, at the current version
    Damaged,    // not an SQLite database, or a broken one
    NotRecord,  // a database, but not one of ours
    Newer,      // written by a later version of the program: never rewritten
    Unwritable, // cannot be opened, created or changed just now
};

// Which file a path names: the device and the inode, so that a file deleted
// and made anew under the same name is told apart.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    bool exists() const { return inode != 0; }
    bool operator==(const FileIdentity &) const = default;
};
FileIdentity identityOf(const QString &path);

// One connection to one record file, registered with Qt SQL under a name of
// its own and removed with it.
class RecordFile
{
public:
    // Inspect reads a file anyone may have made (a pupil's copy, a file in a
    // class folder): never changed, nothing left beside it, only the tables
    // and columns of a record, each statement stopped at limit.
    enum class Mode { Write, Read, Inspect };

    RecordFile(const QString &path, Mode mode,
               QDeadlineTimer limit = QDeadlineTimer(QDeadlineTimer::Forever));
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    FileState state() const { return m_state; }
    QString reason() const { return m_reason; } // the driver's words when not Ready
    QSqlDatabase &database() { return m_db; }
    // False once the file opened is gone from its path, or another took its
    // place: writing on would put answers into a file nobody sees.
    bool stillAtPath() const;

private:
    FileState open(Mode mode);
    FileState check(Mode mode);
    QString inspectedName();
    void keepWithin();

    QString m_path;
    QDeadlineTimer m_limit;
    std::unique_ptr<QTemporaryDir> m_copy; // of a file with a WAL, read in private
    QString m_connection;
    QSqlDatabase m_db;
    FileIdentity m_identity;
    FileState m_state = FileState::Unwritable;
    QString m_reason;
};

// Renames path (and its WAL and shared-memory files, which belong to it)
// out of the way, to a name stamped with when; returns the new name, or an
// empty text when it could not be moved.
QString setAside(const QString &path, const QDateTime &when);

// Deletes the record file and the files SQLite keeps beside it.
bool removeRecord(const QString &path);

} // namespace record
