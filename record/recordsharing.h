// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/serveraddress.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

#include <memory>

namespace record {

class AnswerSender;

// Where a record goes besides its own file: the school's server, a copy in
// the class folder, either or both.
struct SharePlaces
{
    ServerAddress server; // not named: no server
    QString classCopy;    // the copy's path in the class folder, or empty

    bool any() const { return server.isNamed() || !classCopy.isEmpty(); }
};

// The copy's file name for one account on one computer: the record holds
// every pupil who plays on that account, so one copy each keeps a pupil's
// answers from being counted twice, and no file has two writers.
QString classCopyName(const QString &account, const QString &host);

// Sends the record's new answers to the server and copies the record into
// the class folder, on the thread it lives on: RecordService's, so that a
// slow server or share never holds up the quiz. What fails is tried again at
// the next answer and every retry interval; the local file keeps everything
// meanwhile.
class RecordSharing : public QObject
{
    Q_OBJECT

public:
    RecordSharing(const QString &recordPath, const SharePlaces &places,
                  std::chrono::milliseconds retry = std::chrono::seconds(60),
                  QObject *parent = nullptr);
    // A last send and copy.
    ~RecordSharing() override;

    // The record took new answers.
    void answerWritten();

signals:
    // One Italian line, said once until that place works again.
    void trouble(const QString &line);

private:
    void post();
    void round();
    void send();
    void copy();

    QString m_recordPath;
    SharePlaces m_places;
    std::unique_ptr<AnswerSender> m_sender;
    QTimer m_retry;
    bool m_roundPosted = false;
    bool m_copyDue = true;
    bool m_serverSaid = false;
    bool m_copySaid = false;
};

} // namespace record
