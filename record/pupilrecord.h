// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/pupil.h"

#include <QString>

namespace record {

// On an account that pupils share, each one's answers are theirs alone: a
// pupil without a name owns the answers given without one.

// Writes at to a copy of the record at from holding pupil's answers only
// (and only the sessions they were given in), with the others' gone from
// the file itself, not just hidden. Returns an empty text when done, else
// the reason in the user's words; to is then left as it was.
QString copyPupilRecord(const QString &from, const QString &to, const Pupil &pupil);

// Deletes pupil's answers from the record at path, the others' untouched.
// Returns an empty text when done, else the reason.
QString deletePupilAnswers(const QString &path, const Pupil &pupil);

} // namespace record
