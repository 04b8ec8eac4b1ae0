// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace record {

// Writes the report as a spreadsheet whole or not at all: sheets "Alunni",
// "Tipi", "Compiti" and "Risposte", numbers and dates as real cells, the
// header row frozen. counted are the answers the report counts; everyone
// the answers that name every pupil an assignment lists. Returns the
// Italian line that says why it could not, or nothing.
std::optional<QString> writeReportXlsx(const QString &path, const QList<AnswerRow> &counted,
                                       const QList<AnswerRow> &everyone);

struct ReportFigures;
// Hands each counted answer to take, in order; false when the rows could not
// all be read.
using CountedRows = std::function<bool(const std::function<void(const AnswerRow &)> &take)>;

// The same from the figures summed where the answers are, the answers'
// sheet written row after row as rows hands them over.
std::optional<QString> writeReportXlsx(const QString &path, const ReportFigures &figures,
                                       const CountedRows &rows);

} // namespace record
