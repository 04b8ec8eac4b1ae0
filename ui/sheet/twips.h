// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

// The sheet is designed in twips: 1440 to the inch, 15 to a logical pixel.
namespace ui::twips {

inline constexpr double perPixel = 15.0;

inline int toPixels(int twips)
{
    return qRound(twips / perPixel);
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QPointF point(int x, int y)
{
    return QPointF(x / perPixel, y / perPixel);
}

inline QRect rect(const QRect &twipsRect)
{
    return rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height());
}

// Unrounded, for the thin segments of the figure.
inline QRectF rectF(const QRect &twipsRect)
{
    return QRectF(point(twipsRect.x(), twipsRect.y()),
                  QSizeF(twipsRect.width() / perPixel, twipsRect.height() / perPixel));
}

} // namespace ui::twips
