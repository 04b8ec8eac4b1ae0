// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizsession.h"

#include "quiz/review.h"

namespace quiz {

QuizSession::QuizSession(const Clock &clock, RandomSource &random, Level level, QObject *parent)
    : QObject(parent), m_clock(clock), m_random(random), m_level(level)
{
}

void QuizSession::load()
{
    m_state.RightCount = 0;
    m_state.WrongCount = 0;
    m_state.AlarmTime = QString();
}

void QuizSession::poseProblem(const format::DisplayLocale &locale, const QList<int> &weights)
{
    m_problem = generateProblemReviewed(m_level, m_state, m_random, m_clock, locale, weights);
    emit problemPosed(m_problem);
}

void QuizSession::pose(const Problem &problem)
{
    m_problem = problem;
    m_state.ExpectedValue = problem.expectedValue();
    emit problemPosed(m_problem);
}

Verdict QuizSession::judge(const QString &boxText, const format::DisplayLocale &locale)
{
    const Verdict verdict = judgeAnswer(m_state, boxText, locale);
    if (verdict.counted)
        emit answerJudged(m_problem, verdict);
    return verdict;
}

void QuizSession::setLevel(Level level)
{
    if (level == m_level)
        return;
    m_level = level;
    emit levelChanged(level);
}

} // namespace quiz
