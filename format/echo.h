// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace format {

// A value the user gave, as a message repeats it: in «», so that an empty
// one still shows, and cut near maxEchoed characters with "…", so that a
// pasted page does not flood the terminal. Control and bidirectional
// formatting characters show as '?', as ls shows them.
inline constexpr qsizetype maxEchoed = 80;
QString echoed(const QString &value);
// The same cut, without the quotes: for an option, never empty.
QString cut(const QString &value);

// Whether c moves the cursor, starts an escape sequence or turns the
// direction of the text around: never shown raw from a file or a name.
bool isControl(QChar c);
// value with each such character replaced by '?'.
QString printable(const QString &value);
// value without them: for a page, where nothing can stand in their place.
QString withoutControls(const QString &value);

} // namespace format
