// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/answerlog.h"

#include "record/answerrow.h"
#include "record/pupilrecord.h"
#include "record/recordfile.h"
#include "record/recordreader.h"
#include "record/recordsharing.h"
#include "record/recordwriter.h"
#include "ui/dialogs/pupildialog.h"
#include "ui/window/pupilsettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>

namespace ui {
namespace {

const QEvent::Type writeAnswers = QEvent::Type(QEvent::registerEventType());

} // namespace

AnswerLog::AnswerLog(const QString &path, const quiz::Clock &clock, QWidget *window)
    : QObject(window), m_path(path), m_clock(clock), m_window(window),
      m_pupil(pupilsettings::remembered()), m_reviewing(pupilsettings::reviewing())
{
}

AnswerLog::~AnswerLog()
{
    writeAfterPaint();
    if (m_writer)
        m_writer->endSession();
    // After the session's end is in the file, so the last copy has it.
    m_sharing.reset();
}

void AnswerLog::share(const record::SharePlaces &places)
{
    m_sharing.reset();
    m_copiesToClassFolder = !places.classCopy.isEmpty();
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
        m_writer->setPupil(m_pupil.name, m_pupil.className);
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
    // A clock set back, or a problem left open over the weekend, is no time
    // spent answering; the record and the server keep a day at most.
    const double seconds =
        m_shownAt.isValid()
            ? std::clamp(m_shownAt.msecsTo(m_clock.dateTime()) / 1000.0, 0.0, 24 * 60 * 60.0)
            : 0;
    const record::AnswerRow row =
        record::answerRowOf(problem, verdict.boxText, verdict.right, seconds, int(problem.level));
    writer().addAnswer(row);
    if (m_sharing)
        m_sharing->answerWritten();
    if (m_review)
        m_review->add(row.kind, row.right);
}

// A repaint is a posted event of low priority (QEvent::UpdateRequest); one
// of lower priority still is delivered after it, so the commit, which waits
// for the disk, comes after the verdict is on screen.
void AnswerLog::answeredAfterPaint(const quiz::Problem &problem, const quiz::Verdict &verdict)
{
    if (m_afterPaint.isEmpty())
        QCoreApplication::postEvent(this, new QEvent(writeAnswers), Qt::LowEventPriority - 1);
    m_afterPaint.append({problem, verdict});
}

bool AnswerLog::event(QEvent *event)
{
    if (event->type() != writeAnswers)
        return QObject::event(event);
    writeAfterPaint();
    return true;
}

void AnswerLog::writeAfterPaint()
{
    const auto answers = std::exchange(m_afterPaint, {});
    for (const auto &[problem, verdict] : answers)
        answered(problem, verdict);
}

void AnswerLog::solutionOpened()
{
    writeAfterPaint(); // the mark goes on the answer, which must be in first
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

void AnswerLog::setPupil(const record::Pupil &pupil)
{
    writeAfterPaint(); // an answer given goes in under who gave it
    m_pupil = pupil;
    m_review.reset();
    if (m_writer)
        m_writer->setPupil(pupil.name, pupil.className);
    emit pupilChanged();
}

void AnswerLog::choosePupil(bool atStart)
{
    PupilDialog dialog(record::pupilsIn(allAnswers()), atStart ? record::Pupil() : m_pupil,
                       pupilsettings::asksAtStart(),
                       atStart ? PupilDialog::Moment::AtStart : PupilDialog::Moment::FromMenu,
                       m_window);
    if (dialog.exec() != QDialog::Accepted) {
        if (atStart)
            setPupil({});
        return;
    }
    setPupil(dialog.chosenPupil());
    pupilsettings::remember(m_pupil);
    if (dialog.asksAtStart() != pupilsettings::asksAtStart())
        pupilsettings::setAsksAtStart(dialog.asksAtStart());
}

QList<record::AnswerRow> AnswerLog::allAnswers() const
{
    // A file not made yet holds no answers; the reader would call it unreadable.
    if (!QFileInfo::exists(m_path))
        return {};
    record::RecordReader reader;
    reader.setOwnRecord(true);
    return reader.read({m_path}).answers;
}

QList<record::AnswerRow> AnswerLog::pupilAnswers()
{
    writeAfterPaint();
    if (m_writer)
        m_writer->flush();
    return record::answersOf(allAnswers(), m_pupil);
}

bool AnswerLog::deleteRecord()
{
    writeAfterPaint(); // so that none comes in after the deletion
    m_review.reset();
    if (m_writer)
        return m_writer->deleteRecord();
    return record::removeRecord(m_path);
}

QString AnswerLog::deletePupilAnswers()
{
    writeAfterPaint(); // so that none of theirs comes in after the deletion
    if (m_writer)
        m_writer->flush();
    m_review.reset();
    return record::deletePupilAnswers(m_path, m_pupil);
}

QString AnswerLog::exportTo(const QString &target)
{
    writeAfterPaint();
    if (m_writer)
        m_writer->flush();
    return record::copyPupilRecord(m_path, target, m_pupil);
}

void AnswerLog::setReviewing(bool on)
{
    m_reviewing = on;
    pupilsettings::setReviewing(on);
}

QList<int> AnswerLog::reviewWeights(quiz::Level level)
{
    if (!m_reviewing)
        return {};
    if (!m_review) {
        record::RecordFilter recent;
        recent.from = m_clock.dateTime().date().addDays(-record::ReviewBoxes::recentDays);
        m_review.emplace();
        record::RecordReader reader(recent);
        reader.setOwnRecord(true);
        if (QFileInfo::exists(m_path))
            m_review->addAll(record::answersOf(reader.read({m_path}).answers, m_pupil));
    }
    return m_review->weights(quiz::kindsOfLevel(level));
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
