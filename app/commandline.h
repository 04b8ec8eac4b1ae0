// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/questionfilecommand.h"
#include "app/reportcommand.h"
#include "app/worksheetcommand.h"
#include "format/language.h"
#include "quiz/assignment.h"

#include <QString>
#include <QStringList>

namespace app {

// What the arguments ask for: open the quiz window, write a worksheet, a
// report or question files, or print a text and end with a status; only the
// window needs a display.
struct CommandLineResult
{
    enum class Action { RunWindow, PrintAndExit, WriteWorksheet, WriteReport, WriteQuestionFiles };

    Action action = Action::RunWindow;
    QString output; // printed when the action is PrintAndExit
    bool toStandardError = false;
    int exitStatus = 0;
    WorksheetCommand worksheet;                 // when the action is WriteWorksheet
    ReportCommand report;                       // when the action is WriteReport
    QuestionFileCommand questionFiles;          // when the action is WriteQuestionFiles
    QString platform;                           // Qt's -platform, when given
    QString display;                            // Qt's -display, when given
    std::optional<format::Language> language;   // --language, when given
    std::optional<quiz::Assignment> assignment; // for the window, when given
    bool teacher = false;                       // the teacher's window, not the quiz
};

inline constexpr int usageErrorStatus = 2;

// Reads the arguments as main receives them (program name first). Qt's own
// options (-platform, -style, ...) are accepted and left for QApplication.
CommandLineResult parseCommandLine(const QStringList &arguments, const QString &version);

// The language a well-formed --language asks for, read before the parse so
// that the parse's own texts (--help, its errors) are in that language.
std::optional<format::Language> askedLanguage(const QStringList &arguments);

} // namespace app
