// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/alarm.h"

#include <QtGlobal>

#include <array>

namespace quiz {

// The window-level variables of the quiz. One set lives as long as the window
// object; reloading the window resets only the counters and the alarm time.
struct QuizState
{
    // 32-bit so that a long game never overflows the score.
    qint32 RightCount = 0;
    qint32 WrongCount = 0;
    AlarmValue AlarmTime;

    qint16 ReseedValue = 0;
    qint16 HiddenPick = 0;
    qint16 SecondPick = 0;  // level 2: 1..3 asks a side instead of HiddenPick's kind
    qint16 TwoStepPick = 0; // level 3: the two-step kind
    qint16 Multiplier = 0;
    qint16 ShapeRoll = 0;
    double ProjBH = 0;
    double ProjHC = 0;
    double HeightAH = 0;
    float ExpectedValue = 0;
    float TypedValue = 0;
    // Table rows of the last problems' triangles, newest first (0: none), so
    // that levels 2 and 3 do not bring one back too soon.
    std::array<int, 5> RecentTriangles{};
};

} // namespace quiz
