// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QHash>
#include <QList>
#include <QString>

#include <span>

namespace quiz {
struct ProblemKind;
}

namespace record {

// Leitner-like boxes, one a kind of problem: a wrong answer puts the kind
// back in the first box, each right answer after it moves it on, and after
// rightsToLeave rights in a row it leaves the review. A kind in review is
// drawn more often, the more so the nearer its last wrong answer.
class ReviewBoxes
{
public:
    static constexpr int rightsToLeave = 2;
    // Only answers of these last days put a kind in review.
    static constexpr int recentDays = 30;

    // Answers in the order they were given.
    void add(const QString &kind, bool right);
    void addAll(const QList<AnswerRow> &answers);

    // Right answers the kind still needs to leave the review; 0 when out.
    int rightsToGo(const QString &kind) const { return m_rightsToGo.value(kind, 0); }

    // One weight a kind, in the order given: 1 for a kind out of review,
    // more for one in it (first box 4, second box 2).
    QList<int> weights(std::span<const quiz::ProblemKind> kinds) const;

private:
    QHash<QString, int> m_rightsToGo;
};

} // namespace record
