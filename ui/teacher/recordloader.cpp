// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/recordloader.h"

#include "record/recordfolder.h"
#include "record/serveraddress.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

namespace ui::teacher {

RecordLoader::RecordLoader(QObject *parent) : QObject(parent)
{
}

RecordLoader::~RecordLoader()
{
    // The thread reads no more than a row after being stopped; it must end
    // before the objects it reports to.
    for (const std::shared_ptr<Run> &run : std::as_const(m_live))
        run->stop = true;
    for (const std::shared_ptr<Run> &run : std::as_const(m_live))
        if (run->thread)
            run->thread->wait();
}

void RecordLoader::stopRun()
{
    if (m_run)
        m_run->stop = true;
    m_run.reset();
    m_reading = false;
}

void RecordLoader::start(const QStringList &paths, const record::RecordFilter &filter)
{
    stopRun();
    auto run = std::make_shared<Run>();
    m_run = run;
    m_reading = true;
    QPointer<RecordLoader> self(this);
    run->thread = QThread::create([run, self, paths, filter, password = m_serverPassword] {
        QStringList files;
        QList<record::SkippedFile> walkSkipped;
        for (const QString &path : paths) {
            if (record::isServerUrl(path) || !QFileInfo(path).isDir()) {
                files << path;
                continue;
            }
            record::FolderFiles found = record::recordFilesUnder(path);
            files += found.files;
            walkSkipped += found.skipped;
        }
        record::RecordReader reader(filter);
        reader.setServerPassword(password);
        reader.setStop(&run->stop);
        reader.setProgress([run, self](qsizetype done, qsizetype total) {
            QMetaObject::invokeMethod(
                self,
                [run, self, done, total] {
                    if (self && self->m_run == run)
                        emit self->progress(done, total);
                },
                Qt::QueuedConnection);
        });
        record::ReportFigures contents = reader.readFigures(files);
        contents.skipped = walkSkipped + contents.skipped;
        QMetaObject::invokeMethod(
            self,
            [run, self, contents = std::move(contents)] {
                if (!self || self->m_run != run || run->stop)
                    return;
                self->m_reading = false;
                self->m_run.reset();
                emit self->read(contents);
            },
            Qt::QueuedConnection);
    });
    // A thread cancelled goes on alone to its next row and deletes itself.
    connect(run->thread, &QThread::finished, run->thread, &QObject::deleteLater);
    connect(run->thread, &QThread::finished, this, [this, run] {
        run->thread = nullptr;
        m_live.removeOne(run);
    });
    m_live.append(run);
    run->thread->start();
}

void RecordLoader::cancel()
{
    if (!m_reading)
        return;
    stopRun();
    emit cancelled();
}

} // namespace ui::teacher
