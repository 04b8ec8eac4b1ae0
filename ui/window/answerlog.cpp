// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/answerlog.h"

#include "record/answerrow.h"
#include "record/recordsharing.h"
#include "record/recordwriter.h"

#include <QMessageBox>

namespace ui {

AnswerLog::AnswerLog(const QString &path, const quiz::Clock &clock, QWidget *window)
    : QObject(window), m_path(path), m_clock(clock), m_window(window)
{
}

AnswerLog::~AnswerLog()
{
    if (m_writer)
        m_writer->endSession();
    // After the session's end is in the file, so the last copy has it.
    m_sharing.reset();
}

void AnswerLog::share(const record::SharePlaces &places)
{
    m_sharing.reset();
    if (!places.any())
        return;
    m_sharing = std::make_unique<record::RecordSharing>(m_path, places);
    connect(m_sharing.get(), &record::RecordSharing::trouble, this, &AnswerLog::tell);
}

record::RecordWriter &AnswerLog::writer()
{
    if (!m_writer) {
        m_writer = std::make_unique<record::RecordWriter>(m_path, m_clock);
        connect(m_writer.get(), &record::RecordWriter::trouble, this, &AnswerLog::tell);
        m_writer->startSession(int(m_sessionLevel));
    }
    return *m_writer;
}

void AnswerLog::problemShown()
{
    m_shownAt = m_clock.dateTime();
}

void AnswerLog::answered(const quiz::Problem &problem, const quiz::Verdict &verdict)
{
    if (problem.level != m_sessionLevel) {
        levelChosen(problem.level);
    }
    const double seconds = m_shownAt.isValid() ? m_shownAt.msecsTo(m_clock.dateTime()) / 1000.0 : 0;
    writer().addAnswer(record::answerRowOf(problem, verdict.boxText, verdict.right, seconds,
                                           int(problem.level)));
    if (m_sharing)
        m_sharing->answerWritten();
}

void AnswerLog::solutionOpened()
{
    if (m_writer)
        m_writer->markSolutionOpened();
    if (m_sharing)
        m_sharing->answerWritten();
}

// A session is one level played: a new level starts a new one.
void AnswerLog::levelChosen(quiz::Level level)
{
    m_sessionLevel = level;
    if (!m_writer)
        return;
    m_writer->endSession();
    m_writer->startSession(int(level));
}

void AnswerLog::tell(const QString &line)
{
    if (m_box) {
        m_box->setText(line);
        return;
    }
    m_box = new QMessageBox(QMessageBox::Warning, tr("I miei risultati"), line, QMessageBox::Ok,
                            m_window);
    m_box->setAttribute(Qt::WA_DeleteOnClose);
    m_box->setWindowModality(Qt::NonModal);
    m_box->show();
}

} // namespace ui
