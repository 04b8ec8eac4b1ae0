// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/problemset.h"
#include "quiz/solution.h"
#include "support/exactlengths.h"
#include "support/fakes.h"
#include "support/levelkinds.h"
#include "support/relations.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <numeric>

using format::DisplayLocale;
using quiz::Level;
using quiz::TheoremChoice;

Q_DECLARE_METATYPE(quiz::TheoremChoice)

namespace {

const QStringList letters{"BH", "HC", "AB", "AC", "BC", "AH"};

// "29,4" gives 2940.
qint64 hundredths(const QString &text)
{
    const QStringList parts = text.split(u',');
    return (parts[0] + (parts.size() > 1 ? parts[1] : QString()).leftJustified(2, u'0'))
        .toLongLong();
}

// Chi-square of counts against equal shares, and its critical value at
// p = 0.001 (Wilson and Hilferty's approximation).
bool looksUniform(const QList<int> &counts, int total, double *chi)
{
    const double expected = double(total) / double(counts.size());
    *chi = 0;
    for (const int c : counts)
        *chi += (c - expected) * (c - expected) / expected;
    const double df = double(counts.size() - 1);
    const double critical = df * std::pow(1 - 2 / (9 * df) + 3.09 * std::sqrt(2 / (9 * df)), 3);
    return *chi < critical;
}

} // namespace

class TestLevels : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOnEveryTriangle_data();
    void everyKindOnEveryTriangle();
    void twoStepKindsAreExactlyWhatTwoStepsReach();
    void kindsEquallyLikely_data();
    void kindsEquallyLikely();
    void levelOneDrawsAsDesigned();
    void laterLevelsReseedAfterTheDesignedOrder_data();
    void laterLevelsReseedAfterTheDesignedOrder();
    void setsAtEachLevel_data();
    void setsAtEachLevel();
    void tableRowsHoldTheTheorems();
    void tableHoldsEveryFamily_data();
    void tableHoldsEveryFamily();
    void laterLevelsVaryTheTriangle_data();
    void laterLevelsVaryTheTriangle();
};

void TestLevels::everyKindOnEveryTriangle_data()
{
    addEveryLevelKindAndTriangleRows();
}

void TestLevels::everyKindOnEveryTriangle()
{
    QFETCH(Level, level);
    QFETCH(int, index);
    QFETCH(int, m);
    QFETCH(int, n);
    const auto problem = quiz::problemOf(drawOfKind(level, index, m, n), DisplayLocale::italian());
    const auto exact = theoremHundredths(m, n);

    std::array<qint64, 6> shown{};
    QList<int> given;
    for (int i = 0; i < 6; ++i) {
        shown[size_t(i)] = hundredths(problem.texts[size_t(i)]);
        QCOMPARE(shown[size_t(i)], exact[size_t(i)]);
        if (problem.visible[size_t(i)])
            given.append(i);
    }
    QCOMPARE(given.size(), 2);
    const auto asked = int(letters.indexOf(problem.caption.section(u' ', -1)));
    QVERIFY2(asked >= 0 && !given.contains(asked), qPrintable(problem.caption));
    QCOMPARE(problem.expectedValue(),
             QString::number(double(exact[size_t(asked)]) / 100).toFloat());
    QVERIFY(problem.unitVisible[0] && problem.unitVisible[1]);

    // Each step of the route is one of the figure's relations, holding on
    // the lengths shown, and works only on what is given or already found.
    int known = 1 << given[0] | 1 << given[1];
    for (const quiz::Step &step : problem.kind().route()) {
        const auto *relation =
            relations::tying(int(step.result), int(step.first), int(step.second));
        QVERIFY2(relation, "a step that no relation of the figure makes");
        QVERIFY(relations::holds(*relation, shown));
        QVERIFY(known >> int(step.first) & 1 && known >> int(step.second) & 1);
        known |= 1 << int(step.result);
    }
    QVERIFY(known >> asked & 1);

    const int oneStep = relations::oneStepFrom(1 << given[0] | 1 << given[1]);
    if (level == Level::TwoSteps)
        QVERIFY2(!(oneStep >> asked & 1), "a two-step problem that one step answers");
    else
        QVERIFY(oneStep >> asked & 1);
}

