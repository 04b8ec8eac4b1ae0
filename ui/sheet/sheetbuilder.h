// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/sheet/sheetcontrols.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

namespace ui {

struct ControlDesign;

// The design names Windows faces. Where one is not installed, the face that
// stands in for it: asked for by the missing name, the font database would
// search fontconfig's fallbacks for every size.
QString installedFamily(const char *family);

// Creates the sheet from its design table and lays it out at a scale.
class SheetBuilder
{
public:
    // A new sheet with every control, not yet placed: applyScale() places
    // it, once the window knows how much room it has.
    SheetControls build();
    // Places, sizes and fonts of the last sheet built, at scale times the
    // design (1.0 is the design itself).
    void applyScale(double scale);
    // The smallest area that shows every control as designed, in pixels.
    static QSize designedSize();
    // The scale last applied; 0 while the sheet is not placed.
    double scale() const { return m_scale; }

private:
    QWidget *create(const ControlDesign &design, QWidget *sheet);
    void place(const ControlDesign &design, QWidget *control, double scale);
    void setBehaviour(SheetControls &controls) const;
    void setTabOrder() const;

    QPointer<QWidget> m_sheet;
    double m_scale = 0;
    std::vector<QWidget *> m_controls; // in table order
};

} // namespace ui
