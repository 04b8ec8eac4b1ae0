// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"

#include <QString>
#include <QStringView>

namespace format {

// The display patterns in use. "#" shows a digit only where it is
// significant, "0" always shows one, "." stands for the locale's separator.
namespace pattern {
inline constexpr QStringView length = u"####.##";
inline constexpr QStringView whole = u"####";
inline constexpr QStringView decimal = u"###.##";
inline constexpr QStringView wrongCount = u"###0";
inline constexpr QStringView count = u"####0";
} // namespace pattern

// Formats a value by a digit pattern: rounded half away from zero to the
// pattern's decimals, integer digits never cut, the separator written even
// with no decimals after it, trailing zeros under "#" dropped.
QString formatNumber(double value, QStringView pattern, const DisplayLocale &locale);

} // namespace format
