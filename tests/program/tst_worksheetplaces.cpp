// SPDX-License-Identifier: GPL-3.0-or-later
// Reads back from the real PDF where each part of each problem was printed:
// every length's text beside its own segment of its own drawing, each
// drawing in its own triangle's shape, the problems per page, no problem cut
// across a page.
#include "support/pdfwords.h"
#include "support/sheetdesign.h"
#include "support/solvetrarun.h"
#include "support/worksheetkey.h"

#include <QLineF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <optional>

namespace {


const QStringList vertexLetters = {"A", "B", "C", "H"};

// One problem as printed: its number at the top left of its part of the page.
struct ProblemCell
{
    int number = 0;
    int page = 0;
    QRectF area;
    QList<PdfWord> words;
};

struct Sheet
{
    QList<PdfPage> pupilPages;
    QString keyText;
    QList<ProblemCell> problems;
};

double footerTop(const PdfPage &page)
{
    for (const PdfWord &word : page.words)
        if (word.text == u"pagina")
            return word.box.top();
    return -1;
}

bool isProblemNumber(const QString &text)
{
    static const QRegularExpression number(uR"(^\d+\.$)"_qs);
    return number.match(text).hasMatch();
}

// Splits a page into its problems. Each problem's area runs from its number
// to the next number below it (or the footer) and to the next column's number
// (or the page's edge). Vertex letters outside every area belong to a problem
// cut across a page.
void readPage(const PdfPage &page, int pageIndex, QList<ProblemCell> &cells)
{
    const double footer = footerTop(page);
    QVERIFY2(footer > 0, "no page number in the footer");
    constexpr double slack = 2;
    QList<QRectF> numbers;
    QList<int> values;
    for (const PdfWord &word : page.words)
        if (isProblemNumber(word.text) && word.box.top() < footer) {
            numbers.append(word.box);
            values.append(word.text.chopped(1).toInt());
        }
    const qsizetype first = cells.size();
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QRectF &box = numbers[i];
        double right = page.size.width();
        double bottom = footer;
        for (const QRectF &other : numbers) {
            if (other.left() > box.left() + slack)
                right = std::min(right, other.left() - slack);
            else if (std::abs(other.left() - box.left()) <= slack &&
                     other.top() > box.top() + slack)
                bottom = std::min(bottom, other.top() - slack);
        }
        cells.append(
            {values[i],
             pageIndex,
             QRectF(QPointF(box.left() - slack, box.top() - slack), QPointF(right, bottom)),
             {}});
    }
    for (const PdfWord &word : page.words) {
        bool placed = false;
        for (qsizetype c = first; c < cells.size() && !placed; ++c)
            if (cells[c].area.contains(word.box.center())) {
                cells[c].words.append(word);
                placed = true;
            }
        QVERIFY2(placed || !vertexLetters.contains(word.text),
                 qPrintable(QStringLiteral("letter %1 outside every problem on page %2")
                                .arg(word.text)
                                .arg(pageIndex + 1)));
        QVERIFY2(!placed || word.box.bottom() < footer,
                 qPrintable(QStringLiteral("«%1» reaches the footer").arg(word.text)));
    }
    // Reading order: down the left column, then down the next.
    std::sort(cells.begin() + first, cells.end(), [](const ProblemCell &a, const ProblemCell &b) {
        return std::abs(a.area.left() - b.area.left()) > slack ? a.area.left() < b.area.left()
                                                               : a.area.top() < b.area.top();
    });
}

void readSheet(const QString &pdf, Sheet &sheet)
{
    const QList<PdfPage> pages = pdfPages(pdf);
    const QString text = pdfText(pdf);
    const qsizetype keyStart = text.indexOf(u"Soluzioni\n");
    QVERIFY(keyStart > 0);
    sheet.keyText = text.mid(keyStart);
    const qsizetype pupilPageCount = text.left(keyStart).count(u'\f');
    QVERIFY(pupilPageCount > 0 && pupilPageCount <= pages.size());
    sheet.pupilPages = pages.first(pupilPageCount);
    for (qsizetype p = 0; p < sheet.pupilPages.size(); ++p) {
        readPage(sheet.pupilPages[p], int(p), sheet.problems);
        if (QTest::currentTestFailed())
            return;
    }
}

