// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/clock.h"

namespace quiz {

float Clock::secondsSinceMidnight() const
{
    return float(timeOfDay().msecsSinceStartOfDay()) / 1000.0f;
}

QDateTime SystemClock::dateTime() const
{
    return QDateTime::currentDateTime();
}

} // namespace quiz
