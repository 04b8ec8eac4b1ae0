// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/resultstables.h"

#include "quiz/kindid.h"
#include "quiz/level.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMap>
#include <QTableWidget>

namespace ui::results {
namespace {

// This file's texts, under its namespace's context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ui::results)
};

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

QList<Line> todayAndAllTime(const record::RecordSummary &summary, QDate today)
{
    return {{Texts::tr("Oggi"), summary.onDay(today)}, {Texts::tr("In tutto"), summary.total()}};
}

QList<Line> byLevel(const QList<record::AnswerRow> &answers)
{
    QMap<int, record::Tally> levels;
    for (const record::AnswerRow &row : answers)
        levels[row.level].add(row.right);
    QList<Line> lines;
    for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
        const auto level = quiz::levelOfNumber(it.key());
        const QString name = level ? Texts::tr("%1. %2").arg(it.key()).arg(quiz::levelName(*level))
                                   : Texts::tr("Livello %1").arg(it.key());
        lines.append({name, it.value()});
    }
    return lines;
}

QList<Line> byKind(const record::RecordSummary &summary)
{
    QList<Line> lines;
    for (const record::KindSummary &kind : summary.kinds())
        lines.append({quiz::readableKind(kind.kind), kind.tally});
    return lines;
}

QList<Line> byDay(const record::RecordSummary &summary, int count,
                  const format::DisplayLocale &locale)
{
    //: Day and month under a day's column (a QDate format): "dd.MM." in German.
    const QString format = QCoreApplication::translate("ui::results", "d/M");
    QList<Line> lines;
    const QList<record::DaySummary> days = summary.days();
    for (qsizetype i = std::max<qsizetype>(0, days.size() - count); i < days.size(); ++i)
        lines.append({locale.qtLocale.toString(days[i].day, format), days[i].tally});
    return lines;
}

QString chartLegend()
{
    return Texts::tr("Nei grafici: <span style=\"color:%1\">■</span> esatte, "
                     "<span style=\"color:%2\">■</span> sbagliate.")
        .arg(rightColour().name(), wrongColour().name());
}

QString percentText(const record::Tally &tally, const format::DisplayLocale &locale)
{
    if (tally.answers == 0)
        return QStringLiteral("—");
    return locale.qtLocale.toString(tally.percentRight(), 'f', 1) + QStringLiteral(" %");
}

QTableWidget *tallyTable(const QString &name, const QString &firstHead, const QList<Line> &lines,
                         const format::DisplayLocale &locale, QWidget *parent)
{
    auto *table = new QTableWidget(int(lines.size()), 5, parent);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels({firstHead, Texts::tr("Esatte"), Texts::tr("Sbagliate"),
                                      Texts::tr("Risposte"), Texts::tr("% esatte")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table for the next one
    const Qt::Alignment number = Qt::AlignRight;
    for (int row = 0; row < lines.size(); ++row) {
        const record::Tally &tally = lines[row].tally;
        table->setItem(row, 0, cell(lines[row].label, Qt::AlignLeft));
        table->setItem(row, 1, cell(locale.qtLocale.toString(tally.right), number));
        table->setItem(row, 2, cell(locale.qtLocale.toString(tally.wrong()), number));
        table->setItem(row, 3, cell(locale.qtLocale.toString(tally.answers), number));
        table->setItem(row, 4, cell(percentText(tally, locale), number));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // As large as its cells: the window scrolls, not the table.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * table->frameWidth();
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < lines.size(); ++row)
        height += table->rowHeight(row);
    table->setFixedSize(width, height);
    return table;
}

} // namespace ui::results
