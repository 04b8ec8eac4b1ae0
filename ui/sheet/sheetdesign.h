// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/sheet/sheetcontrols.h"

#include <QRgb>
#include <Qt>

#include <array>
#include <span>

namespace ui {

enum class ControlKind {
    FixedLabel,  // keeps its designed size
    SizedLabel,  // follows its caption
    FittedLabel, // keeps its size, shrinks its font for a long caption
    Picture,     // artwork at its own size
    Icon,        // an icon drawn at the control's width
    TextBox,
    Button,
    SolidRect,
    OutlineRect,
    Line,
};

struct FontDesign
{
    const char *family = nullptr; // none: the sheet's font
    double points = 0;
    bool bold = true;
    bool italic = false;
};

inline constexpr QRgb noColour = 0; // fully transparent: the control keeps its own

inline constexpr QRgb rgb(unsigned value)
{
    return 0xFF000000u | value;
}

// One control of the sheet as drawn, in twips.
struct ControlDesign
{
    const char *name;
    ControlKind kind;
    std::array<int, 4> place; // left, top, width, height; a line: x1, y1, x2, y2
    const char *caption = ""; // a picture's artwork name
    FontDesign font = {};
    QRgb fore = noColour; // text, line or shape colour
    QRgb back = noColour; // text box base or button face
    int line = 0;         // border or pen width
    Qt::Alignment alignment = {};
    const char *toolTip = "";
    int tabIndex = -1; // -1: not in the tab chain
    bool pointingHand = false;
    std::array<const char *, 3> pictures = {}; // a button's: normal, pressed ("": normal), disabled
    ControlSlot slot = {};                     // none: the window never works with it
};

// The sheet itself.
inline constexpr QRgb sheetColour = rgb(0xFFFFC0);
inline constexpr FontDesign sheetFont{"MS Sans Serif", 18};
inline constexpr std::array<int, 2> designedClientTwips{13095, 8310}; // status bar included

// Every control of the sheet, back to front.
std::span<const ControlDesign> sheetDesign();

} // namespace ui
