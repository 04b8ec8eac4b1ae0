// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "record/summary.h"
#include "ui/results/tallychart.h"

#include <QDate>
#include <QList>

class QTableWidget;
class QWidget;

namespace ui::results {

// One line of a results table: what it counts, and the count.
using Line = TallyChart::Bar;

QList<Line> todayAndAllTime(const record::RecordSummary &summary, QDate today);
QList<Line> byLevel(const QList<record::AnswerRow> &answers);
QList<Line> byKind(const record::RecordSummary &summary);
// The last days with answers, oldest first, labelled with day and month as
// the language writes them ("9/12", "09.12.").
QList<Line> byDay(const record::RecordSummary &summary, int count,
                  const format::DisplayLocale &locale);

// What the bars' colours mean, as rich text; the numbers are in the tables.
QString chartLegend();

// "83,3 %"; "—" with no answers yet.
QString percentText(const record::Tally &tally, const format::DisplayLocale &locale);

// A read-only table of lines, heads "Esatte", "Sbagliate", "Risposte", "% esatte",
// named for a screen reader, as tall as its rows (the window scrolls, not it).
QTableWidget *tallyTable(const QString &name, const QString &firstHead, const QList<Line> &lines,
                         const format::DisplayLocale &locale, QWidget *parent);

} // namespace ui::results