QList<PdfWord> wordsNamed(const ProblemCell &cell, const QString &text)
{
    QList<PdfWord> found;
    for (const PdfWord &word : cell.words)
        if (word.text == text)
            found.append(word);
    return found;
}

// The six segments of one drawing, indexed as lengthLetters(), from the
// centres of its vertex letters. The letters stand off their vertices, so H
// is taken where it must be: the foot of the perpendicular from A to BC.
std::optional<std::array<QLineF, 6>> segmentsOf(const ProblemCell &cell)
{
    QList<QPointF> at;
    for (const QString &letter : vertexLetters) {
        const QList<PdfWord> words = wordsNamed(cell, letter);
        if (words.size() != 1)
            return std::nullopt;
        at.append(words[0].box.center());
    }
    const QPointF a = at[0], b = at[1], c = at[2];
    const QPointF base = c - b;
    const double along = QPointF::dotProduct(a - b, base) / QPointF::dotProduct(base, base);
    const QPointF h = b + along * base;
    return std::array<QLineF, 6>{QLineF(b, h), QLineF(h, c), QLineF(a, b),
                                 QLineF(a, c), QLineF(b, c), QLineF(a, h)};
}

double distance(const QRectF &box, const QLineF &segment)
{
    constexpr int samples = 400;
    double nearest = std::numeric_limits<double>::max();
    for (int i = 0; i <= samples; ++i) {
        const QPointF p = segment.pointAt(double(i) / samples);
        const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
        const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
        nearest = std::min(nearest, std::hypot(dx, dy));
    }
    return nearest;
}

// The segment a text stands beside: the nearest one; among segments of one
// line (BH, HC and BC lie on the base) the one whose middle is nearest.
int segmentBeside(const QRectF &box, const std::array<QLineF, 6> &segments)
{
    std::array<double, 6> distances{};
    for (size_t i = 0; i < segments.size(); ++i)
        distances[i] = distance(box, segments[i]);
    const double nearest = *std::ranges::min_element(distances);
    constexpr double besideMm = 10;
    if (nearest > besideMm * pointsPerMm)
        return -1;
    int chosen = -1;
    double middleDistance = std::numeric_limits<double>::max();
    for (size_t i = 0; i < segments.size(); ++i) {
        const double toMiddle = QLineF(box.center(), segments[i].center()).length();
        if (distances[i] < nearest + 0.5 * pointsPerMm && toMiddle < middleDistance) {
            chosen = int(i);
            middleDistance = toMiddle;
        }
    }
    return chosen;
}

// The one phrase of the cell that reads this text, if exactly one does.
std::optional<PdfPhrase> phraseReading(const ProblemCell &cell, const QString &text)
{
    std::optional<PdfPhrase> found;
    for (const PdfPhrase &phrase : phrases(cell.words))
        if (phrase.text() == text) {
            if (found)
                return std::nullopt;
            found = phrase;
        }
    return found;
}

// Where the drawing puts H along BC, from the letters: A stands above the
// right angle, so above H; B and C stand 3 mm out along the base.
std::optional<double> footShare(const ProblemCell &cell)
{
    const QList<PdfWord> a = wordsNamed(cell, QStringLiteral("A")),
                         b = wordsNamed(cell, QStringLiteral("B")),
                         c = wordsNamed(cell, QStringLiteral("C"));
    if (a.size() != 1 || b.size() != 1 || c.size() != 1)
        return std::nullopt;
    constexpr double letterOut = 3 * pointsPerMm;
    const double bx = b[0].box.center().x() + letterOut;
    const double cx = c[0].box.center().x() - letterOut;
    return (a[0].box.center().x() - bx) / (cx - bx);
}

} // namespace

class TestWorksheetPlaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lengthsBesideTheirSegments_data();
    void lengthsBesideTheirSegments();
    void problemsWholeOnTheirPages_data();
    void problemsWholeOnTheirPages();

private:
    void makeSheet(const QStringList &options, Sheet &sheet);

    QTemporaryDir m_dir;
};

void TestWorksheetPlaces::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot read the worksheets back");
    QVERIFY(m_dir.isValid());
}

void TestWorksheetPlaces::makeSheet(const QStringList &options, Sheet &sheet)
{
    const QString pdf = m_dir.filePath(QStringLiteral("scheda.pdf"));
    QCOMPARE(runSolvetra(QStringList{"--worksheet", pdf} + options).exitCode, 0);
    readSheet(pdf, sheet);
}

void TestWorksheetPlaces::lengthsBesideTheirSegments_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("both theorems, seed 7") << QStringList{"--seed", "7"};
    QTest::newRow("leg theorem, every kind of its drawn")
        << QStringList{"--seed", "12", "--count", "60", "--theorem", "leg"};
    QTest::newRow("altitude theorem, largest seed")
        << QStringList{"--seed", "4294967295", "--count", "30", "--theorem", "altitude"};
    QTest::newRow("level 1") << QStringList{"--seed", "8", "--count", "60", "--level", "1"};
    QTest::newRow("level 2, every kind of it drawn")
        << QStringList{"--seed", "8", "--count", "60", "--level", "2"};
    QTest::newRow("level 3, every kind of it drawn")
        << QStringList{"--seed", "9", "--count", "60", "--level", "3"};
}

void TestWorksheetPlaces::lengthsBesideTheirSegments()
{
    QFETCH(QStringList, options);
    Sheet sheet;
    makeSheet(options, sheet);
    if (QTest::currentTestFailed())
        return;
    QList<KeyEntry> key;
    readKey(sheet.keyText, key);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(key.size(), sheet.problems.size());

    for (qsizetype i = 0; i < key.size(); ++i) {
        const ProblemCell &cell = sheet.problems[i];
        QCOMPARE(cell.number, key[i].number);
        const auto segments = segmentsOf(cell);
        QVERIFY2(
            segments,
            qPrintable(QStringLiteral("problem %1: not one each of A, B, C, H").arg(cell.number)));
        // H lies between B and C as BH : HC puts it; a drawing that cannot
        // (a very flat triangle) says so, and only such a one.
        const double trueShare = double(key[i].exact[0]) / double(key[i].exact[4]);
        const double drawnShare = footShare(cell).value_or(-1);
        const bool toScale = !phraseReading(cell, QStringLiteral("non in scala"));
        const QString shape = QStringLiteral("problem %1: BH : BC %2, drawn %3%4")
                                  .arg(cell.number)
                                  .arg(trueShare)
                                  .arg(drawnShare)
                                  .arg(toScale ? QString() : QStringLiteral(", non in scala"));
        QVERIFY2(drawnShare > 0 && drawnShare < 1, qPrintable(shape));
        constexpr double sameShare = 0.02;
        QVERIFY2(toScale == (std::abs(drawnShare - trueShare) < sameShare), qPrintable(shape));
        // Each length written as its name and value, the asked one as "?".
        const QList<std::pair<QString, QString>> shown = {
            {QStringLiteral("%1 = %2 cm").arg(key[i].firstName, key[i].firstValue),
             key[i].firstName},
            {QStringLiteral("%1 = %2 cm").arg(key[i].secondName, key[i].secondValue),
             key[i].secondName},
            {QStringLiteral("%1 = ?").arg(key[i].hidden), key[i].hidden}};
        for (const auto &[caption, length] : shown) {
            const auto phrase = phraseReading(cell, caption);
            QVERIFY2(phrase, qPrintable(QStringLiteral("problem %1: «%2» not printed once")
                                            .arg(cell.number)
                                            .arg(caption)));
            const int beside = segmentBeside(phrase->box, *segments);
            QVERIFY2(beside == lengthIndex(length),
                     qPrintable(QStringLiteral("problem %1: «%2» (%3) stands beside %4")
                                    .arg(cell.number)
                                    .arg(phrase->text(), length,
                                         beside < 0 ? QStringLiteral("no segment")
                                                    : lengthLetters()[beside])));
        }
    }
}

