// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/exactequation.h"
#include "support/exactlengths.h"
#include "support/relations.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>
#include <cmath>
#include <numeric>

// Reads a printed answer key back and checks each worked solution on its own
// and against every right triangle with whole sides that a sheet may print,
// whatever its number of steps and lines.

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

// "12,6" for 1260 hundredths.
inline QString decimalText(qint64 hundredths)
{
    QString text = QString::number(hundredths / 100);
    if (hundredths % 100 != 0) {
        QString fraction = QString::number(hundredths % 100).rightJustified(2, u'0');
        if (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += u',' + fraction;
    }
    return text;
}

struct KeyEntry
{
    int number;
    QString hidden;
    QStringList theorems; // each step's, in order
    QString firstValue;
    QString secondValue;
    QString firstName;
    QString secondName;
    std::array<qint64, 6> exact{}; // the triangle's lengths, in the order of lengthLetters()
};

// The two-letter lengths a text names, in order.
inline QStringList namedLengths(const QString &text)
{
    static const QRegularExpression name(uR"((?<![A-Z])(BH|HC|AB|AC|BC|AH)(?![A-Z]))"_qs);
    QStringList names;
    for (const auto &match : name.globalMatch(text))
        names.append(match.captured(1));
    return names;
}

// The name a step's statement must carry, from the relation its three
// lengths tie: a product with AH is the altitude theorem, another product the
// leg theorem.
inline QString theoremTying(const QStringList &names)
{
    if (names.size() != 3)
        return {};
    const relations::Relation *r =
        relations::tying(lengthIndex(names[0]), lengthIndex(names[1]), lengthIndex(names[2]));
    if (!r)
        return {};
    switch (r->shape) {
    case relations::Shape::Product:
        return r->lengths[0] == relations::AH ? u"Secondo teorema di Euclide"_qs
                                              : u"Primo teorema di Euclide"_qs;
    case relations::Shape::Pythagoras:
        return u"Teorema di Pitagora"_qs;
    case relations::Shape::SegmentSum:
        return u"Somma delle proiezioni"_qs;
    }
    return {};
}

// The numbers a text prints, as printed.
inline QStringList printedNumbers(const QString &text)
{
    static const QRegularExpression number(uR"((?<![\d,])\d+(?:,\d+)?(?![\d,]))"_qs);
    QStringList numbers;
    for (const auto &match : number.globalMatch(text))
        numbers.append(match.captured());
    return numbers;
}

// Every triangle with whole sides below 10000 whose six lengths are exact to
// two decimals, found by search: a primitive triple (a² + b² = c²) times k,
// BH = AB² / BC, HC = AC² / BC, AH = AB × AC / BC. The designed thirty are
// among them (3-4-5 and 7-24-25 with k = 1..15).
inline const QList<std::array<qint64, 6>> &everyExactTriangle()
{
    static const QList<std::array<qint64, 6>> list = [] {
        QList<std::array<qint64, 6>> found;
        for (qint64 c = 5; c < 1000; ++c)
            for (qint64 a = 1; a * a * 2 < c * c; ++a) {
                const auto b = qint64(std::llround(std::sqrt(double(c * c - a * a))));
                if (b * b != c * c - a * a || std::gcd(a, b) != 1)
                    continue;
                for (qint64 k = 1; k * c < 10000; ++k) {
                    const qint64 ab = 100 * k * a, ac = 100 * k * b, bc = 100 * k * c;
                    if ((ab * ab) % bc == 0 && (ac * ac) % bc == 0 && (ab * ac) % bc == 0)
                        found.append({ab * ab / bc, ac * ac / bc, ab, ac, bc, ab * ac / bc});
                }
            }
        return found;
    }();
    return list;
}

// Whether the solution is worked on the triangle of exact lengths: every
// length it names is printed with that triangle's value, and every member of
// every line's chain "a = b = c" has the same exact value there.
inline bool workedOn(const QStringList &lines, const std::array<qint64, 6> &exact)
{
    const QStringList numbers = printedNumbers(lines.join(u'\n'));
    for (const QString &name : namedLengths(lines.join(u'\n')))
        if (!numbers.contains(decimalText(exact[size_t(lengthIndex(name))])))
            return false;
    for (QString line : lines) {
        line = line.mid(line.indexOf(u": ") + 1);
        if (line.endsWith(u" cm"))
            line.chop(3);
        const QStringList members = line.split(QStringLiteral(" = "));
        if (members.size() < 2)
            return false;
        std::optional<Exact> first;
        for (const QString &member : members) {
            const auto value = Evaluator(member, exact).run();
            if (!value || (first && !(*value == *first)))
                return false;
            first = value;
        }
    }
    return true;
}

// Checks one worked solution: each step opens with the theorem its lengths
// tie, uses only lengths given or found, and every equation holds exactly on
// one triangle, whose asked length the last line gives.
inline void checkEntry(int number, const QStringList &lines, QList<KeyEntry> &key)
{
    const QString where = QStringLiteral("key %1: %2").arg(number).arg(lines.join(u" | "));
    KeyEntry entry{number, {}, {}, {}, {}, {}, {}, {}};
    int known = 0;
    for (const QString &line : lines) {
        const qsizetype colon = line.indexOf(u": ");
        QStringList names = namedLengths(colon < 0 ? line : line.mid(colon));
        QVERIFY2(!names.isEmpty(), qPrintable(where));
        if (colon >= 0) {
            const QStringList tied = names.mid(0, 3);
            entry.theorems.append(line.left(colon));
            QCOMPARE(entry.theorems.last(), theoremTying(tied));
            if (entry.theorems.size() == 1) {
                entry.firstName = tied[1];
                entry.secondName = tied[2];
                known |= 1 << lengthIndex(tied[1]) | 1 << lengthIndex(tied[2]);
            }
            known |= 1 << lengthIndex(tied[0]);
        }
        for (const QString &name : names)
            QVERIFY2(known >> lengthIndex(name) & 1, qPrintable(where));
        entry.hidden = names[0];
    }
    QVERIFY2(!entry.theorems.isEmpty() && lines.last().endsWith(u" cm"), qPrintable(where));
    const QStringList numbers = printedNumbers(lines.join(u'\n'));
    const int first = lengthIndex(entry.firstName);
    for (const auto &exact : everyExactTriangle())
        if (numbers.contains(decimalText(exact[size_t(first)])) && workedOn(lines, exact)) {
            entry.firstValue = decimalText(exact[size_t(first)]);
            entry.secondValue = decimalText(exact[size_t(lengthIndex(entry.secondName))]);
            entry.exact = exact;
            QVERIFY2(lines.last().endsWith(QStringLiteral(" %1 cm").arg(
                         decimalText(exact[size_t(lengthIndex(entry.hidden))]))),
                     qPrintable(where));
            key.append(entry);
            return;
        }
    QFAIL(qPrintable(QStringLiteral("%1: no triangle makes every equation hold").arg(where)));
}

// Splits a printed key into its entries ("N. " opens each, after the title
// "Soluzioni", its table of answers and "Svolgimento") and checks each; the
// page footers are left out. The table gives each problem's asked length
// and value, as the last line of its worked solution does.
inline void readKey(const QString &text, QList<KeyEntry> &key)
{
    static const QRegularExpression opening(uR"(^(\d+)\. (.*)$)"_qs);
    static const QRegularExpression answer(uR"((\d+)\. (BH|HC|AB|AC|BC|AH) = ([\d,.]+) cm)"_qs);
    enum { Before, Table, Steps } part = Before;
    QMap<int, QString> table; // number -> "BH = 25"
    int number = 0;
    QStringList lines;
    const auto flush = [&] {
        if (number > 0)
            checkEntry(number, lines, key);
        lines.clear();
    };
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QString trimmed = line.trimmed().remove(u'\f');
        if (trimmed == u"Risposte") {
            part = Table;
            continue;
        }
        if (trimmed == u"Svolgimento") {
            part = Steps;
            continue;
        }
        if (part == Table) {
            for (const auto &match : answer.globalMatch(trimmed))
                table.insert(match.captured(1).toInt(),
                             match.captured(2) + QStringLiteral(" = ") + match.captured(3));
            continue;
        }
        if (part != Steps || trimmed.isEmpty() || trimmed.startsWith(u"Seme "))
            continue;
        const auto match = opening.match(trimmed);
        if (match.hasMatch()) {
            flush();
            if (QTest::currentTestFailed())
                return;
            number = match.captured(1).toInt();
            lines.append(match.captured(2));
        } else if (number > 0) {
            lines.append(trimmed);
        }
    }
    flush();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(table.size(), key.size());
    for (const KeyEntry &entry : key) {
        const QString value = decimalText(entry.exact[size_t(lengthIndex(entry.hidden))]);
        QCOMPARE(table.value(entry.number), entry.hidden + QStringLiteral(" = ") + value);
    }
}
