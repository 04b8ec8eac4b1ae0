// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/kind.h"
#include "quiz/length.h"

#include <array>
#include <variant>

class QLabel;
class QLineEdit;
class QTimer;
class QWidget;

namespace ui {

class DesignLabel;
class PictureButton;

// The controls the window works with, by the name of the sheet.
struct SheetControls
{
    QWidget *sheet = nullptr;
    QLineEdit *txtAnswer = nullptr;
    QLineEdit *Text1 = nullptr;
    PictureButton *cmdNext = nullptr;
    PictureButton *cmdExit = nullptr;
    DesignLabel *lblMessage = nullptr;
    DesignLabel *Label5 = nullptr;
    DesignLabel *lblScore = nullptr;
    DesignLabel *lblScore1 = nullptr;
    DesignLabel *lblScore2 = nullptr;
    DesignLabel *lblTime = nullptr;
    DesignLabel *Label6 = nullptr;                          // "Risposte esatte", above lblScore
    DesignLabel *Label1 = nullptr;                          // "Risposte errate", above lblScore1
    DesignLabel *Label3 = nullptr;                          // "Risposte totali", above lblScore2
    QLabel *Image4 = nullptr;                               // the triangle
    QLabel *Image1 = nullptr;                               // the stopwatch
    QLabel *Picture3 = nullptr;                             // the illustration
    std::array<DesignLabel *, quiz::lengthCount> lengths{}; // indexed by quiz::Length
    std::array<DesignLabel *, quiz::unitLabelCount> Label2{};
    QTimer *Timer1 = nullptr;
};

// Where a created control goes in SheetControls: a member, or an item of
// the value labels or of the unit labels.
struct LengthSlot
{
    quiz::Length which;
};
struct UnitSlot
{
    int index;
};
using ControlSlot =
    std::variant<std::monostate, DesignLabel * SheetControls::*, QLineEdit * SheetControls::*,
                 PictureButton * SheetControls::*, QLabel * SheetControls::*, LengthSlot, UnitSlot>;

} // namespace ui