void TestWorksheetPlaces::problemsWholeOnTheirPages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("level");
    QTest::addColumn<int>("full"); // problems on a full page
    for (const int count : {5, problemsPerPage, problemsPerPage + 1, 20, 33, 60})
        QTest::addRow("%d problems", count) << count << "1" << problemsPerPage;
    for (const int count : {twoStepProblemsPerPage, twoStepProblemsPerPage + 1, 20})
        QTest::addRow("%d two-step problems", count) << count << "3" << twoStepProblemsPerPage;
}

void TestWorksheetPlaces::problemsWholeOnTheirPages()
{
    QFETCH(int, count);
    QFETCH(QString, level);
    QFETCH(int, full);
    Sheet sheet;
    makeSheet({"--seed", "5", "--count", QString::number(count), "--level", level}, sheet);
    if (QTest::currentTestFailed())
        return;

    // Full pages, the rest on the last one.
    const int pageCount = (count + full - 1) / full;
    QCOMPARE(sheet.pupilPages.size(), pageCount);
    QList<int> perPage(pageCount, 0);
    for (const ProblemCell &cell : sheet.problems)
        ++perPage[cell.page];
    for (int p = 0; p < pageCount; ++p)
        QCOMPARE(perPage[p], p + 1 < pageCount ? full : count - full * (pageCount - 1));

    // Pages get separated in class: the name line tops every one, above its
    // problems; the score box is on the first alone, out of all the problems.
    for (qsizetype p = 0; p < sheet.pupilPages.size(); ++p) {
        double firstProblem = footerTop(sheet.pupilPages[p]);
        for (const ProblemCell &cell : sheet.problems)
            if (cell.page == p)
                firstProblem = std::min(firstProblem, cell.area.top());
        const QList<PdfPhrase> lines = phrases(sheet.pupilPages[p].words);
        for (const QString &field : {u"Nome"_qs, u"Classe"_qs, u"Data"_qs}) {
            const auto found = std::ranges::count_if(lines, [&](const PdfPhrase &line) {
                return line.words.contains(field) && line.box.bottom() < firstProblem;
            });
            QVERIFY2(found == 1, qPrintable(QStringLiteral("page %1: «%2» above the problems %3 "
                                                           "times")
                                                .arg(p + 1)
                                                .arg(field)
                                                .arg(found)));
        }
        const auto scores = std::ranges::count_if(lines, [&](const PdfPhrase &line) {
            return line.text() == QStringLiteral("Punteggio ____ / %1").arg(count);
        });
        QCOMPARE(scores, p == 0 ? 1 : 0);
    }

    // Each problem once, in order, whole: its drawing, its question mark and
    // its answer line inside its own part of its page.
    static const QRegularExpression answerLine(uR"(^(\w\w) = ________ cm$)"_qs);
    QCOMPARE(sheet.problems.size(), count);
    for (qsizetype i = 0; i < sheet.problems.size(); ++i) {
        const ProblemCell &cell = sheet.problems[i];
        QCOMPARE(cell.number, i + 1);
        QVERIFY2(segmentsOf(cell),
                 qPrintable(QStringLiteral("problem %1 lacks a vertex letter").arg(cell.number)));
        QCOMPARE(wordsNamed(cell, QStringLiteral("?")).size(), 1);
        int answers = 0;
        for (const PdfPhrase &phrase : phrases(cell.words))
            answers += answerLine.match(phrase.text()).hasMatch() ? 1 : 0;
        QCOMPARE(answers, 1);
        const QRectF page(QPointF(0, 0), sheet.pupilPages[cell.page].size);
        for (const PdfWord &word : cell.words)
            QVERIFY(page.contains(word.box));
    }
}

QTEST_GUILESS_MAIN(TestWorksheetPlaces)
#include "tst_worksheetplaces.moc"
