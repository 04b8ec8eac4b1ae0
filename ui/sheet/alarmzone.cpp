// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/alarmzone.h"

#include <QMouseEvent>
#include <QWidget>

namespace ui {
namespace {

// In twips, as the sheet is designed: the stopwatch (8760, 1080, 480 square)
// and the clock under it (8520, 1560, 1170 wide), with room below the clock
// down to the illustration, which begins at 2400.
constexpr QRect designedStopwatch(8760, 1080, 480, 480);
constexpr QRect designedZone(8520, 1080, 1170, 1080);

} // namespace

AlarmZone::AlarmZone(QWidget *stopwatch) : QObject(stopwatch), m_stopwatch(stopwatch)
{
    stopwatch->parentWidget()->installEventFilter(this);
}

QRect AlarmZone::area() const
{
    // Pixels per twip at the sheet's present scale, read off the stopwatch.
    const double k = double(m_stopwatch->width()) / designedStopwatch.width();
    const QPoint offset = designedZone.topLeft() - designedStopwatch.topLeft();
    return QRect(m_stopwatch->pos() + QPoint(qRound(offset.x() * k), qRound(offset.y() * k)),
                 QSize(qRound(designedZone.width() * k), qRound(designedZone.height() * k)));
}

bool AlarmZone::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton && area().contains(press->position().toPoint())) {
            emit clicked();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
