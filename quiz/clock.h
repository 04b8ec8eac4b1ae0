// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QTime>

namespace quiz {

// The local date and time, read afresh at every call. A text that shows a
// date and a time together takes both from one dateTime(): two readings can
// fall on either side of midnight.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime dateTime() const = 0;

    QTime timeOfDay() const { return dateTime().time(); }
    // Seconds since midnight with their fraction, in single precision.
    float secondsSinceMidnight() const;
};

class SystemClock final : public Clock
{
public:
    QDateTime dateTime() const override;
};

} // namespace quiz
