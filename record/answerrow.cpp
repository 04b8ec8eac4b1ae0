// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answerrow.h"

#include "quiz/kindid.h"
#include "quiz/problem.h"

namespace record {

AnswerRow answerRowOf(const quiz::Problem &problem, const QString &typed, bool right,
                      double seconds)
{
    const quiz::ProblemKind &kind = problem.kind();
    const quiz::Triangle triangle = problem.draw.triangle();
    AnswerRow row;
    row.level = int(problem.level);
    row.kind = quiz::kindId(kind);
    row.m = problem.draw.GenM;
    row.n = problem.draw.Multiplier;
    row.given1 = triangle.length(kind.givens()[0]);
    row.given2 = triangle.length(kind.givens()[1]);
    row.asked = quiz::lengthLetters(kind.asked());
    // The triangle's own length, not the single-precision value the answer
    // is judged against: the record and the report show it as the pupil saw it.
    row.expected = triangle.length(kind.asked());
    row.typed = typed;
    row.right = right;
    row.seconds = seconds;
    row.assignment = problem.assignment;
    return row;
}

} // namespace record
