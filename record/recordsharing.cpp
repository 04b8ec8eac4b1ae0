// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordsharing.h"

#include "record/answersender.h"
#include "record/recordcopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QThread>

#include <atomic>
#include <memory>

namespace record {

namespace {

constexpr unsigned long lastRoundMilliseconds = 5000;

// lupdate files a free tr() call under the enclosing namespace.
QString tr(const char *text)
{
    return QCoreApplication::translate("record", text);
}

QString serverLine(ServerProblem problem, const ServerAddress &server)
{
    return problemLine(problem, server) + u' ' +
           tr("Il gioco continua: le risposte restano su questo computer e saranno inviate "
              "appena possibile.");
}

QString copyLine(const QString &reason)
{
    return tr("Non riesco a copiare i risultati nella cartella della classe (%1). Il gioco "
              "continua: i risultati restano su questo computer e saranno copiati appena la "
              "cartella sarà di nuovo raggiungibile.")
        .arg(reason);
}

} // namespace

// Lives on the sharing thread, with its own connections.
class ShareWorker : public QObject
{
    Q_OBJECT

public:
    ShareWorker(QString recordPath, SharePlaces places)
        : m_recordPath(std::move(recordPath)), m_places(std::move(places))
    {
    }

    std::atomic<bool> roundPosted = false;
    std::atomic<bool> copyDue = true;

    void round()
    {
        roundPosted = false;
        send();
        copy();
    }

    void finish()
    {
        round();
        m_sender.reset();
        thread()->quit();
    }

signals:
    void trouble(const QString &line);

private:
    void send()
    {
        if (!m_places.server.isNamed())
            return;
        if (!m_sender)
            m_sender = std::make_unique<AnswerSender>(m_recordPath, m_places.server);
        if (m_sender->sendWaiting()) {
            m_serverSaid = false;
        } else if (!m_serverSaid) {
            m_serverSaid = true;
            emit trouble(serverLine(m_sender->problem(), m_places.server));
        }
    }

    void copy()
    {
        if (m_places.classCopy.isEmpty() || !copyDue.exchange(false))
            return;
        const QString reason =
            copyRecord(m_recordPath, m_places.classCopy, CopyReaders::FolderGroup);
        if (reason.isEmpty()) {
            m_copySaid = false;
            return;
        }
        copyDue = true;
        if (!m_copySaid) {
            m_copySaid = true;
            emit trouble(copyLine(reason));
        }
    }

    QString m_recordPath;
    SharePlaces m_places;
    std::unique_ptr<AnswerSender> m_sender;
    bool m_serverSaid = false;
    bool m_copySaid = false;
};

QString classCopyName(const QString &account, const QString &host)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]+"));
    QString safeAccount = account;
    QString safeHost = host;
    safeAccount.replace(unsafe, QStringLiteral("_"));
    safeHost.replace(unsafe, QStringLiteral("_"));
    // A leading dot would hide the file; ".." would name a folder.
    if (safeAccount.startsWith(u'.'))
        safeAccount.prepend(u'_');
    return safeAccount + u'@' + safeHost + QStringLiteral(".sqlite");
}

RecordSharing::RecordSharing(const QString &recordPath, const SharePlaces &places,
                             std::chrono::milliseconds retry, QObject *parent)
    : QObject(parent), m_thread(new QThread), m_worker(new ShareWorker(recordPath, places))
{
    m_worker->moveToThread(m_thread);
    connect(m_worker, &ShareWorker::trouble, this, &RecordSharing::trouble, Qt::QueuedConnection);
    m_thread->start();
    m_retry.setInterval(retry);
    connect(&m_retry, &QTimer::timeout, this, &RecordSharing::post);
    m_retry.start();
    post();
}

RecordSharing::~RecordSharing()
{
    m_retry.stop();
    QMetaObject::invokeMethod(m_worker, &ShareWorker::finish, Qt::QueuedConnection);
    if (!m_thread->wait(lastRoundMilliseconds)) {
        // A share that hangs must not hold the program open: the thread is
        // left to finish on its own, and the local file has everything.
        QThread *thread = m_thread;
        ShareWorker *worker = m_worker;
        QObject::connect(thread, &QThread::finished, QCoreApplication::instance(), [thread, worker] {
            delete worker;
            thread->deleteLater();
        });
        return;
    }
    delete m_worker;
    delete m_thread;
}

void RecordSharing::answerWritten()
{
    m_worker->copyDue = true;
    post();
}

// One round waits at most: answers given meanwhile go with it.
void RecordSharing::post()
{
    if (m_worker->roundPosted.exchange(true))
        return;
    QMetaObject::invokeMethod(m_worker, &ShareWorker::round, Qt::QueuedConnection);
}

} // namespace record

#include "recordsharing.moc"
