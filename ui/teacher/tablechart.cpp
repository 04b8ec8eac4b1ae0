// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/tablechart.h"

#include "ui/results/resultstables.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

namespace ui::teacher {

TableChart::TableChart(QTableView *table, Columns columns, TallyChart::Scale scale, QWidget *parent)
    : QWidget(parent), m_table(table), m_columns(columns),
      m_chart(new TallyChart(TallyChart::Direction::Across, {}, this)),
      m_legend(new QLabel(results::chartLegend(), this))
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    setAccessibleName(tr("Grafico: %1").arg(table->accessibleName()));
    setAccessibleDescription(tr("Le stesse risposte della tabella, in barre."));
    m_chart->setScale(scale);
    m_legend->setObjectName(QStringLiteral("legenda"));
    m_legend->setIndent(fontMetrics().averageCharWidth());
    m_chart->setAccessibleName(accessibleName());
    // A row scrolled out of the table scrolls out of the chart too.
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QAbstractItemModel *model = table->model();
    connect(model, &QAbstractItemModel::modelReset, this, &TableChart::rebuild);
    connect(model, &QAbstractItemModel::layoutChanged, this, &TableChart::rebuild);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TableChart::rebuild);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TableChart::rebuild);
    connect(model, &QAbstractItemModel::dataChanged, this, &TableChart::rebuild);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &TableChart::align);
    connect(table->verticalHeader(), &QHeaderView::sectionResized, this, &TableChart::align);
    rebuild();
}

void TableChart::rebuild()
{
    const QAbstractItemModel *model = m_table->model();
    QList<TallyChart::Bar> bars;
    for (int row = 0; row < model->rowCount(); ++row) {
        const auto value = [&](int column) {
            return model->index(row, column).data(Qt::UserRole).toInt();
        };
        bars.append({model->index(row, m_columns.label).data().toString(),
                     {value(m_columns.answers), value(m_columns.right)}});
    }
    m_legend->setVisible(!bars.isEmpty());
    m_chart->setBars(std::move(bars));
    align();
}

// The bars stand below the table's header, each beside its row.
void TableChart::align()
{
    const int top = m_table->frameWidth() + m_table->horizontalHeader()->height();
    m_legend->setGeometry(0, 0, width(), top);
    m_chart->setGeometry(0, top, width(), std::max(0, height() - top - m_table->frameWidth()));
    const int rows = m_table->model()->rowCount();
    m_chart->alignWithRows(rows > 0 ? m_table->rowViewportPosition(0) : 0,
                           rows > 0 ? m_table->rowHeight(0) : 0);
    m_chart->update();
}

void TableChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    align();
}

} // namespace ui::teacher
