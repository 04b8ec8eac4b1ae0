// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/summary.h"

#include <QList>
#include <QWidget>

namespace ui {

// Right and wrong answers as bars, painted here: one bar a row of the table
// beside it (across, labels on the left), or one column a day (upright,
// dates below). The table beside it is what a screen reader reads.
class TallyChart : public QWidget
{
    Q_OBJECT

public:
    enum class Direction { Across, Upright };
    // Across: a bar as long as its answers, or every bar as long as the
    // room, its right part its share of right answers.
    enum class Scale { Answers, Share };
    struct Bar
    {
        QString label;
        record::Tally tally;
    };

    TallyChart(Direction direction, QList<Bar> bars, QWidget *parent = nullptr);

    void setBars(QList<Bar> bars);
    const QList<Bar> &bars() const { return m_bars; }
    void setScale(Scale scale);

    // Across: the first bar's top and the distance between bars, so that
    // each bar stands beside its row of the table.
    void alignWithRows(int top, int pitch);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The widest label, measured in the chart's font: no label is cut short,
    // in any language.
    int widestLabel() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintAcross(class QPainter &painter) const;
    void paintUpright(QPainter &painter) const;
    int mostAnswers() const;
    int labelWidth() const;  // across: the labels' column
    int columnWidth() const; // upright: a day's column, as wide as its date

    Direction m_direction;
    Scale m_scale = Scale::Answers;
    QList<Bar> m_bars;
    int m_top;
    int m_pitch;
};

// The colours of the bars, shared with the legend.
QColor rightColour();
QColor wrongColour();

} // namespace ui
