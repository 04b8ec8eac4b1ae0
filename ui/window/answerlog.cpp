// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/answerlog.h"

#include "record/answerrow.h"
#include "record/recordreader.h"
#include "record/recordservice.h"
#include "ui/dialogs/pupildialog.h"
#include "ui/window/pupilsettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

#include <algorithm>

namespace ui {
namespace {

const QEvent::Type writeAnswers = QEvent::Type(QEvent::registerEventType());

} // namespace

AnswerLog::AnswerLog(const QString &path, const quiz::Clock &clock, QWidget *window)
    : QObject(window), m_path(path), m_clock(clock), m_window(window),
      m_record(std::make_unique<record::RecordThread>(path, clock)),
      m_pupil(pupilsettings::remembered()), m_reviewing(pupilsettings::reviewing())
{
    connect(m_record.get(), &record::RecordThread::trouble, this, &AnswerLog::tell);
    connect(m_record.get(), &record::RecordThread::answersStored, this, &AnswerLog::answersStored);
    m_record->setPupil(m_pupil.name, m_pupil.className);
}

AnswerLog::~AnswerLog()
{
    finish();
}

void AnswerLog::finish()
{
    writeAfterPaint();
    m_record->finish();
}

void AnswerLog::closeSession()
{
    writeAfterPaint();
    if (m_sessionStarted)
        m_record->close();
    m_sessionStarted = false;
}

bool AnswerLog::settle()
{
    writeAfterPaint();
    return m_record->settle();
}

void AnswerLog::startRecord()
{
    m_record->start();
}

void AnswerLog::share(const record::SharePlaces &places)
{
    m_copiesToClassFolder = !places.classCopy.isEmpty();
    m_record->share(places);
}

// The session starts with the first answer, so a run without one leaves
// no file behind.
record::RecordThread &AnswerLog::record()
{
    if (!m_sessionStarted) {
        m_sessionStarted = true;
        m_record->startSession(int(m_sessionLevel));
    }
    return *m_record;
}

void AnswerLog::listenTo(quiz::QuizSession &session)
{
    m_sessionLevel = session.level();
    connect(&session, &quiz::QuizSession::problemPosed, this, [this] { problemShown(); });
    connect(&session, &quiz::QuizSession::answerJudged, this, &AnswerLog::answeredAfterPaint);
    connect(&session, &quiz::QuizSession::levelChanged, this, &AnswerLog::levelChosen);
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
        record::answerRowOf(problem, verdict.boxText, verdict.right, seconds);
    record().addAnswer(row);
    if (m_review)
        m_review->add(row.kind, row.right);
}

// A repaint is a posted event of low priority (QEvent::UpdateRequest); one
// of lower priority still is delivered after it, so the record's thread,
// which competes for the two cores, starts its commit only once the verdict
// is on screen.
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
    if (m_sessionStarted)
        m_record->markSolutionOpened();
}

// A session is one level played: a new level starts a new one.
void AnswerLog::levelChosen(quiz::Level level)
{
    m_sessionLevel = level;
    if (m_sessionStarted)
        m_record->startSession(int(level));
}

void AnswerLog::setPupil(const record::Pupil &pupil)
{
    writeAfterPaint(); // an answer given goes in under who gave it
    m_pupil = pupil;
    m_review.reset();
    m_record->setPupil(pupil.name, pupil.className);
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
    return m_record->read();
}

void AnswerLog::readPupilAnswers(QObject *context,
                                 std::function<void(const QList<record::AnswerRow> &)> done)
{
    writeAfterPaint();
    m_record->readLater(
        {}, context,
        [pupil = m_pupil, done = std::move(done)](const QList<record::AnswerRow> &answers) {
            done(record::answersOf(answers, pupil));
        });
}

bool AnswerLog::deleteRecord()
{
    writeAfterPaint(); // so that none comes in after the deletion
    m_review.reset();
    return m_record->deleteRecord();
}

QString AnswerLog::deletePupilAnswers()
{
    writeAfterPaint(); // so that none of theirs comes in after the deletion
    m_review.reset();
    return m_record->deletePupilAnswers(m_pupil);
}

QString AnswerLog::exportTo(const QString &target)
{
    writeAfterPaint();
    return m_record->exportTo(target, m_pupil);
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
        m_review->addAll(record::answersOf(m_record->read(recent), m_pupil));
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
