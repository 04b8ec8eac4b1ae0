// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QDate>
#include <QList>

namespace record {

struct Tally
{
    int answers = 0;
    int right = 0;

    int wrong() const { return answers - right; }
    // 0 when there are no answers, so an empty table reads 0 %, not NaN.
    double percentRight() const { return answers == 0 ? 0.0 : 100.0 * right / answers; }
    void add(bool isRight);
};

struct PupilSummary
{
    QString pupil;
    QString className;
    Tally tally;
    double seconds = 0; // time spent: the sum of the seconds to each answer
    QList<int> levels;  // played, in increasing order
    int longestRun = 0; // right answers in a row
};

struct KindSummary
{
    QString kind;
    Tally tally;
};

struct DaySummary
{
    QDate day;
    Tally tally;
};

// The kinds with a wrong answer, most wrong first (ties in the order given),
// at most count.
QList<KindSummary> mostOftenWrong(QList<KindSummary> kinds, int count = 5);

// The figures the pupil's window and the teacher's report show, worked out
// from answer rows of one or many pupils.
class RecordSummary
{
public:
    explicit RecordSummary(QList<AnswerRow> answers);

    Tally total() const;
    Tally onDay(QDate day) const;
    // Pupils by class, then name; a pupil is a name within a class.
    QList<PupilSummary> pupils() const;
    // Kinds by their id.
    QList<KindSummary> kinds() const;
    // The kinds with a wrong answer, most wrong first (ties by id), at most count.
    QList<KindSummary> mostOftenWrong(int count = 5) const;
    // Days with answers, oldest first.
    QList<DaySummary> days() const;
    // The longest run of right answers, in the order they were given.
    int longestRightRun() const;

private:
    QList<AnswerRow> m_answers; // by time
};

} // namespace record
