// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answerrow.h"

#include "quiz/problem.h"

namespace record {

QString kindId(const quiz::ProblemKind &kind)
{
    const auto givens = kind.givens();
    return quiz::lengthLetters(kind.asked()) + u':' + quiz::lengthLetters(givens[0]) + u',' +
           quiz::lengthLetters(givens[1]);
}

AnswerRow answerRowOf(const quiz::Problem &problem, const QString &typed, bool right,
                      double seconds, int level)
{
    const quiz::ProblemKind &kind = problem.kind();
    const quiz::Triangle triangle = problem.draw.triangle();
    AnswerRow row;
    row.level = level;
    row.kind = kindId(kind);
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
