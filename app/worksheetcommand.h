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
// The first option given that only means something with --worksheet (or,
// but for --key, with --new-assignment).
std::optional<QString> worksheetOnlyOptionGiven(const QCommandLineParser &parser);

// Whether name (without dashes) is --worksheet itself.
bool isWorksheetOption(const QString &name);
// The line that says --worksheet was given no file name.
QString missingFileName();

// The file and the sheet that the options ask for, or the Italian reason
// they are wrong.
struct WorksheetCommand
{
    QString path;
    print::WorksheetRequest request;
};
std::variant<WorksheetCommand, QString> readWorksheetCommand(const QCommandLineParser &parser);

// The problems --count, --theorem, --level and --seed ask for (a seed drawn
// when none is given), or the Italian reason they are wrong.
std::variant<quiz::Assignment, QString> readProblemOptions(const QCommandLineParser &parser);

// Writes the sheet without a display. Returns the exit status: 0 on success,
// 2 with one Italian line on standard error when the file cannot be written.
int runWorksheetCommand(int argc, char *argv[], const WorksheetCommand &command);

} // namespace app
