// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problem.h"
#include "quiz/runtimeerror.h"
#include "support/exactlengths.h"
#include "support/fakes.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using format::DisplayLocale;
using quiz::Length;
using quiz::RuntimeError;

Q_DECLARE_METATYPE(quiz::RuntimeError::Kind)

namespace {

// A length given in hundredths, written as a pupil writes it: "1,96", "16", "29,4".
QString decimalText(int hundredths, QChar separator)
{
    QString text = QString::number(hundredths / 100);
    if (const int cents = hundredths % 100) {
        QString fraction = QString::number(cents).rightJustified(2, u'0');
        if (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += separator + fraction;
    }
    return text;
}

// The three lengths each theorem ties together: the first squared equals
// the product of the other two (altitude theorem, then the leg theorem twice).
const std::array<std::array<Length, 3>, 3> theorems{{
    {Length::HeightAH, Length::ProjBH, Length::ProjHC},
    {Length::LegAB, Length::HypBC, Length::ProjBH},
    {Length::LegAC, Length::HypBC, Length::ProjHC},
}};

// The hidden length worked out from the two given ones by the theorem that
// ties all three, in exact hundredths; nothing when no theorem ties them.
std::optional<qint64> solvedByTheorem(Length hidden, const QList<Length> &given,
                                      const std::array<qint64, quiz::lengthCount> &exact)
{
    const auto at = [&](Length l) { return qint64(exact[size_t(l)]); };
    for (const auto &[squared, factor1, factor2] : theorems) {
        const QList<Length> three{squared, factor1, factor2};
        if (!three.contains(hidden) || !three.contains(given[0]) || !three.contains(given[1]))
            continue;
        if (hidden == squared) {
            const auto root = qint64(std::llround(std::sqrt(double(at(factor1) * at(factor2)))));
            return root * root == at(factor1) * at(factor2) ? std::optional(root) : std::nullopt;
        }
        const Length other = hidden == factor1 ? factor2 : factor1;
        const qint64 square = at(squared) * at(squared);
        return square % at(other) == 0 ? std::optional(square / at(other)) : std::nullopt;
    }
    return std::nullopt;
}

QString nameOf(Length length)
{
    switch (length) {
    case Length::ProjBH:
        return "Proiezione BH";
    case Length::ProjHC:
        return "Proiezione HC";
    case Length::HypBC:
        return "Ipotenusa BC";
    case Length::HeightAH:
        return "Altezza AH";
    default:
        return "Cateto";
    }
}

// Chi-square of observed counts against expected shares.
double chiSquare(const QList<int> &observed, const QList<double> &shares, int total)
{
    double sum = 0;
    for (qsizetype i = 0; i < observed.size(); ++i) {
        const double expected = shares[i] * total;
        sum += (observed[i] - expected) * (observed[i] - expected) / expected;
    }
    return sum;
}

} // namespace

class TestProblem : public QObject
{
    Q_OBJECT

private slots:
    void everyTriangleAndPick_data();
    void everyTriangleAndPick();
    void drawsChooseTriangleAndPick_data();
    void drawsChooseTriangleAndPick();
    void reseedsInOrder();
    void laterProblemsReseedFromThePreviousOne();
    void faultyDrawRaisesError_data();
    void faultyDrawRaisesError();
    void realSourceIsUniform();
};

void TestProblem::everyTriangleAndPick_data()
{
    addEveryTriangleAndPickRows();
}

void TestProblem::everyTriangleAndPick()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, pick);
    const DisplayLocale italian = DisplayLocale::italian();
    const auto problem = quiz::problemOf({qint16(m), qint16(n), qint16(pick)}, italian);

    const auto exact = handHundredths(m, n);
    for (int i = 0; i < quiz::lengthCount; ++i)
        QCOMPARE(problem.texts[i], decimalText(exact[i], u','));

    QList<Length> given;
    for (int i = 0; i < quiz::lengthCount; ++i)
        if (problem.visible[i])
            given.append(Length(i));
    QCOMPARE(given.size(), 2);
    QCOMPARE(problem.unitVisible[0], true);
    QCOMPARE(problem.unitVisible[1], true);

    // The caption names a hidden length that the theorem gives from the two shown.
    std::optional<Length> named;
    for (int i = 0; i < quiz::lengthCount; ++i)
        if (!problem.visible[i] && nameOf(Length(i)) == problem.caption)
            named = Length(i);
    QVERIFY2(named, qPrintable(problem.caption));
    const std::optional<qint64> solved = solvedByTheorem(*named, given, exact);
    QVERIFY2(solved, "no theorem ties the hidden length to the two shown");
    QCOMPARE(*solved, qint64(exact[size_t(*named)]));

    // What a pupil types for the exact decimal must be exactly the expected value.
    const float typed = decimalText(int(*solved), u'.').toFloat();
    QCOMPARE(problem.expectedValue(), typed);
}

