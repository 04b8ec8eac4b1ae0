// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/pupil.h"

#include <algorithm>

namespace record {

QList<Pupil> pupilsIn(const QList<AnswerRow> &answers)
{
    QList<Pupil> pupils;
    for (const AnswerRow &row : answers) {
        const Pupil pupil{row.pupil, row.className};
        if (!pupil.name.isEmpty() && !pupils.contains(pupil))
            pupils.append(pupil);
    }
    std::sort(pupils.begin(), pupils.end(), [](const Pupil &a, const Pupil &b) {
        return std::pair(a.className, a.name) < std::pair(b.className, b.name);
    });
    return pupils;
}

QList<AnswerRow> answersOf(const QList<AnswerRow> &answers, const Pupil &pupil)
{
    QList<AnswerRow> theirs;
    for (const AnswerRow &row : answers) {
        if (row.pupil == pupil.name && row.className == pupil.className)
            theirs.append(row);
    }
    return theirs;
}

} // namespace record
