// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/exactlengths.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

// Reads a printed answer key back and checks each worked solution on its own
// and against the thirty triangles.

// "51,84" at 4 decimals gives 518400.
inline qint64 units(const QString &text, int decimals)
{
    const QStringList parts = text.split(u',');
    QString fraction = parts.size() > 1 ? parts[1] : QString();
    return (parts[0] + fraction.leftJustified(decimals, u'0')).toLongLong();
}

// The letters in the order of handHundredths.
inline const QStringList &lengthLetters()
{
    static const QStringList letters = {"BH", "HC", "AB", "AC", "BC", "AH"};
    return letters;
}

inline int lengthIndex(const QString &name)
{
    return int(lengthLetters().indexOf(name));
}

// The answer a triangle among the thirty gives for these two lengths, or -1.
inline qint64 answerFor(int first, qint64 firstValue, int second, qint64 secondValue, int hidden)
{
    for (const int m : {3, 7})
        for (int n = 1; n <= 15; ++n) {
            const auto exact = handHundredths(m, n);
            if (exact[first] == firstValue && exact[second] == secondValue)
                return exact[hidden];
        }
    return -1;
}

struct KeyEntry
{
    int number;
    QString hidden;
    QString theorem;
    QString firstValue;
    QString secondValue;
    QString firstName;
    QString secondName;
};

inline void readKey(const QString &text, QList<KeyEntry> &key)
{
    static const QRegularExpression entry(
        uR"((\d+)\. (Primo|Secondo) teorema di Euclide: (\w\w)(²?) = (\w\w)(²?) ([×/]) (\w\w)\n)"
        uR"((\w\w)² = ([\d,]+)(²?)(?: × ([\d,]+))? = ([\d,]+)\n)"
        uR"((\w\w) = (√?)([\d,]+)(?: / ([\d,]+))? = ([\d,]+) cm)"_qs);
    for (const auto &match : entry.globalMatch(text)) {
        const bool product = match.captured(7) == u"×";
        const QString hidden = match.captured(3);
        const QString first = match.captured(5);
        const QString second = match.captured(8);
        const qint64 intermediate = units(match.captured(13), 4);
        const qint64 result = units(match.captured(18), 2);
        const qint64 a = units(match.captured(10), 2);
        const qint64 b = product ? units(match.captured(12), 2) : units(match.captured(17), 2);
        if (product) {
            QCOMPARE_EQ(a * b, intermediate);
            QCOMPARE_EQ(result * result, intermediate);
            QCOMPARE(match.captured(2), u"Secondo");
        } else {
            QCOMPARE_EQ(a * a, intermediate);
            QCOMPARE_EQ(result * b, intermediate);
            QCOMPARE(match.captured(2), first == u"AH" ? u"Secondo" : u"Primo");
        }
        QCOMPARE(match.captured(14), hidden);
        QCOMPARE(match.captured(9), product ? hidden : first);
        QCOMPARE(match.captured(16), match.captured(13));
        QCOMPARE_EQ(answerFor(lengthIndex(first), a, lengthIndex(second), b, lengthIndex(hidden)),
                    result);
        key.append({match.captured(1).toInt(), hidden, match.captured(2), match.captured(10),
                    product ? match.captured(12) : match.captured(17), first, second});
    }
}
