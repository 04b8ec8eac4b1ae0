// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordservice.h"

#include "record/pupilrecord.h"
#include "record/recordfile.h"
#include "record/recordwriter.h"

#include "quiz/clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QSemaphore>
#include <QThread>

#include <memory>

namespace record {

namespace {

using namespace std::chrono_literals;

constexpr auto firstRetry = 500ms;
// A full disk or a long lock is not hammered, nor waited on for long.
constexpr auto longestRetry = 8s;
// At the end the lock of another copy is waited out this long.
constexpr auto lastWrite = 4s;
constexpr auto answerWait = 10s;
constexpr auto finishWait = 6s;

// The time of the call being served, read on the caller's thread.
class StampClock final : public quiz::Clock
{
public:
    QDateTime dateTime() const override
    {
        return now.isValid() ? now : QDateTime::currentDateTime();
    }
    QDateTime now;
};

} // namespace

RecordService::RecordService(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_clock(std::make_unique<StampClock>()), m_retry(this),
      m_retryDelay(firstRetry)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &RecordService::write);
}

RecordService::~RecordService() = default;

// Made on the record's thread, where the file's connection must live.
RecordWriter &RecordService::writer()
{
    if (!m_writer) {
        m_writer = std::make_unique<RecordWriter>(m_path, *m_clock);
        connect(m_writer.get(), &RecordWriter::trouble, this, &RecordService::trouble);
    }
    return *m_writer;
}

void RecordService::stamp(const QDateTime &when)
{
    static_cast<StampClock &>(*m_clock).now = when;
}

void RecordService::setPupil(const QString &name, const QString &className)
{
    writer().setPupil(name, className);
}

void RecordService::startSession(int level, const QDateTime &when)
{
    stamp(when);
    m_used = true;
    writer().startSession(level, false);
    write();
}

void RecordService::endSession(const QDateTime &when)
{
    stamp(when);
    writer().endSession(false);
    write();
}

void RecordService::addAnswer(const AnswerRow &row)
{
    stamp(row.when);
    m_used = true;
    ++m_handedIn;
    // While a retry is due the file is known to refuse: the answer joins
    // those that wait rather than wait on the lock once more.
    writer().addAnswer(row, !m_retry.isActive());
    if (!m_retry.isActive())
        write();
}

void RecordService::markSolutionOpened()
{
    writer().markSolutionOpened(false);
    if (write() && m_sharing)
        m_sharing->answerWritten();
}

void RecordService::share(const SharePlaces &places)
{
    m_sharing.reset();
    if (!places.any())
        return;
    m_sharing = std::make_unique<RecordSharing>(m_path, places);
    connect(m_sharing.get(), &RecordSharing::trouble, this, &RecordService::trouble);
}

// Writes what waits; on failure tries again later, less often each time.
bool RecordService::write()
{
    // Until the first answer there is nothing to write, and no file to make.
    if (!m_used)
        return true;
    const bool written = writer().flush();
    if (written) {
        m_retry.stop();
        m_retryDelay = firstRetry;
    } else {
        scheduleRetry();
    }
    const int stored = m_handedIn - int(writer().waiting());
    if (stored != m_stored) {
        m_stored = stored;
        emit answersStored(m_stored);
        if (m_sharing)
            m_sharing->answerWritten();
    }
    return written;
}

void RecordService::scheduleRetry()
{
    if (m_retry.isActive())
        return;
    m_retry.start(m_retryDelay);
    m_retryDelay = std::min<std::chrono::milliseconds>(m_retryDelay * 2, longestRetry);
}

QList<AnswerRow> RecordService::read(const RecordFilter &filter)
{
    write();
    // A file not made yet holds no answers; the reader would call it unreadable.
    if (!QFileInfo::exists(m_path))
        return {};
    RecordReader reader(filter);
    reader.setOwnRecord(true);
    return reader.read({m_path}).answers;
}

bool RecordService::deleteRecord()
{
    write(); // so that none comes in after the deletion
    m_retry.stop();
    m_handedIn = m_stored;
    m_used = false;
    return writer().deleteRecord();
}

QString RecordService::deletePupilAnswers(const Pupil &pupil)
{
    write(); // so that none of theirs comes in after the deletion
    return record::deletePupilAnswers(m_path, pupil);
}

QString RecordService::exportTo(const QString &target, const Pupil &pupil)
{
    write();
    return copyPupilRecord(m_path, target, pupil);
}

void RecordService::finish(const QDateTime &when)
{
    stamp(when);
    writer().endSession(false);
    const QDeadlineTimer deadline(lastWrite);
    write();
    while (writer().waiting() > 0 && !deadline.hasExpired()) {
        QThread::msleep(100);
        m_retry.stop();
        write();
    }
    m_retry.stop();
    writer().close();
    // After the session's end is in the file, so the last copy has it.
    m_sharing.reset();
}