void TestLevels::twoStepKindsAreExactlyWhatTwoStepsReach()
{
    QSet<QString> expected;
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) {
            const int givens = 1 << a | 1 << b;
            const int first = relations::oneStepFrom(givens);
            for (int y = 0; y < 6; ++y)
                if (first >> y & 1)
                    for (int x = 0; x < 6; ++x)
                        if (relations::oneStepFrom(givens | 1 << y) >> x & 1 && !(first >> x & 1))
                            expected.insert(letters[a] + letters[b] + u'>' + letters[x]);
        }
    QSet<QString> drawn;
    for (const quiz::ProblemKind &kind : quiz::kindsOfLevel(Level::TwoSteps)) {
        auto [g1, g2] = kind.givens();
        if (g1 > g2)
            std::swap(g1, g2);
        const QString key = letters[int(g1)] + letters[int(g2)] + u'>' + letters[int(kind.asked())];
        QVERIFY2(!drawn.contains(key), qPrintable(key + " twice"));
        drawn.insert(key);
    }
    QCOMPARE(drawn, expected);
}

void TestLevels::kindsEquallyLikely_data()
{
    QTest::addColumn<Level>("level");
    QTest::newRow("level 1: six kinds") << Level::OneStep;
    QTest::newRow("level 2: nine kinds") << Level::AllSides;
    QTest::newRow("level 3: every two-step kind") << Level::TwoSteps;
}

void TestLevels::kindsEquallyLikely()
{
    QFETCH(Level, level);
    const int kinds = int(quiz::kindsOfLevel(level).size());
    const int draws = 400 * kinds;
    quiz::QuizState state;
    quiz::MixingRandomSource random(20261209);
    FakeClock clock;
    QList<int> counts(kinds, 0);
    for (int i = 0; i < draws; ++i) {
        const auto draw = quiz::drawProblemAt(level, state, random, clock);
        const auto &levelKinds = quiz::kindsOfLevel(level);
        const auto at = &draw.kind() - levelKinds.data();
        QVERIFY(at >= 0 && at < qsizetype(levelKinds.size()));
        ++counts[at];
        QVERIFY(state.HiddenPick >= 1 && state.HiddenPick <= 6);
        QCOMPARE(state.ExpectedValue, float(draw.triangle().length(draw.kind().asked())));
    }
    double chi = 0;
    QVERIFY2(looksUniform(counts, draws, &chi), qPrintable(QString::number(chi)));
}

void TestLevels::levelOneDrawsAsDesigned()
{
    quiz::QuizState designedState, levelState;
    quiz::MixingRandomSource designedRandom(7), levelRandom(7);
    FakeClock clock;
    for (int i = 0; i < 200; ++i) {
        const auto designed = quiz::drawProblem(designedState, designedRandom, clock);
        QCOMPARE(quiz::drawProblemAt(Level::OneStep, levelState, levelRandom, clock), designed);
        QCOMPARE(levelState.HiddenPick, designedState.HiddenPick);
        QCOMPARE(levelState.Multiplier, designedState.Multiplier);
        QCOMPARE(levelState.ExpectedValue, designedState.ExpectedValue);
    }
    QCOMPARE(quiz::drawProblemSet(3, 40, TheoremChoice::Both, Level::OneStep),
             quiz::drawProblemSet(3, 40, TheoremChoice::Both));
}

void TestLevels::laterLevelsReseedAfterTheDesignedOrder_data()
{
    QTest::addColumn<Level>("level");
    QTest::newRow("level 2") << Level::AllSides;
    QTest::newRow("level 3") << Level::TwoSteps;
}

