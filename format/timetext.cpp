// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/timetext.h"

#include <QRegularExpression>

namespace format {

QString timeToText(QTime time, const DisplayLocale &locale)
{
    return locale.qtLocale.toString(time, locale.longTimeFormat);
}

QString dateToText(QDate date, const DisplayLocale &locale)
{
    return locale.qtLocale.toString(date, locale.shortDateFormat);
}

QString mediumTime(QTime time, const DisplayLocale &locale)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString &designator = time.hour() < 12 ? locale.amDesignator : locale.pmDesignator;
    QString text = QString::number(hour12) + locale.timeSeparator +
                   QStringLiteral("%1").arg(time.minute(), 2, 10, QChar(u'0'));
    if (!designator.isEmpty())
        text += u' ' + designator;
    return text;
}

std::optional<QTime> readTime(const QString &text, const DisplayLocale &locale)
{
    const QString separator = QRegularExpression::escape(locale.timeSeparator);
    const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})%1(\\d{1,2})(?:%1(\\d{1,2}))?\\s*(\\S*)\\s*$")
            .arg(separator));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;

    int hour = match.captured(1).toInt();
    const QString designator = match.captured(4);
    const bool am =
        !designator.isEmpty() && designator.compare(locale.amDesignator, Qt::CaseInsensitive) == 0;
    const bool pm =
        !designator.isEmpty() && designator.compare(locale.pmDesignator, Qt::CaseInsensitive) == 0;
    if (!designator.isEmpty() && !am && !pm)
        return std::nullopt;
    if (am || pm) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, match.captured(2).toInt(), match.captured(3).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

bool showsHourAndMinute(const QString &caption, QTime now, const DisplayLocale &locale)
{
    // Without designators the caption's hour is ambiguous; the caption the
    // clock itself wrote is current all the same.
    if (caption == mediumTime(now, locale))
        return true;
    const std::optional<QTime> shown = readTime(caption, locale);
    return shown && shown->hour() == now.hour() && shown->minute() == now.minute();
}

} // namespace format
