// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "quiz/problem.h"
#include "quiz/runtimeerror.h"

#include <QTest>

#include <limits>

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

// The exact lengths of triangle (m, n) in hundredths, in Length order.
std::array<int, quiz::lengthCount> exactHundredths(int m, int n)
{
    if (m == 3)
        return {180 * n, 320 * n, 300 * n, 400 * n, 500 * n, 240 * n};
    return {196 * n, 2304 * n, 700 * n, 2400 * n, 2500 * n, 672 * n};
}

struct PickRow
{
    Length hidden;
    QList<Length> given;
    QString caption;
    quint32 colour;
    bool unitItem2Visible;
};

PickRow pickRow(int pick)
{
    switch (pick) {
    case 1:
        return {Length::HeightAH, {Length::ProjBH, Length::ProjHC}, "Altezza AH", 0x00FF00, true};
    case 2:
        return {
            Length::ProjHC, {Length::ProjBH, Length::HeightAH}, "Proiezione HC", 0xFF00FF, true};
    case 3:
        return {
            Length::ProjBH, {Length::ProjHC, Length::HeightAH}, "Proiezione BH", 0xFF0000, false};
    case 4:
        return {Length::ProjBH, {Length::LegAB, Length::HypBC}, "Proiezione BH", 0xFF0000, false};
    case 5:
        return {Length::ProjHC, {Length::LegAC, Length::HypBC}, "Proiezione HC", 0xFF0000, false};
    default:
        return {Length::HypBC, {Length::LegAC, Length::ProjHC}, "Ipotenusa BC", 0xFF0000, false};
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
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pick");
    for (const int m : {3, 7})
        for (int n = 1; n <= 15; ++n)
            for (int pick = 1; pick <= 6; ++pick)
                QTest::addRow("m=%d n=%d pick %d", m, n, pick) << m << n << pick;
}

void TestProblem::everyTriangleAndPick()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, pick);
    const DisplayLocale italian = DisplayLocale::italian();
    const auto problem =
        quiz::makeProblem(quiz::makeTriangle(qint16(m), qint16(n)), qint16(pick), italian);

    const auto exact = exactHundredths(m, n);
    for (int i = 0; i < quiz::lengthCount; ++i)
        QCOMPARE(problem.texts[i], decimalText(exact[i], u','));

    const PickRow row = pickRow(pick);
    for (int i = 0; i < quiz::lengthCount; ++i)
        QCOMPARE(problem.visible[i], row.given.contains(Length(i)));
    QCOMPARE(problem.caption, row.caption);
    QCOMPARE(problem.captionColour, row.colour);
    QCOMPARE(problem.unitVisible, (std::array<bool, 3>{true, true, row.unitItem2Visible}));

    // What a pupil types for the exact decimal must be exactly the expected value.
    const float typed = decimalText(exact[size_t(row.hidden)], u'.').toFloat();
    QCOMPARE(problem.expectedValue, typed);
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
    QCOMPARE(state.ExpectedValue, problem.expectedValue);
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
