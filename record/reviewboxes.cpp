// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/reviewboxes.h"

#include "quiz/kindid.h"

#include "quiz/kind.h"

namespace record {

void ReviewBoxes::add(const QString &kind, bool right)
{
    if (!right) {
        m_rightsToGo.insert(kind, rightsToLeave);
        return;
    }
    const auto box = m_rightsToGo.find(kind);
    if (box == m_rightsToGo.end())
        return;
    if (--box.value() == 0)
        m_rightsToGo.erase(box);
}

void ReviewBoxes::addAll(const QList<AnswerRow> &answers)
{
    for (const AnswerRow &row : answers)
        add(row.kind, row.right);
}

QList<int> ReviewBoxes::weights(std::span<const quiz::ProblemKind> kinds) const
{
    QList<int> weights;
    weights.reserve(qsizetype(kinds.size()));
    for (const quiz::ProblemKind &kind : kinds)
        weights.append(1 << rightsToGo(quiz::kindId(kind)));
    return weights;
}

} // namespace record
