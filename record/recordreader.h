// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QUuid>

#include <atomic>
#include <chrono>
#include <functional>

namespace record {

struct ReportFigures;

// Which answers a report takes; a null date or an empty class takes all.
struct RecordFilter
{
    QDate from; // inclusive
    QDate to;   // inclusive
    QString className;
    // An assignment's code: the report counts its answers alone, and lists
    // every pupil of the records with how far they went in it.
    QString assignment = {};
};

// A file that was named for reading and skipped, with the Italian line
// that says why.
struct SkippedFile
{
    QString path;
    QString reason;
};

// Longer names and classes are cut to this, the last character a "…";
// the program never lets one be typed longer.
inline constexpr qsizetype maxNameLength = 60;
QString cutName(const QString &name);

// The pupil as the teacher sees an answer from the server: with the sender
// beside the name when the two tell different people.
QString shownPupil(const QString &pupil, const QString &sender);

struct RecordContents
{
    QList<AnswerRow> answers; // in the order they were given, file by file
    QList<SessionRow> sessions;
    QStringList files; // the record files read
    QList<SkippedFile> skipped;
    int discarded = 0;     // rows with a time, a level or a figure no answer can have
    QStringList clashes;   // Italian lines: answers two files tell apart, left out
    bool cutShort = false; // streamed: a file failed after some of its answers were handed on
};

// Reads record files without changing them: the pupil's own, or the copies
// a teacher gathered, one file or a folder of them each.
class RecordReader
{
public:
    explicit RecordReader(RecordFilter filter = {}) : m_filter(std::move(filter)) {}

    // For a server URL without one; else libpq looks in PGPASSWORD and ~/.pgpass.
    void setServerPassword(const QString &password) { m_serverPassword = password; }
    // How long one file may take before it is skipped and named.
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    // The pupil's own record, which this process also writes: read through
    // the file's locks. A copy or an immutable read would close descriptors
    // of the file, and POSIX drops every lock the process holds on it then.
    void setOwnRecord(bool own) { m_ownRecord = own; }

    // Set from another thread, the read stops at the next row and returns
    // what it has; the caller throws that away.
    void setStop(const std::atomic_bool *stop) { m_stop = stop; }
    // Called after each file or server, with how many of how many are read.
    void setProgress(std::function<void(qsizetype done, qsizetype total)> progress)
    {
        m_progress = std::move(progress);
    }

    // Only the answers of these pupils (class, name as read), whose names
    // are stored as one of storedNames; the files are read as a whole all
    // the same.
    void setOnlyPupils(QSet<std::pair<QString, QString>> pupils, QStringList storedNames)
    {
        m_onlyPupils = std::move(pupils);
        m_storedNames = std::move(storedNames);
        m_onlySome = true;
    }

    RecordContents read(const QStringList &paths) const;
    // Hands take each answer read() would give, in the same order, keeping
    // none: a school's year of rows goes through the memory of a few. The
    // contents hold all but the answers.
    RecordContents stream(const QStringList &paths,
                          const std::function<void(const AnswerRow &)> &take) const;
    // The report's figures, summed where the answers are: the same as the
    // rows read() gives would make, without bringing the rows over.
    ReportFigures readFigures(const QStringList &paths) const;
    // The statements readFigures() has the school's server run, their
    // values written in, the setting it makes first: to time the server
    // alone.
    QStringList serverStatements() const;

    // Whether a file of that name can be a record, not one of SQLite's
    // files beside it or a copy still being made.
    static bool isRecordName(const QString &name);

    // The files a path names: itself, or the files in the folder it is; a
    // postgresql:// URL names the school's server.
    static QStringList filesOf(const QString &path);

private:
    bool m_ownRecord = false;
    const std::atomic_bool *m_stop = nullptr;
    std::function<void(qsizetype, qsizetype)> m_progress;
    bool stopped() const { return m_stop && m_stop->load(std::memory_order_relaxed); }
    // Where an answer id was first met, and the answer's place in the
    // contents, or -1 once it is left out.
    struct Seen
    {
        QString file;
        qsizetype index = -1;
    };
    using SeenIds = QHash<QString, Seen>;

    void readFile(const QString &path, RecordContents &contents, SeenIds &seen,
                  QHash<std::pair<QString, QString>, int> &clashes) const;
    // serverIds, when given: the ids of the answers kept, to leave out the
    // files' copies of them.
    void readServer(const QString &url, RecordContents &contents,
                    QSet<QUuid> *serverIds = nullptr) const;
    struct IdScan;
    // Where a stream sends each row, and whether it came from the server.
    using Sink = std::function<void(AnswerRow &&row, bool fromServer)>;
    const Sink *m_sink = nullptr;
    void scanIds(const QString &path, IdScan &ids) const;
    // Which of the files' answer ids the server holds too, among the answers
    // it hands over, and the server's pupil of each.
    QHash<QUuid, std::pair<QString, QString>> copiesOnServer(const QString &url,
                                                             const IdScan &ids) const;
    struct SourceRead;
    SourceRead figuresOfFile(const QString &path, ReportFigures &report, IdScan &ids) const;
    SourceRead figuresOfServer(const QString &url, ReportFigures &report) const;
    bool taken(const AnswerRow &row) const
    {
        return !m_onlySome || m_onlyPupils.contains({row.className, row.pupil});
    }
    QString onlyNames(const QString &column, QVariantList &values) const;

    RecordFilter m_filter;
    bool m_onlySome = false;
    QSet<std::pair<QString, QString>> m_onlyPupils;
    QStringList m_storedNames;
    QString m_serverPassword;
    std::chrono::milliseconds m_timeLimit = std::chrono::seconds(60);
};

} // namespace record
