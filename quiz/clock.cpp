// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

namespace quiz {

float Clock::secondsSinceMidnight() const
{
    return float(timeOfDay().msecsSinceStartOfDay()) / 1000.0f;
}

QTime SystemClock::timeOfDay() const
{
    return QTime::currentTime();
}
QDate SystemClock::date() const
{
    return QDate::currentDate();
}

} // namespace quiz
