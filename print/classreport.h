// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordreader.h"
#include "record/reportfigures.h"
#include "record/summary.h"

#include <QString>

#include <optional>

namespace print {

// "83,3 %" and "12 min 5 s" as the report writes them.
QString percent(const record::Tally &tally);
QString duration(double seconds);

// The answers a report counts: those of the filter's assignment alone, when
// it names one.
QList<record::AnswerRow> countedAnswers(const record::RecordContents &contents,
                                        const record::RecordFilter &filter);

// Writes the class report (A4, vector) whole or not at all; returns the
// Italian line that says why it could not, or nothing.
std::optional<QString> writeClassReportPdf(const QString &path,
                                           const record::RecordContents &contents,
                                           const record::RecordFilter &filter);
// The same from the figures summed where the answers are.
std::optional<QString> writeClassReportPdf(const QString &path,
                                           const record::ReportFigures &figures,
                                           const record::RecordFilter &filter);

} // namespace print
