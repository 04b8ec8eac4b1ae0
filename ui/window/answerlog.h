// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/answer.h"
#include "quiz/clock.h"
#include "quiz/level.h"
#include "quiz/problem.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace record {
class RecordSharing;
class RecordWriter;
struct SharePlaces;
}

namespace ui {

// The window's side of the pupil's record: every judged answer goes in,
// with the seconds it took and whether its worked solution was opened. The
// file is opened at the first answer, after the first problem is on screen,
// and a file that will not take the answers is said once, in a box that
// does not stop the quiz.
class AnswerLog : public QObject
{
    Q_OBJECT

public:
    AnswerLog(const QString &path, const quiz::Clock &clock, QWidget *window);
    ~AnswerLog() override;

    void problemShown();
    void answered(const quiz::Problem &problem, const quiz::Verdict &verdict);
    void solutionOpened();
    void levelChosen(quiz::Level level);
    // Sends the answers on to the school's server and the class folder too.
    void share(const record::SharePlaces &places);

private:
    record::RecordWriter &writer();
    void tell(const QString &line);

    QString m_path;
    const quiz::Clock &m_clock;
    QWidget *m_window;
    std::unique_ptr<record::RecordWriter> m_writer;
    std::unique_ptr<record::RecordSharing> m_sharing;
    quiz::Level m_sessionLevel = quiz::defaultLevel;
    QDateTime m_shownAt;
    QPointer<QMessageBox> m_box;
};

} // namespace ui
