// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordreader.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class QCommandLineParser;

namespace app {

// --report, --records, --from, --to and --class.
QList<QCommandLineOption> reportOptions();

bool reportRequested(const QCommandLineParser &parser);
// The first option given that only means something with --report.
std::optional<QString> reportOnlyOptionGiven(const QCommandLineParser &parser);

struct ReportCommand
{
    QString path;        // ends in .pdf or .csv
    QStringList records; // record files or folders of them
    record::RecordFilter filter;
};
// The report the options ask for, or the Italian reason they are wrong.
std::variant<ReportCommand, QString> readReportCommand(const QCommandLineParser &parser);

// Writes the report without a display. Returns the exit status: 0 on
// success, 2 with one Italian line on standard error when nothing is written.
int runReportCommand(int argc, char *argv[], const ReportCommand &command);

} // namespace app
