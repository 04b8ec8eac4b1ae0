// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace format {

// The clock, the alarm and the farewell text: the locale's long time, no date.
QString timeToText(QTime time, const DisplayLocale &locale);

// The farewell title: the locale's short date, no time.
QString dateToText(QDate date, const DisplayLocale &locale);

// The caption clock: hour on the 12-hour clock, the time separator, two-digit
// minutes, a blank and the before- or after-noon designator ("2:05 PM").
// With an empty designator the blank is left out too.
QString mediumTime(QTime time, const DisplayLocale &locale);

// Reads back a time written by timeToText or mediumTime; nothing when the text
// is not a time under the locale's rules.
std::optional<QTime> readTime(const QString &text, const DisplayLocale &locale);

// Whether a caption read back as a time (readTime) shows the hour and minute of
// `now`, the half of the day included. A caption that is no time never does.
bool showsHourAndMinute(const QString &caption, QTime now, const DisplayLocale &locale);

} // namespace format
