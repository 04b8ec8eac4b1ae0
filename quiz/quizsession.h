// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/answer.h"
#include "quiz/clock.h"
#include "quiz/level.h"
#include "quiz/problem.h"
#include "quiz/quizstate.h"
#include "quiz/randomsource.h"

#include <QList>
#include <QObject>

namespace quiz {

// One game at the window: the problem on display, the score and the level.
// QuizState alone holds the designed fields. The session says what happened
// in signals of meaning; the window, its screen-reader texts, the exercises
// menu and the record listen, and none of them reaches into another's state.
class QuizSession : public QObject
{
    Q_OBJECT

public:
    QuizSession(const Clock &clock, RandomSource &random, Level level, QObject *parent = nullptr);

    QuizState &state() { return m_state; }
    const QuizState &state() const { return m_state; }
    const Problem &problem() const { return m_problem; }
    Level level() const { return m_level; }

    // The load step: the counters and the alarm time start again; every
    // other field keeps its value.
    void load();
    // Draws a new problem of the level, the kinds weighted for the review
    // when weights are given, and says so.
    void poseProblem(const format::DisplayLocale &locale, const QList<int> &weights = {});
    // Poses a problem drawn elsewhere (an assignment's), judged as a drawn
    // one is: ExpectedValue takes its asked length.
    void pose(const Problem &problem);
    // Judges the text of the answer box against the problem on display. A
    // number is counted and said; a text that is no number is neither.
    Verdict judge(const QString &boxText, const format::DisplayLocale &locale);
    // The level of the next problem.
    void setLevel(Level level);

signals:
    void problemPosed(const quiz::Problem &problem);
    void answerJudged(const quiz::Problem &problem, const quiz::Verdict &verdict);
    void levelChanged(quiz::Level level);

private:
    const Clock &m_clock;
    RandomSource &m_random;
    QuizState m_state;
    Problem m_problem;
    Level m_level;
};

} // namespace quiz
