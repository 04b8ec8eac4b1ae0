// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

// Where each word of a PDF is printed, as pdftotext -bbox reads it back,
// in points from the page's top-left corner.
struct PdfWord
{
    QString text;
    QRectF box;
};

struct PdfPage
{
    QSizeF size;
    QList<PdfWord> words;
};

inline constexpr double pointsPerMm = 72 / 25.4;

inline QList<PdfPage> pdfPages(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    QXmlStreamReader xml(process.readAllStandardOutput());
    QList<PdfPage> pages;
    const auto number = [&xml](const char *name) {
        return xml.attributes().value(QLatin1String(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            pages.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == u"word" && !pages.isEmpty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            pages.last().words.append({xml.readElementText(), box});
        }
    }
    return pages;
}

// A run of words on one line with no gap wider than a space between them:
// one text as the sheet printed it ("BC = 10 cm").
struct PdfPhrase
{
    QStringList words;
    QRectF box;

    QString text() const { return words.join(u' '); }
};

inline QList<PdfPhrase> phrases(QList<PdfWord> words)
{
    constexpr double widestSpace = 4.5; // points: a space at the sheet's largest label size
    // From left to right, so that each phrase starts at its first word.
    std::ranges::sort(words, {}, [](const PdfWord &word) { return word.box.left(); });
    QList<PdfPhrase> found;
    QList<bool> used(words.size(), false);
    for (qsizetype start = 0; start < words.size(); ++start) {
        if (used[start])
            continue;
        used[start] = true;
        PdfPhrase phrase{{words[start].text}, words[start].box};
        // Keep taking the nearest word that continues the line to the right.
        for (;;) {
            qsizetype next = -1;
            for (qsizetype i = start + 1; i < words.size() && next < 0; ++i) {
                const QRectF &box = words[i].box;
                const double gap = box.left() - phrase.box.right();
                if (!used[i] && std::abs(box.center().y() - phrase.box.center().y()) < 1.5 &&
                    gap > -0.5 && gap < widestSpace)
                    next = i;
            }
            if (next < 0)
                break;
            used[next] = true;
            phrase.words.append(words[next].text);
            phrase.box = phrase.box.united(words[next].box);
        }
        found.append(phrase);
    }
    return found;
}
