// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/echo.h"

namespace format {

QString cut(const QString &value)
{
    if (value.size() <= maxEchoed)
        return value;
    qsizetype kept = maxEchoed - 1;
    // Never split a character that takes two UTF-16 units.
    if (value.at(kept - 1).isHighSurrogate())
        --kept;
    return value.left(kept) + u'…';
}

QString echoed(const QString &value)
{
    return u'«' + cut(value) + u'»';
}

} // namespace format
