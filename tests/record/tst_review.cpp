// SPDX-License-Identifier: GPL-3.0-or-later
// "Ripasso": kinds the pupil got wrong come back more often until answered
// right twice, and with nothing to review the draw is the uniform one, seed
// for seed. Frequencies are counted over many seeded draws.
#include "quiz/kindid.h"
#include "record/recordrows.h"
#include "support/fakes.h"

#include "quiz/review.h"
#include "record/answerrow.h"
#include "record/recordreader.h"
#include "record/recordwriter.h"
#include "record/reviewboxes.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(quiz::Level)

namespace {

constexpr int draws = 6000;

QString idOf(quiz::Level level, int index)
{
    return quiz::kindId(quiz::kindsOfLevel(level)[size_t(index)]);
}

// How often each kind of the level is drawn, over draws from one seed.
QList<int> counts(quiz::Level level, const record::ReviewBoxes &boxes, quint64 seed)
{
    quiz::MixingRandomSource random(seed);
    FakeClock clock;
    quiz::QuizState state;
    const auto kinds = quiz::kindsOfLevel(level);
    QList<int> seen(qsizetype(kinds.size()), 0);
    const QList<int> weights = boxes.weights(kinds);
    for (int i = 0; i < draws; ++i) {
        const quiz::ProblemDraw draw =
            quiz::drawProblemReviewed(level, state, random, clock, weights);
        const quiz::ProblemKind &kind = draw.kind();
        for (size_t k = 0; k < kinds.size(); ++k)
            seen[qsizetype(k)] += quiz::kindId(kinds[k]) == quiz::kindId(kind);
        // What the pupil must type is the kind's asked length.
        if (!QTest::qCompare(state.ExpectedValue, float(draw.triangle().length(kind.asked())),
                             "ExpectedValue", "asked length", __FILE__, __LINE__))
            return {};
        clock.now = clock.now.addMSecs(37);
    }
    return seen;
}

} // namespace

class TestReview : public QObject
{
    Q_OBJECT

private slots:
    void wrongKindComesBackMoreOften_data();
    void wrongKindComesBackMoreOften();
    void twoRightsReturnToUniformDraw_data() { wrongKindComesBackMoreOften_data(); }
    void twoRightsReturnToUniformDraw();
    void offIsTodaysDraw_data();
    void offIsTodaysDraw();
    void boxesFromRealRecordFile();
};

void TestReview::wrongKindComesBackMoreOften_data()
{
    QTest::addColumn<quiz::Level>("level");
    QTest::addColumn<int>("wrongKind");
    QTest::newRow("level 1, altitude AH") << quiz::Level::OneStep << 0;
    QTest::newRow("level 1, last designed kind") << quiz::Level::OneStep << 5;
    QTest::newRow("level 2, a designed kind") << quiz::Level::AllSides << 2;
    QTest::newRow("level 2, a second selector's kind") << quiz::Level::AllSides << 7;
    QTest::newRow("level 3, first two-step kind") << quiz::Level::TwoSteps << 0;
    QTest::newRow("level 3, a later two-step kind") << quiz::Level::TwoSteps << 4;
}

void TestReview::wrongKindComesBackMoreOften()
{
    QFETCH(quiz::Level, level);
    QFETCH(int, wrongKind);
    const int kinds = int(quiz::kindsOfLevel(level).size());
    record::ReviewBoxes boxes;
    boxes.add(idOf(level, wrongKind), false);
    const QList<int> afterWrong = counts(level, boxes, 5);
    boxes.add(idOf(level, wrongKind), true);
    const QList<int> afterOneRight = counts(level, boxes, 5);

    // Uniform is draws / kinds; the kind in review is well above it, and
    // above every other kind.
    const double uniform = double(draws) / kinds;
    QVERIFY2(afterWrong[wrongKind] > 1.5 * uniform,
             qPrintable(QStringLiteral("%1 of %2").arg(afterWrong[wrongKind]).arg(draws)));
    for (int k = 0; k < kinds; ++k) {
        if (k != wrongKind)
            QVERIFY2(afterWrong[k] < afterWrong[wrongKind], qPrintable(QString::number(k)));
    }
    // One right answer on: still favoured, less than straight after the wrong one.
    QVERIFY(afterOneRight[wrongKind] > 1.2 * uniform);
    QVERIFY(afterOneRight[wrongKind] < afterWrong[wrongKind]);
}

