// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/displaylocale.h"

#include "format/language.h"

namespace format {
namespace {

// Qt's long time formats end with the time zone ("HH:mm:ss t", Spanish
// "H:mm:ss (t)"); a clock on a worksheet shows only the time.
QString withoutTimeZone(const QString &timeFormat)
{
    QString result;
    bool quoted = false;
    for (const QChar c : timeFormat) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            result += c;
    }
    return result.remove(QStringLiteral("()")).trimmed();
}

// The short date of the Windows Italian locale carries the whole year.
QString withFullYear(QString dateFormat)
{
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return dateFormat;
}

// The separator is what follows the hour in the short time format.
QString timeSeparatorOf(const QString &shortTimeFormat)
{
    bool inHour = false;
    for (const QChar c : shortTimeFormat) {
        const bool hourLetter = c == u'H' || c == u'h';
        if (inHour && !hourLetter)
            return QString(c);
        inHour = hourLetter;
    }
    return QStringLiteral(":");
}

} // namespace

DisplayLocale DisplayLocale::from(const QLocale &locale)
{
    return DisplayLocale{
        .qtLocale = locale,
        .decimalSeparator = locale.decimalPoint().front(),
        .timeSeparator = timeSeparatorOf(locale.timeFormat(QLocale::ShortFormat)),
        .longTimeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat)),
        .shortDateFormat = withFullYear(locale.dateFormat(QLocale::ShortFormat)),
        .amDesignator = locale.amText(),
        .pmDesignator = locale.pmText(),
    };
}

DisplayLocale DisplayLocale::italian()
{
    return from(QLocale(QLocale::Italian, QLocale::Italy));
}

DisplayLocale DisplayLocale::current()
{
    return from(localeOf(currentLanguage()));
}

} // namespace format
