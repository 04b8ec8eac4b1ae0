// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace format {

// The locale settings that shape every number and time text the program shows.
// Kept as plain fields so that a user's own settings (or a test's) can differ
// from what QLocale knows, e.g. empty AM/PM designators.
struct DisplayLocale
{
    QLocale qtLocale;
    QChar decimalSeparator;
    QString timeSeparator;
    QString longTimeFormat;  // QTime::toString format, without time zone
    QString shortDateFormat; // QDate::toString format, with a four-digit year
    QString amDesignator;
    QString pmDesignator;

    static DisplayLocale from(const QLocale &locale);
    // The program's own locale, whatever the machine's: Italian (Italy).
    static DisplayLocale italian();
    // The locale of the language in use (format/language.h): Italian unless
    // another language was chosen.
    static DisplayLocale current();
};

} // namespace format
