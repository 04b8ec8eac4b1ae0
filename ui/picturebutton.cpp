// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

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
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

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
