// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPushButton>

namespace ui {

// A push button in its face colour with a picture centred above its caption;
// it may show other pictures while pressed and while disabled.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(const QString &name, const QString &caption, const QColor &face, QWidget *parent);

    void setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &disabled);
    // The picture the button shows now.
    QPixmap currentPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_disabled;
};

} // namespace ui
