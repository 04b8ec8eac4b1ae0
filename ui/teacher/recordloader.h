// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordreader.h"
#include "record/reportfigures.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>

class QThread;

namespace ui::teacher {

// Sums records on a thread of its own, so that the window answers while a
// class's year of answers is summed. A read cancelled or replaced by a newer
// one is thrown away when it ends; the window does not wait for it.
class RecordLoader : public QObject
{
    Q_OBJECT

public:
    explicit RecordLoader(QObject *parent = nullptr);
    ~RecordLoader() override;

    // Starts reading files and folders (with their sub-folders, walked on
    // the reading thread too); a read still running is cancelled.
    void start(const QStringList &paths, const record::RecordFilter &filter);
    void cancel();
    // For a server URL without one, in the reads started after it.
    void setServerPassword(const QString &password) { m_serverPassword = password; }
    const QString &serverPassword() const { return m_serverPassword; }
    bool reading() const { return m_reading; }

signals:
    void progress(qsizetype done, qsizetype total);
    void read(const record::ReportFigures &figures);
    void cancelled();

private:
    struct Run
    {
        std::atomic_bool stop = false;
        QThread *thread = nullptr;
    };
    void stopRun();

    std::shared_ptr<Run> m_run;
    QList<std::shared_ptr<Run>> m_live; // every thread not yet ended, cancelled ones too
    bool m_reading = false;
    QString m_serverPassword;
};

} // namespace ui::teacher
