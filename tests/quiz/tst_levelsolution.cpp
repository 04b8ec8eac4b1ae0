// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/solution.h"
#include "support/exactequation.h"
#include "support/exactlengths.h"
#include "support/levelkinds.h"

#include <QTest>

#include <cmath>
#include <numeric>
#include <optional>

using format::DisplayLocale;
using quiz::Level;

class TestLevelSolution : public QObject
{
    Q_OBJECT

private slots:
    void everyEquationHolds_data();
    void everyEquationHolds();
    void textsWordForWord_data();
    void textsWordForWord();
};

void TestLevelSolution::everyEquationHolds_data()
{
    addEveryLevelKindAndTriangleRows();
}

// Each line is a chain "a = b = c" whose every member has the same exact
// value; a line that names a theorem states it with letters, true on the
// triangle's exact lengths, and uses only lengths given or found before.
void TestLevelSolution::everyEquationHolds()
{
    QFETCH(Level, level);
    QFETCH(int, index);
    QFETCH(int, m);
    QFETCH(int, n);
    const auto draw = drawOfKind(level, index, m, n);
    const auto exact = theoremHundredths(m, n);
    const auto solution = quiz::solveProblem(draw, DisplayLocale::italian());
    const auto problem = quiz::problemOf(draw, DisplayLocale::italian());

    int known = 0;
    for (int i = 0; i < 6; ++i)
        known |= problem.visible[size_t(i)] ? 1 << i : 0;
    int theorems = 0;
    for (QString line : solution.lines) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon >= 0) {
            ++theorems;
            line = line.mid(colon + 2);
        }
        if (line.endsWith(QStringLiteral(" cm")))
            line.chop(3);
        const QStringList members = line.split(QStringLiteral(" = "));
        QVERIFY2(members.size() >= 2, qPrintable(line));
        std::optional<Exact> first;
        for (qsizetype i = 0; i < members.size(); ++i) {
            Evaluator evaluator(members[i], exact);
            const auto value = evaluator.run();
            QVERIFY2(value, qPrintable(members[i]));
            if (i == 0)
                first = value;
            QVERIFY2(*value == *first, qPrintable(line));
            if (colon >= 0 && i > 0)
                QVERIFY2((evaluator.used() & ~known) == 0,
                         qPrintable(line + " uses a length not known"));
        }
        // A line "X = ... = x" finds X.
        if (colon < 0 && !members[0].endsWith(u'²'))
            known |= 1 << equationLetters.indexOf(members[0]);
    }
    QCOMPARE(theorems, level == Level::TwoSteps ? 2 : 1);
    const QString last = solution.lines.constLast();
    QVERIFY(last.startsWith(quiz::lengthLetters(draw.kind().asked()) + QStringLiteral(" = ")));
    QVERIFY(last.endsWith(QStringLiteral(" = ") + problem.text(draw.kind().asked()) +
                          QStringLiteral(" cm")));
    QCOMPARE(float(double(solution.result) / 100), problem.expectedValue());
}

void TestLevelSolution::textsWordForWord_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("given1");
    QTest::addColumn<QString>("given2");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("text");
    QTest::newRow("legs given, BH asked: Pythagoras, then the leg theorem")
        << 3 << 7 << "AB"
        << "AC"
        << "BH"
        << "Teorema di Pitagora: BC² = AB² + AC²\n"
           "BC² = 21² + 28² = 441 + 784 = 1225\n"
           "BC = √1225 = 35 cm\n"
           "Primo teorema di Euclide: BH = AB² / BC\n"
           "BH = 441 / 35 = 12,6 cm";
}

void TestLevelSolution::textsWordForWord()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(QString, given1);
    QFETCH(QString, given2);
    QFETCH(QString, asked);
    QFETCH(QString, text);
    const auto kinds = quiz::kindsOfLevel(Level::TwoSteps);
    for (int i = 0; i < int(kinds.size()); ++i) {
        const auto [g1, g2] = kinds[size_t(i)].givens();
        const QStringList givens{quiz::lengthLetters(g1), quiz::lengthLetters(g2)};
        if (givens.contains(given1) && givens.contains(given2) &&
            quiz::lengthLetters(kinds[size_t(i)].asked()) == asked) {
            QCOMPARE(
                quiz::solveProblem(drawOfKind(Level::TwoSteps, i, m, n), DisplayLocale::italian())
                    .text(),
                text);
            return;
        }
    }
    QFAIL("no such two-step kind");
}

QTEST_APPLESS_MAIN(TestLevelSolution)
#include "tst_levelsolution.moc"
