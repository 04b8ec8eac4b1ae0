// SPDX-License-Identifier: GPL-3.0-or-later
// Where the answer key goes, read back from the real program's PDFs: after
// the problems, in a file of its own, or nowhere; each run of pages numbered
// among its own pages.
#include "support/pdfwords.h"
#include "support/sheetdesign.h"
#include "support/solvetrarun.h"
#include "support/worksheetkey.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestWorksheetKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answerKeyPlaced_data();
    void answerKeyPlaced();
    void keyLinesApart_data();
    void keyLinesApart();
};

void TestWorksheetKeys::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot read the worksheets back");
}

namespace {

// The "pagina N di M" of each page of a PDF, in order, and whether each page
// says it belongs to the answer key.
struct PageNumber
{
    int page;
    int of;
    bool key;
};

QList<PageNumber> pageNumbers(const QString &pdf)
{
    static const QRegularExpression footer(uR"(Seme \d+ · (soluzioni · )?pagina (\d+) di (\d+))"_qs);
    QList<PageNumber> numbers;
    for (const QString &page : pdfText(pdf).split(u'\f', Qt::SkipEmptyParts)) {
        const auto match = footer.match(page);
        numbers.append(match.hasMatch() ? PageNumber{match.captured(2).toInt(),
                                                     match.captured(3).toInt(),
                                                     match.hasCaptured(1)}
                                        : PageNumber{0, 0, false});
    }
    return numbers;
}

// Pages numbered 1 to their count, all of one kind.
void checkNumbered(const QList<PageNumber> &numbers, bool key)
{
    QVERIFY(!numbers.isEmpty());
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        QCOMPARE(numbers[i].page, i + 1);
        QCOMPARE(numbers[i].of, numbers.size());
        QCOMPARE(numbers[i].key, key);
    }
}

} // namespace

void TestWorksheetKeys::answerKeyPlaced_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("count");
    QTest::newRow("at the end by default") << QString() << 33;
    QTest::newRow("at the end") << "end" << 5;
    QTest::newRow("in a file apart") << "separate" << 47;
    QTest::newRow("left out") << "none" << 21;
}

void TestWorksheetKeys::answerKeyPlaced()
{
    QFETCH(QString, key);
    QFETCH(int, count);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("classe 3B.pdf"));
    QStringList options{"--worksheet", pdf, "--seed", "11", "--count", QString::number(count)};
    if (!key.isEmpty())
        options << "--key" << key;
    QCOMPARE(runSolvetra(options).exitCode, 0);

    const QString apart = dir.filePath(QStringLiteral("classe 3B-soluzioni.pdf"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), key == u"separate" ? 2 : 1);
    const QList<PageNumber> numbers = pageNumbers(pdf);
    const qsizetype pupilPages = std::ranges::count(numbers, false, &PageNumber::key);
    QCOMPARE(pupilPages, (count + problemsPerPage - 1) / problemsPerPage);
    // The pupils' pages first, each run numbered among its own pages.
    checkNumbered(numbers.first(pupilPages), false);
    QList<KeyEntry> entries;
    if (key == u"separate") {
        QCOMPARE(numbers.size(), pupilPages);
        checkNumbered(pageNumbers(apart), true);
        readKey(pdfText(apart), entries);
    } else if (key == u"none") {
        QCOMPARE(numbers.size(), pupilPages);
        QVERIFY(!pdfText(pdf).contains(u"Soluzioni"));
    } else {
        checkNumbered(numbers.mid(pupilPages), true);
        readKey(pdfText(pdf), entries);
    }
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(entries.size(), key == u"none" ? 0 : count);
}

void TestWorksheetKeys::keyLinesApart_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<int>("longestEntry"); // lines of the longest worked solution
    QTest::newRow("level 1: one step") << "1" << 3;
    QTest::newRow("level 2: one step") << "2" << 3;
    QTest::newRow("level 3: two steps") << "3" << 6;
}

// However many lines the worked solutions take, no line of the key runs into
// another, into the other column or off the page.
void TestWorksheetKeys::keyLinesApart()
{
    QFETCH(QString, level);
    QFETCH(int, longestEntry);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    QCOMPARE(runSolvetra({"--worksheet", pdf, "--seed", "8", "--count", "60", "--key", "separate",
                          "--level", level})
                 .exitCode,
             0);
    const QString keyPdf = dir.filePath(QStringLiteral("scheda-soluzioni.pdf"));
    QList<KeyEntry> entries;
    readKey(pdfText(keyPdf), entries);
    QCOMPARE(entries.size(), 60);
    const QString text = pdfText(keyPdf);
    int longest = 0;
    for (const QString &entry : text.split(QRegularExpression(uR"(\n\d+\. )"_qs)))
        longest = std::max(longest, int(entry.split(u'\n').size()));
    QVERIFY2(longest >= longestEntry, "the sheet lacks the longest kind of solution");

    constexpr double marginMm = 10;
    const double middle = (marginMm + 95) * pointsPerMm;
    const double touching = 0.5; // points
    for (const PdfPage &page : pdfPages(keyPdf)) {
        for (qsizetype i = 0; i < page.words.size(); ++i) {
            const QRectF box = page.words[i].box;
            QVERIFY2(!(box.left() < middle - pointsPerMm && box.right() > middle) &&
                         box.right() <= page.size.width() - marginMm * pointsPerMm + touching,
                     qPrintable(page.words[i].text));
            for (qsizetype j = i + 1; j < page.words.size(); ++j) {
                const QRectF both = box.intersected(page.words[j].box);
                QVERIFY2(both.width() < touching || both.height() < touching,
                         qPrintable(page.words[i].text + QStringLiteral(" / ") + page.words[j].text));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestWorksheetKeys)
#include "tst_worksheetkeys.moc"
