// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

#include <optional>
#include <variant>

namespace quiz {

// The alarm time holds either a time of day or a text. A text is never
// reached: the current time counts as less than any text.
using AlarmValue = std::variant<QString, QTime>;

// When the alarm rings: once, at the first look at or after its time; it is
// armed again as soon as the time of day is before the alarm time (the next
// day, or a later alarm time chosen).
// The time the alarm will ring at, while it is still to come today: none
// when no time is set or the time has come (it has rung, or rings now).
std::optional<QTime> pendingAlarm(QTime now, const AlarmValue &alarm);

class AlarmRule
{
public:
    // True when the alarm must ring now; the rule then counts it as rung.
    bool ringsAt(QTime now, const AlarmValue &alarm);
    bool hasRung() const { return m_rung; }

private:
    bool m_rung = false;
};

} // namespace quiz
