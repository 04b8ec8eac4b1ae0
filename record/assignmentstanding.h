// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/summary.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <tuple>

namespace record {

// How far one pupil went in an assignment: the last answer to each of its
// problems counts.
struct AssignmentStanding
{
    enum class State { NotBegun, Begun, Done };

    QString pupil;
    QString className;
    int answered = 0; // problems of the sheet answered
    int count = 0;    // problems on the sheet
    Tally tally;      // of the last answers to each problem
    double seconds = 0;
    QDateTime finished; // the last answer, once done

    State state() const
    {
        return answered == count ? State::Done : answered > 0 ? State::Begun : State::NotBegun;
    }
};

struct AssignmentStandings
{
    QList<AssignmentStanding> pupils; // in the order of the pupils given
    QList<Tally> byProblem;           // every answer to each problem of the sheet
    QList<QString> kindOf;            // each problem's kind, where answered

    int counted(AssignmentStanding::State state) const;
};

// A problem as its answers name it: kind, triangle and multiplier.
using ProblemOfSheet = std::tuple<QString, int, int>;

// A pupil's answers to one problem of an assignment: every one, and the last.
struct ProblemAnswers
{
    Tally all;
    bool lastRight = false;
    double lastSeconds = 0;
    QDateTime lastWhen;
};
using PupilKey = std::pair<QString, QString>; // class, name
using Attempts = QHash<PupilKey, QMap<ProblemOfSheet, ProblemAnswers>>;

// Each pupil's standing in the assignment of code, from each pupil's answers
// to its problems; empty when the code names no assignment.
AssignmentStandings assignmentStandings(const QString &code, const QList<PupilSummary> &pupils,
                                        const Attempts &attempts);

// Each pupil's standing in the assignment of code, from the answers (in time
// order); empty when the code names no assignment.
AssignmentStandings assignmentStandings(const QString &code, const QList<PupilSummary> &pupils,
                                        const QList<AnswerRow> &answers);

// The assignments the answers name, in the order first met.
QStringList assignmentCodes(const QList<AnswerRow> &answers);

} // namespace record