void TestProblem::drawsChooseTriangleAndPick_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("shapeRoll");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("hypotenuse");

    QTest::newRow("u=0: 7-24-25 family, n=1, pick 1") << 0.0f << 1 << 1 << 1 << "25";
    QTest::newRow("last u of roll 2 is still m=7") << 0.1333f << 2 << 2 << 1 << "50";
    QTest::newRow("roll 3 is the 3-4-5 family") << 0.1334f << 3 << 3 << 1 << "15";
    QTest::newRow("u=0.5") << 0.5f << 8 << 8 << 4 << "40";
    QTest::newRow("largest u: n=15, pick 6") << std::nextafter(1.0f, 0.0f) << 15 << 15 << 6 << "75";
}

void TestProblem::drawsChooseTriangleAndPick()
{
    QFETCH(float, u);
    QFETCH(int, shapeRoll);
    QFETCH(int, multiplier);
    QFETCH(int, pick);
    QFETCH(QString, hypotenuse);
    quiz::QuizState state;
    ScriptedRandom random({u});
    FakeClock clock;
    const auto problem = quiz::generateProblem(state, random, clock, DisplayLocale::italian());
    QCOMPARE(state.ShapeRoll, shapeRoll);
    QCOMPARE(state.Multiplier, multiplier);
    QCOMPARE(state.HiddenPick, pick);
    QCOMPARE(problem.text(Length::HypBC), hypotenuse);
    QCOMPARE(state.ExpectedValue, problem.expectedValue());
}

void TestProblem::reseedsInOrder()
{
    quiz::QuizState state;
    ScriptedRandom random;
    FakeClock clock;
    clock.now = QTime(10, 0, 0, 500);
    quiz::generateProblem(state, random, clock, DisplayLocale::italian());
    // Time, ReseedValue, Multiplier, time, HiddenPick: all zero on the first problem.
    QCOMPARE(random.reseeds, (QList<double>{36000.5, 0, 0, 36000.5, 0}));
    QCOMPARE(state.ReseedValue, 7);
}

void TestProblem::laterProblemsReseedFromThePreviousOne()
{
    quiz::QuizState state;
    ScriptedRandom random({0.9f});
    FakeClock clock;
    quiz::generateProblem(state, random, clock, DisplayLocale::italian());
    const qint16 multiplier = state.Multiplier;
    const qint16 pick = state.HiddenPick;
    random.reseeds.clear();
    quiz::generateProblem(state, random, clock, DisplayLocale::italian());
    QCOMPARE(random.reseeds, (QList<double>{36000, 7, double(multiplier), 36000, double(pick)}));
}

void TestProblem::faultyDrawRaisesError_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<RuntimeError::Kind>("kind");

    QTest::newRow("u far above 1 overflows 16 bits") << 1.0e6f << RuntimeError::Kind::Overflow;
    QTest::newRow("infinite u") << std::numeric_limits<float>::infinity()
                                << RuntimeError::Kind::FloatingPoint;
    QTest::newRow("NaN u") << std::numeric_limits<float>::quiet_NaN()
                           << RuntimeError::Kind::FloatingPoint;
}

void TestProblem::faultyDrawRaisesError()
{
    QFETCH(float, u);
    QFETCH(RuntimeError::Kind, kind);
    quiz::QuizState state;
    ScriptedRandom random({u});
    FakeClock clock;
    try {
        quiz::generateProblem(state, random, clock, DisplayLocale::italian());
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), kind);
    }
    QCOMPARE(state.ReseedValue, 7); // the steps before the fault stay done
}

void TestProblem::realSourceIsUniform()
{
    constexpr int problems = 10000;
    quiz::QuizState state;
    quiz::MixingRandomSource random(20261208);
    FakeClock clock; // the same reading for every problem
    int sevens = 0;
    QList<int> multipliers(15, 0);
    QList<int> picks(6, 0);
    for (int i = 0; i < problems; ++i) {
        quiz::generateProblem(state, random, clock, DisplayLocale::italian());
        sevens += state.ShapeRoll < 3;
        ++multipliers[state.Multiplier - 1];
        ++picks[state.HiddenPick - 1];
    }
    // Critical values of chi-square at p = 0.001 for 1, 14 and 5 degrees of freedom.
    const double shapeChi = chiSquare({sevens, problems - sevens}, {2.0 / 15, 13.0 / 15}, problems);
    QVERIFY2(shapeChi < 10.83, qPrintable(QString::number(shapeChi)));
    const double multiplierChi = chiSquare(multipliers, QList<double>(15, 1.0 / 15), problems);
    QVERIFY2(multiplierChi < 36.12, qPrintable(QString::number(multiplierChi)));
    const double pickChi = chiSquare(picks, QList<double>(6, 1.0 / 6), problems);
    QVERIFY2(pickChi < 20.52, qPrintable(QString::number(pickChi)));
}

QTEST_APPLESS_MAIN(TestProblem)
#include "tst_problem.moc"
