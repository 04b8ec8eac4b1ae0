// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordsharing.h"

#include "record/answersender.h"
#include "record/recordcopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <utility>

namespace record {

namespace {

// This file's texts, under its namespace's context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(record)
};

QString serverLine(ServerProblem problem, const ServerAddress &server)
{
    return problemLine(problem, server) + u' ' +
           Texts::tr("Il gioco continua: le risposte restano su questo computer e saranno inviate "
                     "appena possibile.");
}

QString copyLine(const QString &reason)
{
    return Texts::tr("Non riesco a copiare i risultati nella cartella della classe (%1). Il gioco "
                     "continua: i risultati restano su questo computer e saranno copiati appena la "
                     "cartella sarà di nuovo raggiungibile.")
        .arg(reason);
}

} // namespace

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
    : QObject(parent), m_recordPath(recordPath), m_places(places)
{
    m_retry.setInterval(retry);
    connect(&m_retry, &QTimer::timeout, this, &RecordSharing::post);
    m_retry.start();
    post();
}

RecordSharing::~RecordSharing()
{
    round();
}

void RecordSharing::answerWritten()
{
    m_copyDue = true;
    post();
}

// One round waits at most: answers given meanwhile go with it.
void RecordSharing::post()
{
    if (std::exchange(m_roundPosted, true))
        return;
    QMetaObject::invokeMethod(this, &RecordSharing::round, Qt::QueuedConnection);
}

void RecordSharing::round()
{
    m_roundPosted = false;
    send();
    copy();
}

void RecordSharing::send()
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

void RecordSharing::copy()
{
    if (m_places.classCopy.isEmpty() || !std::exchange(m_copyDue, false))
        return;
    const QString reason = copyRecord(m_recordPath, m_places.classCopy, CopyReaders::FolderGroup);
    if (reason.isEmpty()) {
        m_copySaid = false;
        return;
    }
    m_copyDue = true;
    if (!m_copySaid) {
        m_copySaid = true;
        emit trouble(copyLine(reason));
    }
}

} // namespace record
