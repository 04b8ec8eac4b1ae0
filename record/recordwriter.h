// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QList>
#include <QObject>

#include <memory>

namespace quiz {
class Clock;
}

namespace record {

class RecordFile;

// Keeps the pupil's answers. Each answer is committed when it is given; when
// the file will not take it, it waits in memory and goes in with the next
// answer that finds the file writable again. The writer runs on the caller's
// thread; the window's is RecordService's.
class RecordWriter : public QObject
{
    Q_OBJECT

public:
    RecordWriter(const QString &path, const quiz::Clock &clock, QObject *parent = nullptr);
    ~RecordWriter() override;

    // The first name given takes the answers given unnamed so far by this
    // writer, as a pupil names herself after a few problems.
    void setPupil(const QString &name, const QString &className);
    // Each of these writes at once unless told to leave it to the next flush().
    void startSession(int level, bool writeNow = true);
    void endSession(bool writeNow = true);

    // Stamps row with the pupil (and the time, unless it has one), then commits it. Returns true
    // when it is in the file, false when it waits in memory.
    bool addAnswer(AnswerRow row, bool writeNow = true);
    // The worked solution of the last answer was opened.
    bool markSolutionOpened(bool writeNow = true);

    // Tries again to write what waits; true when nothing waits any more.
    bool flush();
    qsizetype waiting() const { return m_waiting.size(); }

    // Deletes the record file, and forgets what waited to go into it.
    bool deleteRecord();
    // Lets go of the file; the next flush() opens it again.
    void close() { closeFile(); }

signals:
    // One Italian line the window shows: the file cannot be written (said
    // once until it can again), or a damaged file was set aside.
    void trouble(const QString &line);

private:
    struct Session
    {
        SessionRow row;
        qint64 id = 0; // 0 while not in the file
        bool active = false;
        bool endWritten = false;
    };

    bool ensureOpen();
    void startNewFile();
    bool writeWaiting();
    bool writeSession();
    bool nameUnnamed();
    qint64 insertAnswer(const AnswerRow &row);
    void failed(const QString &line);
    void closeFile();

    QString m_path;
    const quiz::Clock &m_clock;
    std::unique_ptr<RecordFile> m_file;
    QString m_pupil;
    QString m_className;
    Session m_session;
    QList<AnswerRow> m_waiting;
    QList<qint64> m_unnamedIds; // answers written without a name, to be named
    bool m_namingWaits = false;
    qint64 m_lastAnswerId = 0;
    bool m_openedWaits = false; // the last answer's solution flag is not in the file yet
    bool m_troubleSaid = false;
};

} // namespace record
