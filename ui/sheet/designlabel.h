// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLabel>

namespace ui {

// A sheet label: transparent, optionally framed, and either fixed in
// size or following its caption.
class DesignLabel : public QLabel
{
    Q_OBJECT

public:
    // FitText keeps the size and shrinks the font for a caption too long for it.
    enum Sizing { FixedSize, SizeToText, FitText };

    DesignLabel(const QString &name, const QRect &rect, Sizing sizing, QWidget *parent);

    void setCaption(const QString &caption);
    // The font the caption is drawn in; a FitText label shrinks from it.
    void setDesignFont(const QFont &font);
    void setTextColour(const QColor &colour);
    void setSingleBorder();

private:
    void fitFont();

    Sizing m_sizing;
    QFont m_designFont;
};

} // namespace ui
