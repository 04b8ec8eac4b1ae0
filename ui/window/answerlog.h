// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/answer.h"
#include "quiz/clock.h"
#include "quiz/level.h"
#include "quiz/problem.h"
#include "quiz/quizsession.h"
#include "record/answerrow.h"
#include "record/pupil.h"
#include "record/reviewboxes.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

namespace record {
class RecordThread;
struct SharePlaces;
} // namespace record

namespace ui {

// The window's side of the pupil's record: every judged answer goes in,
// with the seconds it took and whether its worked solution was opened. The
// record's own thread writes it (record::RecordThread), so the window never
// waits for the file. The file is opened at the first answer, after the
// first problem is on screen, and a file that will not take the answers is
// said once, in a box that does not stop the quiz. It knows who plays, and
// which kinds of problem that pupil is to review.
class AnswerLog : public QObject
{
    Q_OBJECT

public:
    AnswerLog(const QString &path, const quiz::Clock &clock, QWidget *window);
    ~AnswerLog() override;

    // Hears of the session's problems, verdicts and levels.
    void listenTo(quiz::QuizSession &session);

    void problemShown();
    void answered(const quiz::Problem &problem, const quiz::Verdict &verdict);
    // The same, once the window has painted what is on screen now.
    void answeredAfterPaint(const quiz::Problem &problem, const quiz::Verdict &verdict);
    void solutionOpened();
    void levelChosen(quiz::Level level);
    // "Nuovo gioco": the session's end goes in and the file is let go; the
    // next answer starts a new session.
    void closeSession();
    // Every way out of the program: what waits is written and the file
    // closed, waited for a few seconds at most.
    void finish();
    // Waits until the record's thread has done all it was handed.
    bool settle();
    // Starts the record's thread now rather than at the first answer.
    void startRecord();
    // Sends the answers on to the school's server and the class folder too.
    void share(const record::SharePlaces &places);
    bool copiesToClassFolder() const { return m_copiesToClassFolder; }

    QString path() const { return m_path; }
    record::Pupil pupil() const { return m_pupil; }
    void setPupil(const record::Pupil &pupil);
    // "Chi gioca?": at start the fields are empty, as another pupil may have
    // played last, and only "Senza nome" plays without a name; from the menu
    // they hold the current pupil and a cancel changes nothing.
    void choosePupil(bool atStart);

    // Every answer in the file, and those of the pupil who plays (with any
    // still to be written).
    QList<record::AnswerRow> allAnswers() const;
    // The same, handed to done once read, without waiting.
    void readPupilAnswers(QObject *context,
                          std::function<void(const QList<record::AnswerRow> &)> done);

    // Deletes the file, every pupil's answers; true when it is gone.
    bool deleteRecord();
    // Deletes the answers of the pupil who plays, the others' untouched: an
    // empty text when done, else why not.
    QString deletePupilAnswers();
    // A copy of the file at target holding the answers of the pupil who
    // plays: an empty text when done, else why not.
    QString exportTo(const QString &target);

    bool reviewing() const { return m_reviewing; }
    void setReviewing(bool on);
    // The weights of the level's kinds for the next draw: none when not
    // reviewing, so that the draw is the uniform one.
    QList<int> reviewWeights(quiz::Level level);

signals:
    // How many of this run's answers are in the file now.
    void answersStored(int count);
    void pupilChanged();

protected:
    bool event(QEvent *event) override;

private:
    record::RecordThread &record();
    void writeAfterPaint();
    void tell(const QString &line);

    QString m_path;
    const quiz::Clock &m_clock;
    QWidget *m_window;
    std::unique_ptr<record::RecordThread> m_record;
    bool m_sessionStarted = false;
    bool m_copiesToClassFolder = false;
    quiz::Level m_sessionLevel = quiz::defaultLevel;
    QDateTime m_shownAt;
    QPointer<QMessageBox> m_box;
    QList<std::pair<quiz::Problem, quiz::Verdict>> m_afterPaint;
    record::Pupil m_pupil;
    bool m_reviewing = false;
    std::optional<record::ReviewBoxes> m_review; // read from the file when first needed
};

} // namespace ui
