// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/results/tallychart.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace ui::teacher {

// Bars beside a table of tallies, one a row, in the order the table is
// sorted and level with its rows as it scrolls. The table is what a screen
// reader reads; the bars are its picture, named as such and never focused.
// What the colours mean stands level with the table's header.
class TableChart : public QWidget
{
    Q_OBJECT

public:
    // The table's columns (numbers in Qt::UserRole) the bars are made of.
    struct Columns
    {
        int label;
        int answers;
        int right;
    };

    TableChart(QTableView *table, Columns columns, TallyChart::Scale scale,
               QWidget *parent = nullptr);

    const QList<TallyChart::Bar> &bars() const { return m_chart->bars(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void rebuild();
    void align();

    QTableView *m_table;
    Columns m_columns;
    TallyChart *m_chart;
    QLabel *m_legend;
};

} // namespace ui::teacher
