// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/designlabel.h"

namespace ui {

DesignLabel::DesignLabel(const QString &name, const QRect &rect, Sizing sizing, QWidget *parent)
    : QLabel(parent), m_sizing(sizing)
{
    setObjectName(name);
    setGeometry(rect);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void DesignLabel::setCaption(const QString &caption)
{
    setText(caption);
    if (m_sizing == SizeToText)
        resize(sizeHint());
    else if (m_sizing == FitText)
        fitFont();
}

void DesignLabel::setDesignFont(const QFont &font)
{
    m_designFont = font;
    setFont(font);
}

void DesignLabel::fitFont()
{
    QFont font = m_designFont;
    const int room = contentsRect().width();
    while (font.pointSizeF() > 8 && QFontMetrics(font).horizontalAdvance(text()) > room)
        font.setPointSizeF(font.pointSizeF() - 1);
    setFont(font);
}

void DesignLabel::setTextColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void DesignLabel::setSingleBorder()
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

} // namespace ui
