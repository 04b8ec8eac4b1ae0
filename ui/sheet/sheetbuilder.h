// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problem.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QTimer;

namespace ui {

class DesignLabel;
class PictureButton;
struct ControlDesign;

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
    void bindControls(SheetControls &controls) const;
    void setBehaviour(SheetControls &controls) const;
    void setTabOrder() const;
    template <typename T> T *control(const char *name) const;

    QPointer<QWidget> m_sheet;
    double m_scale = 0;
    std::vector<QWidget *> m_controls; // in table order
};

} // namespace ui
