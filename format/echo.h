// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace format {

// A value the user gave, as a message repeats it: in «», so that an empty
// one still shows, and cut near maxEchoed characters with "…", so that a
// pasted page does not flood the terminal.
inline constexpr qsizetype maxEchoed = 80;
QString echoed(const QString &value);
// The same cut, without the quotes: for an option, never empty.
QString cut(const QString &value);

} // namespace format
