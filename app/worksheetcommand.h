// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/worksheet.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

class QCommandLineParser;

namespace app {

// --worksheet and the options that shape its sheet.
QList<QCommandLineOption> worksheetOptions();

// True when the parsed arguments ask for a worksheet instead of the window.
bool worksheetRequested(const QCommandLineParser &parser);
// The first option given that chooses the problems (--count, --theorem,
// --seed, --level): they mean something only with a command that writes
// problems to a file, or with --new-assignment.
std::optional<QString> problemOptionGiven(const QCommandLineParser &parser);
// Whether --key, which only the worksheet has, was given.
bool keyOptionGiven(const QCommandLineParser &parser);

// The problems --count, --theorem, --level and --seed ask for (a seed drawn
// when none is given), or the Italian reason they are wrong.
std::variant<quiz::Assignment, QString> readProblemOptions(const QCommandLineParser &parser);
// The problems of a sheet: those --assignment names, or those the options
// ask for; the Italian reason when they are wrong.
std::variant<print::WorksheetRequest, QString> readSheetProblems(const QCommandLineParser &parser);

// Whether name (without dashes) is --worksheet itself.
bool isWorksheetOption(const QString &name);
// The line that says a file option (without dashes) was given no file name.
QString missingFileName(const QString &option);
// The file a file option names, with suffix added when it has none;
// nothing when the name is missing.
std::optional<QString> outputPath(const QString &given, const QString &suffix);

// The file and the sheet that the options ask for, or the Italian reason
// they are wrong.
struct WorksheetCommand
{
    QString path;
    print::WorksheetRequest request;
};
std::variant<WorksheetCommand, QString> readWorksheetCommand(const QCommandLineParser &parser);

// Writes the sheet without a display. Returns the exit status: 0 on success,
// 2 with one Italian line on standard error when the file cannot be written.
int runWorksheetCommand(int argc, char *argv[], const WorksheetCommand &command);

} // namespace app