void TestLevels::laterLevelsReseedAfterTheDesignedOrder()
{
    QFETCH(Level, level);
    quiz::QuizState state;
    ScriptedRandom random({0.9f});
    FakeClock clock;
    quiz::drawProblemAt(level, state, random, clock);
    QCOMPARE(random.reseeds, (QList<double>{36000, 0, 0, 36000, 0, 0}));
    const double multiplier = state.Multiplier, pick = state.HiddenPick;
    const double levelPick = level == Level::AllSides ? state.SecondPick : state.TwoStepPick;
    QVERIFY(levelPick > 0); // u = 0.9 lands past the designed kinds
    random.reseeds.clear();
    quiz::drawProblemAt(level, state, random, clock);
    QCOMPARE(random.reseeds, (QList<double>{36000, 7, multiplier, 36000, pick, levelPick}));
}

void TestLevels::setsAtEachLevel_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<TheoremChoice>("choice");
    QTest::addColumn<QString>("theoremLine");
    for (const Level level : quiz::allLevels) {
        const QByteArray at = "level " + QByteArray::number(int(level));
        QTest::newRow(at + " both") << level << TheoremChoice::Both << QString();
        QTest::newRow(at + " leg") << level << TheoremChoice::Leg << "Primo teorema di Euclide";
        QTest::newRow(at + " altitude")
            << level << TheoremChoice::Altitude << "Secondo teorema di Euclide";
    }
}

void TestLevels::setsAtEachLevel()
{
    QFETCH(Level, level);
    QFETCH(TheoremChoice, choice);
    QFETCH(QString, theoremLine);
    QVERIFY(quiz::problemsOffered(level, choice) > 0);
    const auto set = quiz::drawProblemSet(11, 60, choice, level);
    QCOMPARE(set.size(), 60);
    QCOMPARE(quiz::drawProblemSet(11, 60, choice, level), set);
    QSet<QString> kinds;
    for (qsizetype i = 0; i < set.size(); ++i) {
        QVERIFY2(set.indexOf(set[i]) == i, "a problem repeats on one sheet");
        const auto solution = quiz::solveProblem(set[i], DisplayLocale::italian());
        QCOMPARE(solution.steps.size(), level == Level::TwoSteps ? 2 : 1);
        if (!theoremLine.isEmpty())
            QVERIFY2(solution.text().contains(theoremLine), qPrintable(solution.text()));
        kinds.insert(solution.lines.constFirst());
    }
    QVERIFY(kinds.size() > 1);
}

// Every triangle of the table, as the window shows it: a primitive triple
// scaled, its six texts exact to two places and short enough to type, and
// every relation of the figure holding on them in exact hundredths.
void TestLevels::tableRowsHoldTheTheorems()
{
    const auto table = quiz::triangleTable();
    QVERIFY(table.size() > 30);
    QSet<int> legs;
    for (const quiz::ScaledTriangle &t : table) {
        const auto [a, b, c] = t.shape;
        const QString name = QStringLiteral("%1-%2-%3 x%4").arg(a).arg(b).arg(c).arg(t.scale);
        QVERIFY2(a < b && a * a + b * b == c * c && std::gcd(int(a), int(b)) == 1,
                 qPrintable(name));
        // The shorter leg names the shape in the draw and in the record.
        QVERIFY2(!legs.contains(a) || quiz::primitiveWithLeg(a) == t.shape, qPrintable(name));
        legs.insert(a);

        // BC × BH = AB², BC × HC = AC², BC × AH = AB × AC: exact in hundredths.
        const qint64 ab = 100LL * a * t.scale, ac = 100LL * b * t.scale, bc = 100LL * c * t.scale;
        QVERIFY2(ab * ab % bc == 0 && ac * ac % bc == 0 && ab * ac % bc == 0, qPrintable(name));

        const quiz::ProblemDraw draw{a, t.scale, 1};
        const auto problem = quiz::problemOf(draw, DisplayLocale::italian());
        std::array<qint64, 6> shown{};
        for (int i = 0; i < 6; ++i) {
            const QString text = problem.texts[size_t(i)];
            QVERIFY2(text.size() <= 6 && text.section(u',', 1).size() <= 2,
                     qPrintable(name + u' ' + text));
            // Beyond the designed families, four digits at most: 1681 or 12,25.
            const bool designed = (a == 3 && b == 4) || (a == 7 && b == 24);
            QVERIFY2(designed || QString(text).remove(u',').size() <= 4,
                     qPrintable(name + u' ' + text));
            shown[size_t(i)] = hundredths(text);
        }
        QCOMPARE(shown[2], ab);
        QCOMPARE(shown[4], bc);
        for (const relations::Relation &relation : relations::all())
            QVERIFY2(relations::holds(relation, shown), qPrintable(name));
        QCOMPARE(shown, theoremHundredths(a, t.scale));
        QCOMPARE(double(float(draw.triangle().length(quiz::Length::HeightAH))),
                 double(float(double(shown[5]) / 100)));
    }
}

