// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizstate.h"

namespace quiz {

bool isAtOrAfter(QTime now, const AlarmValue &alarm)
{
    const QTime *alarmTime = std::get_if<QTime>(&alarm);
    return alarmTime && now >= *alarmTime;
}

bool isBefore(QTime now, const AlarmValue &alarm)
{
    const QTime *alarmTime = std::get_if<QTime>(&alarm);
    return !alarmTime || now < *alarmTime;
}

} // namespace quiz