void TestReview::twoRightsReturnToUniformDraw()
{
    QFETCH(quiz::Level, level);
    QFETCH(int, wrongKind);
    record::ReviewBoxes reviewed;
    reviewed.add(idOf(level, wrongKind), false);
    reviewed.add(idOf(level, wrongKind), true);
    reviewed.add(idOf(level, wrongKind), true);
    QCOMPARE(reviewed.rightsToGo(idOf(level, wrongKind)), 0);
    // The same draws, seed for seed, as with nothing ever wrong.
    QCOMPARE(counts(level, reviewed, 9), counts(level, record::ReviewBoxes(), 9));
}

void TestReview::offIsTodaysDraw_data()
{
    QTest::addColumn<quiz::Level>("level");
    QTest::addColumn<quint64>("seed");
    for (const quiz::Level level : quiz::allLevels)
        for (const quint64 seed : {1ull, 77ull, 123456789ull})
            QTest::addRow("level %d seed %llu", int(level), seed) << level << seed;
}

// With no weights the draws, the state and the random source's sequence are
// drawProblemAt's.
void TestReview::offIsTodaysDraw()
{
    QFETCH(quiz::Level, level);
    QFETCH(quint64, seed);
    quiz::MixingRandomSource reviewRandom(seed), plainRandom(seed);
    quiz::QuizState reviewState, plainState;
    FakeClock clock;
    for (int i = 0; i < 500; ++i) {
        const auto reviewed =
            quiz::drawProblemReviewed(level, reviewState, reviewRandom, clock, {});
        const auto plain = quiz::drawProblemAt(level, plainState, plainRandom, clock);
        QCOMPARE(reviewed, plain);
        QCOMPARE(reviewState.ExpectedValue, plainState.ExpectedValue);
        QCOMPARE(reviewState.HiddenPick, plainState.HiddenPick);
        clock.now = clock.now.addMSecs(113);
    }
    QCOMPARE(reviewRandom.next(), plainRandom.next());
}

// The boxes as the window builds them: from rows written to a real file and
// read back, in the order given, across a day.
void TestReview::boxesFromRealRecordFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.sqlite"));
    FakeClock clock;
    {
        record::RecordWriter writer(path, clock);
        writer.startSession(1);
        const QList<std::pair<QString, bool>> given{{"AH:BH,HC", false}, {"BH:AH,HC", false},
                                                    {"AH:BH,HC", true},  {"HC:AH,BH", true},
                                                    {"BH:AH,HC", true},  {"BH:AH,HC", true}};
        for (qsizetype i = 0; i < given.size(); ++i) {
            const auto &[kind, right] = given[i];
            record::AnswerRow row = numberedAnswer(int(i));
            row.kind = kind;
            row.right = right;
            QVERIFY(writer.addAnswer(row));
            clock.now = clock.now.addSecs(5);
        }
    }
    record::ReviewBoxes boxes;
    boxes.addAll(record::RecordReader().read({path}).answers);
    QCOMPARE(boxes.rightsToGo(QStringLiteral("AH:BH,HC")), 1);
    QCOMPARE(boxes.rightsToGo(QStringLiteral("BH:AH,HC")), 0);
    QCOMPARE(boxes.rightsToGo(QStringLiteral("HC:AH,BH")), 0);
}

QTEST_GUILESS_MAIN(TestReview)
#include "tst_review.moc"
