// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/assignmentrun.h"

#include <QCoreApplication>

#include <algorithm>

namespace quiz {

AssignmentRun::AssignmentRun(const Assignment &assignment, const AssignmentProgress &progress)
    : m_assignment(assignment), m_code(assignmentCode(assignment)),
      m_problems(assignmentProblems(assignment)), m_progress(progress)
{
    // Progress kept by an older run may not fit: what is left of it still counts.
    m_progress.answered = std::clamp(m_progress.answered, 0, assignment.count);
    m_progress.right = std::clamp(m_progress.right, 0, m_progress.answered);
    m_progress.seconds = std::max<qint64>(m_progress.seconds, 0);
}

Problem AssignmentRun::pose(const QDateTime &now, const format::DisplayLocale &locale)
{
    Q_ASSERT(!finished());
    m_posed = m_progress.answered + 1;
    m_posedAt = now;
    Problem problem = problemOf(m_problems[m_posed - 1], locale);
    problem.level = m_assignment.level;
    problem.assignment = m_code;
    return problem;
}

void AssignmentRun::answered(bool right, const QDateTime &now)
{
    if (m_posed != m_progress.answered + 1)
        return; // nothing posed, or this problem already answered
    ++m_progress.answered;
    if (right)
        ++m_progress.right;
    // A clock set back must not take time off.
    m_progress.seconds += std::max<qint64>(m_posedAt.secsTo(now), 0);
}

QString AssignmentRun::progressText() const
{
    return QCoreApplication::translate("quiz", "Compito %1: %2 di %3")
        .arg(m_code)
        .arg(std::max(m_posed, 1))
        .arg(m_assignment.count);
}

QString AssignmentRun::endText() const
{
    return QCoreApplication::translate("quiz",
                                       "Compito %1 finito: %2 esatte su %3, in %4 min %5 s.")
        .arg(m_code)
        .arg(m_progress.right)
        .arg(m_assignment.count)
        .arg(m_progress.seconds / 60)
        .arg(m_progress.seconds % 60);
}

} // namespace quiz