void RecordService::close(const QDateTime &when)
{
    stamp(when);
    writer().endSession(false);
    write();
    writer().close();
}

// ---- RecordThread ----

RecordThread::RecordThread(const QString &path, const quiz::Clock &clock, QObject *parent)
    : QObject(parent), m_path(path), m_clock(clock), m_thread(new QThread),
      m_service(new RecordService(path))
{
    m_thread->setObjectName(QStringLiteral("record"));
    m_service->moveToThread(m_thread);
    connect(m_service, &RecordService::trouble, this, &RecordThread::trouble);
    connect(m_service, &RecordService::answersStored, this, &RecordThread::answersStored);
}

void RecordThread::start()
{
    if (!m_thread->isRunning() && !m_thread->isFinished())
        m_thread->start();
}

RecordThread::~RecordThread()
{
    finish();
    RecordService *service = m_service;
    QThread *thread = m_thread;
    post([service] {
        delete service;
        QThread::currentThread()->quit();
    });
    if (thread->wait(QDeadlineTimer(finishWait))) {
        delete thread;
        return;
    }
    // A share that hangs must not hold the program open: the thread is left
    // to end on its own, and the local file has everything.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

template <typename Work> void RecordThread::queue(Work work)
{
    QMetaObject::invokeMethod(m_service, std::move(work), Qt::QueuedConnection);
}

template <typename Work> void RecordThread::post(Work work)
{
    queue(std::move(work));
    start();
}

template <typename Result, typename Work>
std::optional<Result> RecordThread::call(Work work, std::chrono::milliseconds limit)
{
    struct Outcome
    {
        QSemaphore done;
        Result result{};
    };
    auto outcome = std::make_shared<Outcome>();
    RecordService *service = m_service;
    post([outcome, service, work = std::move(work)] {
        outcome->result = work(*service);
        outcome->done.release();
    });
    if (!outcome->done.tryAcquire(1, limit))
        return std::nullopt;
    return std::move(outcome->result);
}

void RecordThread::setPupil(const QString &name, const QString &className)
{
    queue([service = m_service, name, className] { service->setPupil(name, className); });
}

void RecordThread::startSession(int level)
{
    post([service = m_service, level, when = m_clock.dateTime()] {
        service->startSession(level, when);
    });
}

void RecordThread::endSession()
{
    post([service = m_service, when = m_clock.dateTime()] { service->endSession(when); });
}

void RecordThread::addAnswer(AnswerRow row)
{
    if (!row.when.isValid())
        row.when = m_clock.dateTime();
    m_finished = false;
    post([service = m_service, row] { service->addAnswer(row); });
}

void RecordThread::markSolutionOpened()
{
    post([service = m_service] { service->markSolutionOpened(); });
}

void RecordThread::share(const SharePlaces &places)
{
    queue([service = m_service, places] { service->share(places); });
}

void RecordThread::close()
{
    post([service = m_service, when = m_clock.dateTime()] { service->close(when); });
}

QList<AnswerRow> RecordThread::read(const RecordFilter &filter)
{
    return call<QList<AnswerRow>>([filter](RecordService &service) { return service.read(filter); },
                                  answerWait)
        .value_or(QList<AnswerRow>());
}

void RecordThread::readLater(const RecordFilter &filter, QObject *context,
                             std::function<void(const QList<AnswerRow> &)> done)
{
    post([service = m_service, filter, context = QPointer<QObject>(context),
          done = std::move(done)] {
        const QList<AnswerRow> answers = service->read(filter);
        if (context)
            QMetaObject::invokeMethod(
                context.get(), [done, answers] { done(answers); }, Qt::QueuedConnection);
    });
}

bool RecordThread::deleteRecord()
{
    return call<bool>([](RecordService &service) { return service.deleteRecord(); }, answerWait)
        .value_or(false);
}

QString RecordThread::deletePupilAnswers(const Pupil &pupil)
{
    return call<QString>(
               [pupil](RecordService &service) { return service.deletePupilAnswers(pupil); },
               answerWait)
        .value_or(
            QCoreApplication::translate("record", "il registro è occupato da un altro programma"));
}

QString RecordThread::exportTo(const QString &target, const Pupil &pupil)
{
    return call<QString>(
               [target, pupil](RecordService &service) { return service.exportTo(target, pupil); },
               answerWait)
        .value_or(
            QCoreApplication::translate("record", "il registro è occupato da un altro programma"));
}

bool RecordThread::finish()
{
    if (m_finished)
        return true;
    m_finished = true;
    const QDateTime when = m_clock.dateTime();
    return call<bool>(
               [when](RecordService &service) {
                   service.finish(when);
                   return true;
               },
               finishWait)
        .value_or(false);
}

bool RecordThread::settle(std::chrono::milliseconds limit)
{
    return call<bool>([](RecordService &) { return true; }, limit).value_or(false);
}

} // namespace record