void TestLevels::tableHoldsEveryFamily_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<QList<int>>("scales"); // those that must be there; empty: any
    const QList<int> oneToFifteen = [] {
        QList<int> list(15);
        std::iota(list.begin(), list.end(), 1);
        return list;
    }();
    QTest::newRow("3-4-5, the designed n = 1..15") << 3 << 4 << 5 << oneToFifteen;
    QTest::newRow("7-24-25, the designed n = 1..15") << 7 << 24 << 25 << oneToFifteen;
    QTest::newRow("5-12-13 x13: BH 25, HC 144, AH 60") << 5 << 12 << 13 << QList<int>{13};
    // Every primitive triple with a hypotenuse below 100, found by search.
    for (int c = 2; c < 100; ++c)
        for (int a = 1; a < c; ++a)
            for (int b = a + 1; b < c; ++b)
                if (a * a + b * b == c * c && std::gcd(a, b) == 1)
                    QTest::addRow("%d-%d-%d", a, b, c) << a << b << c << QList<int>{};
}

void TestLevels::tableHoldsEveryFamily()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(QList<int>, scales);
    QList<int> found;
    for (const quiz::ScaledTriangle &t : quiz::triangleTable())
        if (t.shape == quiz::Primitive{qint16(a), qint16(b), qint16(c)})
            found.append(t.scale);
    QVERIFY(!found.isEmpty());
    for (const int scale : scales)
        QVERIFY2(found.contains(scale), qPrintable(QString::number(scale)));
}

void TestLevels::laterLevelsVaryTheTriangle_data()
{
    QTest::addColumn<Level>("level");
    QTest::newRow("level 2") << Level::AllSides;
    QTest::newRow("level 3") << Level::TwoSteps;
}

// 60 problems show at least five shapes, and no triangle comes back within
// five problems, whatever the level before.
void TestLevels::laterLevelsVaryTheTriangle()
{
    QFETCH(Level, level);
    quiz::QuizState state;
    quiz::MixingRandomSource random(20261209);
    FakeClock clock;
    QList<quiz::ProblemDraw> draws;
    for (int i = 0; i < 10; ++i)
        draws.append(quiz::drawProblemAt(Level::OneStep, state, random, clock));
    QSet<int> shapes;
    for (int i = 0; i < 600; ++i) {
        const auto draw = quiz::drawProblemAt(level, state, random, clock);
        for (qsizetype back = 1; back <= 5; ++back) {
            const auto &before = draws[draws.size() - back];
            QVERIFY2(before.GenM != draw.GenM || before.Multiplier != draw.Multiplier,
                     qPrintable(QStringLiteral("problem %1 repeats the triangle of %2 before")
                                    .arg(i)
                                    .arg(back)));
        }
        draws.append(draw);
        if (i < 60)
            shapes.insert(draw.GenM);
    }
    QVERIFY2(shapes.size() >= 5, qPrintable(QString::number(shapes.size())));
}

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
