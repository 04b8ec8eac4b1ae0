// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace ui {

// A straight segment drawn over the figure; it takes no mouse input.
class LineItem : public QWidget
{
public:
    LineItem(const QString &name, QPointF from, QPointF to, const QColor &colour, int width,
             QWidget *parent);

    void setEnds(QPointF from, QPointF to);
    // Takes effect with the next setEnds.
    void setPenWidth(qreal width) { m_width = width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_from;
    QPointF m_to;
    QColor m_colour;
    qreal m_width;
};

// A rectangle, filled or outlined; the cover panel is one too.
class RectItem : public QWidget
{
public:
    enum Fill { Outline, Solid };

    RectItem(const QString &name, const QRectF &rect, const QColor &colour, Fill fill,
             int borderWidth, QWidget *parent);

    void setShape(const QRectF &rect);
    // Takes effect with the next setShape.
    void setPenWidth(qreal width) { m_borderWidth = width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF m_rect;
    QColor m_colour;
    Fill m_fill;
    qreal m_borderWidth;
};

} // namespace ui
