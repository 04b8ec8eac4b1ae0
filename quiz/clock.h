// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QTime>

namespace quiz {

// The local time of day and date, read afresh at every call.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QTime timeOfDay() const = 0;
    virtual QDate date() const = 0;

    // Seconds since midnight with their fraction, in single precision.
    float secondsSinceMidnight() const;
};

class SystemClock final : public Clock
{
public:
    QTime timeOfDay() const override;
    QDate date() const override;
};

} // namespace quiz
