// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problemset.h"
#include "quiz/solution.h"
#include "support/exactlengths.h"

#include <QTest>

using format::DisplayLocale;
using quiz::Length;
using quiz::TheoremChoice;

Q_DECLARE_METATYPE(quiz::TheoremChoice)

class TestSolution : public QObject
{
    Q_OBJECT

private slots:
    void numbersAreExact_data();
    void numbersAreExact();
    void textsWordForWord_data();
    void textsWordForWord();
    void setIsReproducibleAndFiltered_data();
    void setIsReproducibleAndFiltered();
};

void TestSolution::numbersAreExact_data()
{
    addEveryTriangleAndPickRows();
}

void TestSolution::numbersAreExact()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, pick);
    const DisplayLocale italian = DisplayLocale::italian();
    const auto s = quiz::solveProblem({qint16(m), qint16(n), qint16(pick)}, italian);
    const auto exact = handHundredths(m, n);

    QCOMPARE(s.firstValue, exact[size_t(s.first)]);
    QCOMPARE(s.secondValue, exact[size_t(s.second)]);
    QCOMPARE(s.result, exact[size_t(s.hidden)]);
    // The theorem holds exactly on the numbers shown.
    if (pick == 1) {
        QCOMPARE(s.intermediate, s.firstValue * s.secondValue);
        QCOMPARE(s.result * s.result, s.intermediate);
    } else {
        QCOMPARE(s.intermediate, s.firstValue * s.firstValue);
        QCOMPARE(s.result * s.secondValue, s.intermediate);
    }
    QCOMPARE(s.theorem, pick <= 3 ? quiz::Theorem::Altitude : quiz::Theorem::Leg);

    // The same answer the window expects, and the same hidden quantity.
    const auto problem = quiz::problemOf({qint16(m), qint16(n), qint16(pick)}, italian);
    QCOMPARE(float(double(s.result) / 100), problem.expectedValue());
    QVERIFY(!problem.visible[size_t(s.hidden)]);
    QVERIFY(problem.visible[size_t(s.first)] && problem.visible[size_t(s.second)]);
    QVERIFY(s.lines.constLast().endsWith(QStringLiteral(" = %1 cm").arg(problem.text(s.hidden))));
}

void TestSolution::textsWordForWord_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("text");

    QTest::newRow("pick 1: altitude from BH 5,4 and HC 9,6")
        << 3 << 3 << 1
        << "Secondo teorema di Euclide: AH² = BH × HC\nAH² = 5,4 × 9,6 = 51,84\n"
           "AH = √51,84 = 7,2 cm";
    QTest::newRow("pick 2: HC, ten-thousandths kept")
        << 7 << 1 << 2
        << "Secondo teorema di Euclide: HC = AH² / BH\n"
           "AH² = 6,72² = 45,1584\n"
           "HC = 45,1584 / 1,96 = 23,04 cm";
    QTest::newRow("pick 3: whole values, no separator")
        << 3 << 5 << 3
        << "Secondo teorema di Euclide: BH = AH² / HC\n"
           "AH² = 12² = 144\n"
           "BH = 144 / 16 = 9 cm";
    QTest::newRow("pick 4: BH from a leg") << 3 << 1 << 4
                                           << "Primo teorema di Euclide: BH = AB² / BC\n"
                                              "AB² = 3² = 9\nBH = 9 / 5 = 1,8 cm";
    QTest::newRow("pick 5: largest triangle") << 7 << 15 << 5
                                              << "Primo teorema di Euclide: HC = AC² / BC\n"
                                                 "AC² = 360² = 129600\n"
                                                 "HC = 129600 / 375 = 345,6 cm";
    QTest::newRow("pick 6: hypotenuse") << 7 << 2 << 6
                                        << "Primo teorema di Euclide: BC = AC² / HC\n"
                                           "AC² = 48² = 2304\nBC = 2304 / 46,08 = 50 cm";
}

void TestSolution::textsWordForWord()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, pick);
    QFETCH(QString, text);
    QCOMPARE(
        quiz::solveProblem({qint16(m), qint16(n), qint16(pick)}, DisplayLocale::italian()).text(),
        text);
}

void TestSolution::setIsReproducibleAndFiltered_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<TheoremChoice>("choice");
    QTest::newRow("both, 20") << 7u << 20 << TheoremChoice::Both;
    QTest::newRow("leg only, the most a sheet holds") << 1u << 60 << TheoremChoice::Leg;
    QTest::newRow("altitude only, the most a sheet holds") << 0u << 60 << TheoremChoice::Altitude;
}

void TestSolution::setIsReproducibleAndFiltered()
{
    QFETCH(quint32, seed);
    QFETCH(int, count);
    QFETCH(TheoremChoice, choice);
    const auto set = quiz::drawProblemSet(seed, count, choice);
    QCOMPARE(set.size(), count);
    QCOMPARE(quiz::drawProblemSet(seed, count, choice), set);
    QVERIFY(quiz::drawProblemSet(seed + 1, count, choice) != set);
    for (qsizetype i = 0; i < set.size(); ++i) {
        const auto &p = set[i];
        QVERIFY(p.GenM == 3 || p.GenM == 7);
        QVERIFY(p.Multiplier >= 1 && p.Multiplier <= 15);
        QVERIFY(p.HiddenPick >= 1 && p.HiddenPick <= 6);
        if (choice == TheoremChoice::Leg)
            QVERIFY(p.HiddenPick >= 4);
        if (choice == TheoremChoice::Altitude)
            QVERIFY(p.HiddenPick <= 3);
        QVERIFY2(set.indexOf(p) == i, "a problem repeats on one sheet");
    }
}

QTEST_APPLESS_MAIN(TestSolution)
#include "tst_solution.moc"
