// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/kind.h"

#include <QColor>

namespace ui {

// The colour in which Label5 names the asked length.
inline QColor colourOf(quiz::CaptionTone tone)
{
    switch (tone) {
    case quiz::CaptionTone::Green:
        return QColor(0x00, 0xFF, 0x00);
    case quiz::CaptionTone::Magenta:
        return QColor(0xFF, 0x00, 0xFF);
    case quiz::CaptionTone::Blue:
        break;
    }
    return QColor(0x00, 0x00, 0xFF);
}

} // namespace ui
