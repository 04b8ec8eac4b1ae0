// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/assignmentstanding.h"

#include "quiz/assignment.h"
#include "quiz/kindid.h"

#include <QHash>
#include <QMap>

#include <algorithm>

#include <map>
#include <tuple>

namespace record {
namespace {

// Where each answer's problem stands on the assignment's sheet: its triangle
// and kind name one problem of the set.
class SheetPlaces
{
public:
    explicit SheetPlaces(const quiz::Assignment &assignment)
    {
        const QList<quiz::ProblemDraw> problems = quiz::assignmentProblems(assignment);
        for (qsizetype i = 0; i < problems.size(); ++i)
            m_places[{quiz::kindId(problems[i].kind()), problems[i].GenM, problems[i].Multiplier}] =
                int(i);
    }

    // -1 for an answer to no problem of the sheet.
    int of(const AnswerRow &row) const { return of({row.kind, row.m, row.n}); }
    int of(const ProblemOfSheet &problem) const
    {
        const auto found = m_places.find(problem);
        return found == m_places.end() ? -1 : found->second;
    }

private:
    std::map<std::tuple<QString, int, int>, int> m_places;
};

// One pupil's answers to an assignment: the last answer to each of its
// problems, by the problem's number on the sheet.
using Attempt = QMap<int, AnswerRow>;

// An assignment of count problems before any answer is counted.
AssignmentStandings unanswered(int count)
{
    AssignmentStandings standings;
    standings.byProblem.resize(count);
    standings.kindOf.resize(count);
    return standings;
}

AssignmentStanding unansweredBy(const PupilSummary &pupil, int count)
{
    AssignmentStanding standing;
    standing.pupil = pupil.pupil;
    standing.className = pupil.className;
    standing.count = count;
    return standing;
}

} // namespace

int AssignmentStandings::counted(AssignmentStanding::State state) const
{
    return int(std::count_if(pupils.cbegin(), pupils.cend(),
                             [state](const AssignmentStanding &p) { return p.state() == state; }));
}

AssignmentStandings assignmentStandings(const QString &code, const QList<PupilSummary> &pupils,
                                        const QList<AnswerRow> &answers)
{
    const auto assignment = quiz::assignmentOfCode(code);
    if (!assignment)
        return {};
    const SheetPlaces places(*assignment);
    AssignmentStandings standings = unanswered(assignment->count);
    QHash<PupilKey, Attempt> attempts;
    for (const AnswerRow &row : answers) {
        const int place = places.of(row);
        if (row.assignment != code || place < 0)
            continue;
        attempts[{row.className, row.pupil}][place] = row; // rows come in time order
        standings.byProblem[place].add(row.right);
        standings.kindOf[place] = row.kind;
    }
    for (const PupilSummary &pupil : pupils) {
        const Attempt attempt = attempts.value({pupil.className, pupil.pupil});
        AssignmentStanding standing = unansweredBy(pupil, assignment->count);
        standing.answered = int(attempt.size());
        QDateTime last;
        for (const AnswerRow &row : attempt) {
            standing.tally.add(row.right);
            standing.seconds += row.seconds;
            if (!last.isValid() || row.when > last)
                last = row.when;
        }
        if (standing.state() == AssignmentStanding::State::Done)
            standing.finished = last;
        standings.pupils.append(standing);
    }
    return standings;
}

AssignmentStandings assignmentStandings(const QString &code, const QList<PupilSummary> &pupils,
                                        const Attempts &attempts)
{
    const auto assignment = quiz::assignmentOfCode(code);
    if (!assignment)
        return {};
    const SheetPlaces places(*assignment);
    AssignmentStandings standings = unanswered(assignment->count);
    for (auto pupil = attempts.cbegin(); pupil != attempts.cend(); ++pupil) {
        for (auto problem = pupil->cbegin(); problem != pupil->cend(); ++problem) {
            const int place = places.of(problem.key());
            if (place < 0)
                continue;
            standings.byProblem[place].answers += problem->all.answers;
            standings.byProblem[place].right += problem->all.right;
            standings.kindOf[place] = std::get<0>(problem.key());
        }
    }
    for (const PupilSummary &pupil : pupils) {
        AssignmentStanding standing = unansweredBy(pupil, assignment->count);
        QDateTime last;
        const QMap<ProblemOfSheet, ProblemAnswers> own =
            attempts.value({pupil.className, pupil.pupil});
        for (auto problem = own.cbegin(); problem != own.cend(); ++problem) {
            if (places.of(problem.key()) < 0)
                continue;
            ++standing.answered;
            standing.tally.add(problem->lastRight);
            standing.seconds += problem->lastSeconds;
            if (!last.isValid() || problem->lastWhen > last)
                last = problem->lastWhen;
        }
        if (standing.state() == AssignmentStanding::State::Done)
            standing.finished = last;
        standings.pupils.append(standing);
    }
    return standings;
}

QStringList assignmentCodes(const QList<AnswerRow> &answers)
{
    QStringList codes;
    for (const AnswerRow &row : answers) {
        if (!row.assignment.isEmpty() && !codes.contains(row.assignment))
            codes.append(row.assignment);
    }
    return codes;
}

} // namespace record
