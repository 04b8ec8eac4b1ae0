// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignment.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

class QCommandLineParser;

namespace app {

// --new-assignment, which prints the code of the problems that --level,
// --theorem, --count and --seed ask for, and --assignment, which names them
// by that code for the window, the worksheet or the report.
QList<QCommandLineOption> assignmentOptions();

bool newAssignmentRequested(const QCommandLineParser &parser);
bool assignmentGiven(const QCommandLineParser &parser);

// The assignment --assignment names, or the Italian reason it names none.
std::variant<quiz::Assignment, QString> readAssignmentCode(const QCommandLineParser &parser);

// The assignment --new-assignment makes, or the Italian reason the options
// are wrong.
std::variant<quiz::Assignment, QString> readNewAssignment(const QCommandLineParser &parser);

} // namespace app
