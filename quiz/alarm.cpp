// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/alarm.h"

namespace quiz {

std::optional<QTime> pendingAlarm(QTime now, const AlarmValue &alarm)
{
    const QTime *alarmTime = std::get_if<QTime>(&alarm);
    if (alarmTime && alarmTime->isValid() && now < *alarmTime)
        return *alarmTime;
    return std::nullopt;
}

bool AlarmRule::ringsAt(QTime now, const AlarmValue &alarm)
{
    const QTime *alarmTime = std::get_if<QTime>(&alarm);
    if (alarmTime && now >= *alarmTime) {
        if (m_rung)
            return false;
        m_rung = true;
        return true;
    }
    m_rung = false;
    return false;
}

} // namespace quiz
