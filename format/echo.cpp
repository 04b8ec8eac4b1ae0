// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/echo.h"

namespace format {

QString cut(const QString &value)
{
    if (value.size() <= maxEchoed)
        return printable(value);
    qsizetype kept = maxEchoed - 1;
    // Never split a character that takes two UTF-16 units.
    if (value.at(kept - 1).isHighSurrogate())
        --kept;
    return printable(value.left(kept)) + u'…';
}

QString echoed(const QString &value)
{
    return u'«' + cut(value) + u'»';
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    // C0, DEL and C1; the marks and overrides of the bidirectional algorithm.
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x061c || u == 0x200e || u == 0x200f ||
           (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
}

QString printable(const QString &value)
{
    QString shown = value;
    for (QChar &c : shown) {
        if (isControl(c))
            c = u'?';
    }
    return shown;
}

QString withoutControls(const QString &value)
{
    QString kept;
    kept.reserve(value.size());
    for (const QChar c : value) {
        if (!isControl(c))
            kept.append(c);
    }
    return kept;
}

} // namespace format
