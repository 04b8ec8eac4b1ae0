// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/figureitems.h"

#include <QPainter>

namespace ui {
namespace {

// The widget covers the shape plus half a pen on every side.
QRect boundsOf(const QRectF &shape, qreal penWidth)
{
    const double margin = penWidth / 2.0 + 1;
    return shape.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

} // namespace

LineItem::LineItem(const QString &name, QPointF from, QPointF to, const QColor &colour, int width,
                   QWidget *parent)
    : QWidget(parent), m_colour(colour), m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnds(from, to);
}

void LineItem::setEnds(QPointF from, QPointF to)
{
    const QRect bounds = boundsOf(QRectF(from, to), m_width);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    update();
}

void LineItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(m_from, m_to);
}

RectItem::RectItem(const QString &name, const QRectF &rect, const QColor &colour, Fill fill,
                   int borderWidth, QWidget *parent)
    : QWidget(parent), m_colour(colour), m_fill(fill), m_borderWidth(borderWidth)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setShape(rect);
}

void RectItem::setShape(const QRectF &rect)
{
    const QRect bounds = boundsOf(rect, m_borderWidth);
    setGeometry(bounds);
    m_rect = rect.translated(-bounds.topLeft());
    update();
}

void RectItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill == Solid)
        painter.fillRect(m_rect.adjusted(0, 0, 1, 1), m_colour);
    painter.setPen(QPen(m_colour, m_borderWidth));
    painter.drawRect(m_rect);
}

} // namespace ui
