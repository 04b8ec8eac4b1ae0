// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QList>
#include <QString>

namespace record {

// Who plays: a name within a class, as the answer rows keep it. Either may
// be empty.
struct Pupil
{
    QString name;
    QString className;

    friend bool operator==(const Pupil &, const Pupil &) = default;
};

// The named pupils that answered, by class and then name, each once.
QList<Pupil> pupilsIn(const QList<AnswerRow> &answers);

// The answers of one pupil, in their order. On an account that pupils
// share each sees only their own.
QList<AnswerRow> answersOf(const QList<AnswerRow> &answers, const Pupil &pupil);

} // namespace record
