// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/level.h"
#include "quiz/problemset.h"

#include <QList>
#include <QString>

#include <optional>

namespace quiz {

// A piece of work a teacher gives the class: the same problems on every
// pupil's screen and on paper, held whole by a short code.
struct Assignment
{
    Level level = defaultLevel;
    TheoremChoice theorem = TheoremChoice::Both;
    int count = defaultProblemSetSize;
    quint32 seed = 0;

    friend bool operator==(const Assignment &, const Assignment &) = default;
};

// Whether the assignment can be given: a count in range and a level that
// offers problems under the theorem.
bool isGivable(const Assignment &assignment);

// The code of a givable assignment, "K4Q2-7XMB-3T": nine symbols of
// Crockford's base 32 and a check symbol, in groups of four.
QString assignmentCode(const Assignment &assignment);

// The assignment a typed code names, or nothing when the code is not one:
// a wrong length, a symbol outside the alphabet, a failed check, or an
// assignment that cannot be given. Case, blanks and dashes do not count, and
// O, I and L are read as 0, 1 and 1.
std::optional<Assignment> assignmentOfCode(const QString &typed);

// "Codice del compito non valido".
QString invalidAssignmentCode();

// The problems of the assignment, in the worksheet's order.
QList<ProblemDraw> assignmentProblems(const Assignment &assignment);

} // namespace quiz
