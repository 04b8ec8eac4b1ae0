// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace ui {

// Fusion, with the menu bar's overflow arrows drawn here. The style's own
// arrows are files that Qt offers to every image plugin first, which loaded
// the GIF, ICO and JPEG plugins (and libjpeg) at every start.
class DrawnIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit DrawnIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace ui
