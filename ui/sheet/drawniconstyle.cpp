// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/drawniconstyle.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace ui {
namespace {

constexpr int arrowSize = 8;

// Two chevrons, "»" or its downward turn, at 1x, 2x and 3x.
QIcon overflowArrow(Qt::Orientation pointing, const QColor &colour)
{
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(QSize(arrowSize, arrowSize) * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, 1.2));
        for (qreal offset : {0.5, 4.0}) {
            QPolygonF chevron{{offset, 1}, {offset + 3, 4}, {offset, 7}};
            if (pointing == Qt::Vertical)
                for (QPointF &point : chevron)
                    point = point.transposed();
            painter.drawPolyline(chevron);
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

DrawnIconStyle::DrawnIconStyle(QStyle *base) : QProxyStyle(base)
{
}

QIcon DrawnIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                   const QWidget *widget) const
{
    const QColor colour =
        (option ? option->palette : standardPalette()).color(QPalette::ButtonText);
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return overflowArrow(Qt::Horizontal, colour);
    if (icon == SP_ToolBarVerticalExtensionButton)
        return overflowArrow(Qt::Vertical, colour);
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace ui
