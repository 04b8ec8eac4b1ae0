// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignment.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace quiz {

// How far a pupil has gone in an assignment, kept between runs of the
// program so that a pupil who stops can go on later.
struct AssignmentProgress
{
    int answered = 0;
    int right = 0;
    qint64 seconds = 0; // spent on the problems answered, not between runs

    friend bool operator==(const AssignmentProgress &, const AssignmentProgress &) = default;
};

// One pupil's way through an assignment: problem k on screen is problem k
// on its sheet, at its level, whatever the window's own level.
class AssignmentRun
{
public:
    explicit AssignmentRun(const Assignment &assignment, const AssignmentProgress &progress = {});

    const Assignment &assignment() const { return m_assignment; }
    QString code() const { return m_code; }
    const AssignmentProgress &progress() const { return m_progress; }
    bool finished() const { return m_progress.answered >= m_assignment.count; }
    // The number (1..count) of the problem on display; 0 before the first.
    int posed() const { return m_posed; }

    // The next problem to answer, from now; the run must not be finished.
    Problem pose(const QDateTime &now, const format::DisplayLocale &locale);
    // The answer to the problem posed, counted at now.
    void answered(bool right, const QDateTime &now);

    // "Compito K4Q2-7XMB-3T: 3 di 20".
    QString progressText() const;
    // "Compito K4Q2-7XMB-3T finito: 17 esatte su 20, in 12 min 5 s."
    QString endText() const;

private:
    Assignment m_assignment;
    QString m_code;
    QList<ProblemDraw> m_problems;
    AssignmentProgress m_progress;
    int m_posed = 0;
    QDateTime m_posedAt;
};

} // namespace quiz
