// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/picturebutton.h"

#include <QPen>
#include <QStylePainter>
#include <qdrawutil.h>

namespace ui {
namespace {

// The focus frame lies inside the button's two-pixel border.
constexpr int focusInset = 4;

} // namespace

PictureButton::PictureButton(const QString &name, const QString &caption, const QColor &face,
                             QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &pressed,
                                const QPixmap &disabled)
{
    m_normal = normal;
    m_pressed = pressed.isNull() ? normal : pressed;
    m_disabled = disabled.isNull() ? normal : disabled;
    update();
}

QPixmap PictureButton::currentPicture() const
{
    if (!isEnabled())
        return m_disabled;
    return isDown() ? m_pressed : m_normal;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    // The face is filled flat in its colour, as drawn; a style's bevel would
    // lighten it with a gradient.
    QStylePainter painter(this);
    const QBrush face(palette().color(QPalette::Button));
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
    if (hasFocus()) {
        // A dotted frame in the caption's colour, drawn here: the style's
        // frame tints the whole face, and shows only after a Tab, while the
        // window hands this button the focus itself after a verdict.
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(focusInset, focusInset, -focusInset - 1, -focusInset - 1));
    }

    const QPixmap picture = currentPicture();
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    const int captionHeight = fontMetrics().height();
    const int top = (height() - pictureSize.height() - captionHeight) / 2;
    const QPoint offset = isDown() ? QPoint(1, 1) : QPoint();
    painter.drawPixmap(QPoint((width() - pictureSize.width()) / 2, top) + offset, picture);

    const QRect captionRect(0, top + pictureSize.height(), width(), captionHeight);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect.translated(offset), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text());
}

} // namespace ui
