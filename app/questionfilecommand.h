// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/questionset.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <variant>

class QCommandLineParser;

namespace app {

// --moodle and --gift: the worksheet's problems as questions that a
// learning platform imports, chosen by the worksheet's options.
QList<QCommandLineOption> questionFileOptions();

// True when the parsed arguments ask for a question file.
bool questionFileRequested(const QCommandLineParser &parser);
// Whether name (without dashes) is --moodle or --gift.
bool isQuestionFileOption(const QString &name);

// The files, the problems and the category that the options ask for. The
// request is the worksheet's, so any other way of choosing the problems
// (an assignment's code) fills the same fields; an empty category stands
// for the request's own.
struct QuestionFileCommand
{
    print::QuestionFiles files;
    print::WorksheetRequest request;
    QString category;
};
// The command, or the Italian reason the options are wrong.
std::variant<QuestionFileCommand, QString>
readQuestionFileCommand(const QCommandLineParser &parser);

// Writes the files without a display. Returns the exit status: 0 on success,
// 2 with one line on standard error when a file cannot be written.
int runQuestionFileCommand(int argc, char *argv[], const QuestionFileCommand &command);

} // namespace app
