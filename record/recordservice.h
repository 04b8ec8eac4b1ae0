// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"
#include "record/pupil.h"
#include "record/recordreader.h"
#include "record/recordsharing.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QThread;

namespace quiz {
class Clock;
}

namespace record {

class RecordWriter;

// Everything done with the pupil's record file, on one thread: the answers
// written, the record read for the results and the review, a copy on
// request, the copy in the class folder and the sends to the school's
// server. It alone holds the file's connection. The times come with the
// calls, read from the caller's clock.
class RecordService : public QObject
{
    Q_OBJECT

public:
    explicit RecordService(const QString &path, QObject *parent = nullptr);
    ~RecordService() override;

    void setPupil(const QString &name, const QString &className);
    void startSession(int level, const QDateTime &when);
    void endSession(const QDateTime &when);
    // row.when is the moment of the verdict.
    void addAnswer(const AnswerRow &row);
    void markSolutionOpened();
    void share(const SharePlaces &places);

    // Each of these first writes what waits.
    QList<AnswerRow> read(const RecordFilter &filter);
    bool deleteRecord();
    // Only pupil's answers, the others' untouched; an empty text when done.
    QString deletePupilAnswers(const Pupil &pupil);
    // A copy holding pupil's answers alone; an empty text when done.
    QString exportTo(const QString &target, const Pupil &pupil);

    // The session's end and what waits go in (retried for a few seconds
    // while another program holds the file), the file is closed and the
    // class folder and the server get a last round.
    void finish(const QDateTime &when);
    // The same without the wait and the last round: "Nuovo gioco".
    void close(const QDateTime &when);

signals:
    void trouble(const QString &line);
    // How many of the answers handed in are now in the file.
    void answersStored(int count);

private:
    RecordWriter &writer();
    bool write();
    void scheduleRetry();
    void stamp(const QDateTime &when);

    QString m_path;
    std::unique_ptr<quiz::Clock> m_clock; // the time of the call being served
    std::unique_ptr<RecordWriter> m_writer;
    std::unique_ptr<RecordSharing> m_sharing;
    QTimer m_retry;
    std::chrono::milliseconds m_retryDelay;
    bool m_used = false; // an answer or a session was handed in
    int m_handedIn = 0;
    int m_stored = 0;
};

// Runs a RecordService on a thread of its own and hands it the window's
// calls. Writing never waits: an answer is queued and the call returns.
// What the pupil asked to see, copy or delete is waited for, a few seconds
// at most; the record's thread then answers at once, as another program's
// write lock does not keep a reader out of a file with a rollback journal.
class RecordThread : public QObject
{
    Q_OBJECT

public:
    RecordThread(const QString &path, const quiz::Clock &clock, QObject *parent = nullptr);
    // finish(), then the thread ends.
    ~RecordThread() override;

    QString path() const { return m_path; }

    // The thread starts here, or at the first call that needs it (an answer,
    // a read, the end); until then what is handed over waits in its queue.
    void start();

    void setPupil(const QString &name, const QString &className);
    void startSession(int level);
    void endSession();
    void addAnswer(AnswerRow row);
    void markSolutionOpened();
    void share(const SharePlaces &places);
    void close();

    QList<AnswerRow> read(const RecordFilter &filter = {});
    // The same without waiting: done gets the answers on context's thread,
    // unless context is gone by then.
    void readLater(const RecordFilter &filter, QObject *context,
                   std::function<void(const QList<AnswerRow> &)> done);
    bool deleteRecord();
    QString deletePupilAnswers(const Pupil &pupil);
    QString exportTo(const QString &target, const Pupil &pupil);

    // Every way out: writes what waits and closes the file; true when done
    // within the time allowed.
    bool finish();
    // Waits until every call handed over so far has run; for tests and
    // benchmarks that read the file themselves.
    bool settle(std::chrono::milliseconds limit = std::chrono::seconds(30));

signals:
    void trouble(const QString &line);
    void answersStored(int count);

private:
    template <typename Work> void post(Work work);
    // The same without starting the thread.
    template <typename Work> void queue(Work work);
    template <typename Result, typename Work>
    std::optional<Result> call(Work work, std::chrono::milliseconds limit);

    QString m_path;
    const quiz::Clock &m_clock;
    QThread *m_thread;
    RecordService *m_service;
    bool m_finished = false;
};

} // namespace record
