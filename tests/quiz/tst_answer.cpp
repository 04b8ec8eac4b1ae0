// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/answer.h"
#include "quiz/quizsession.h"
#include "quiz/runtimeerror.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using format::DisplayLocale;

class TestAnswer : public QObject
{
    Q_OBJECT

private slots:
    void readsNumbers_data();
    void readsNumbers();
    void judges_data();
    void judges();
    void emptyBoxCountsAsZero();
    void notANumberIsNotCounted_data();
    void notANumberIsNotCounted();
    void everyEnterCounts();
    void countsBeyondSixteenBits();
    void sessionSaysWhatHappened_data();
    void sessionSaysWhatHappened();
};

void TestAnswer::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<float>("value");

    QTest::newRow("12,5") << "12,5" << true << 12.5f;
    QTest::newRow("trailing comma") << "12," << true << 12.0f;
    QTest::newRow("leading comma") << ",5" << true << 0.5f;
    QTest::newRow("leading zeros") << "007" << true << 7.0f;
    QTest::newRow("1,960") << "1,960" << true << 1.96f;
    QTest::newRow("zero") << "0" << true << 0.0f;
    QTest::newRow("lone comma") << "," << false << 0.0f;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
    QTest::newRow("letters") << "12ab" << false << 0.0f;
    QTest::newRow("full stop is not the separator") << "1.5" << false << 0.0f;
    QTest::newRow("minus sign") << "-3" << false << 0.0f;
    QTest::newRow("blank") << " 3" << false << 0.0f;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0663") << false << 0.0f;
}

void TestAnswer::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(float, value);
    const std::optional<float> read = quiz::readNumber(text, u',');
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void TestAnswer::judges_data()
{
    QTest::addColumn<float>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("message");

    QTest::newRow("1,96 is right") << 1.96f << "1,96" << true << "Esatto. Sei in gamba!!!";
    QTest::newRow("01,960 is right") << 1.96f << "01,960" << true << "Esatto. Sei in gamba!!!";
    QTest::newRow("1,95 is wrong") << 1.96f << "1,95" << false << "Sbagliato!! 1,96";
    QTest::newRow("no rounding to two decimals")
        << 1.96f << "1,9600001" << false << "Sbagliato!! 1,96";
    QTest::newRow("whole expected has no comma") << 25.0f << "24" << false << "Sbagliato!! 25";
    QTest::newRow("25, is right") << 25.0f << "25," << true << "Esatto. Sei in gamba!!!";
    QTest::newRow("345,6 expected") << 345.6f << "345" << false << "Sbagliato!! 345,6";
    QTest::newRow("altitude 2,4") << float(2.4000000000000004) << "2,4" << true
                                  << "Esatto. Sei in gamba!!!";
    QTest::newRow("altitude 16,8")
        << float(16.799999999999997) << "16,8" << true << "Esatto. Sei in gamba!!!";
}

void TestAnswer::judges()
{
    QFETCH(float, expected);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QFETCH(QString, message);
    quiz::QuizState state;
    state.ExpectedValue = expected;
    state.RightCount = 2;
    state.WrongCount = 3;
    const quiz::Verdict verdict = quiz::judgeAnswer(state, typed, DisplayLocale::italian());
    QVERIFY(verdict.counted);
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.boxText, typed);
    QCOMPARE(state.RightCount, right ? 3 : 2);
    QCOMPARE(state.WrongCount, right ? 3 : 4);
    QCOMPARE(verdict.score.right, right ? 3 : 2);
    QCOMPARE(verdict.score.wrong, right ? 3 : 4);
    QCOMPARE(verdict.score.total, 6);
}

void TestAnswer::emptyBoxCountsAsZero()
{
    quiz::QuizState state;
    state.ExpectedValue = 29.4f;
    const quiz::Verdict verdict = quiz::judgeAnswer(state, QString(), DisplayLocale::italian());
    QCOMPARE(verdict.boxText, "0");
    QCOMPARE(state.TypedValue, 0.0f);
    QCOMPARE(verdict.message, "Sbagliato!! 29,4");
    QCOMPARE(state.WrongCount, 1);
}

void TestAnswer::notANumberIsNotCounted_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("lone comma") << ",";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("pasted letters") << "12ab";
}

void TestAnswer::notANumberIsNotCounted()
{
    QFETCH(QString, typed);
    quiz::QuizState state;
    state.ExpectedValue = 5;
    const quiz::Verdict verdict = quiz::judgeAnswer(state, typed, DisplayLocale::italian());
    QVERIFY(!verdict.counted);
    QCOMPARE(verdict.message, "Scrivi un numero, per esempio 12,5");
    QCOMPARE(verdict.boxText, typed);
    QCOMPARE(state.RightCount, 0);
    QCOMPARE(state.WrongCount, 0);
    QCOMPARE(verdict.score.total, 0);
}

void TestAnswer::everyEnterCounts()
{
    quiz::QuizState state;
    state.ExpectedValue = 12;
    quiz::judgeAnswer(state, "12", DisplayLocale::italian());
    const quiz::Verdict second = quiz::judgeAnswer(state, "12", DisplayLocale::italian());
    QCOMPARE(state.RightCount, 2);
    QCOMPARE(second.score.total, 2);
}

void TestAnswer::countsBeyondSixteenBits()
{
    // Once a fault: the counters stopped the program at 32767.
    quiz::QuizState state;
    state.ExpectedValue = 12;
    state.RightCount = 32767;
    state.WrongCount = 32767;
    const quiz::Verdict right = quiz::judgeAnswer(state, "12", DisplayLocale::italian());
    QCOMPARE(right.score.right, 32768);
    QCOMPARE(right.score.total, 65535);
    const quiz::Verdict wrong = quiz::judgeAnswer(state, "1", DisplayLocale::italian());
    QCOMPARE(wrong.score.wrong, 32768);
    QCOMPARE(wrong.score.total, 65536);

    state.RightCount = std::numeric_limits<qint32>::max();
    QVERIFY_THROWS_EXCEPTION(quiz::RuntimeError,
                             quiz::judgeAnswer(state, "12", DisplayLocale::italian()));
    QCOMPARE(state.RightCount, std::numeric_limits<qint32>::max());
}

void TestAnswer::sessionSaysWhatHappened_data()
{
    QTest::addColumn<QString>("typed"); // "right" for the expected value
    QTest::addColumn<int>("judged");
    QTest::addColumn<bool>("right");
    QTest::newRow("right answer: judged, right") << "right" << 1 << true;
    QTest::newRow("wrong answer: judged, wrong") << "100000" << 1 << false;
    QTest::newRow("not a number: not judged") << "," << 0 << false;
}

// The listeners hear of the problem on display and of its verdict as
// values, and of the level once when it changes.
void TestAnswer::sessionSaysWhatHappened()
{
    QFETCH(QString, typed);
    QFETCH(int, judged);
    QFETCH(bool, right);
    FakeClock clock;
    quiz::MixingRandomSource random(7);
    quiz::QuizSession session(clock, random, quiz::Level::OneStep);
    QSignalSpy posed(&session, &quiz::QuizSession::problemPosed);
    QSignalSpy verdicts(&session, &quiz::QuizSession::answerJudged);
    QSignalSpy levels(&session, &quiz::QuizSession::levelChanged);

    session.poseProblem(DisplayLocale::italian());
    QCOMPARE(posed.size(), 1);
    const auto problem = posed[0][0].value<quiz::Problem>();
    QCOMPARE(problem.expectedValue(), session.state().ExpectedValue);
    if (typed == QLatin1String("right"))
        typed = QString::number(problem.expectedValue(), 'g', 6).replace(u'.', u',');
    const quiz::Verdict verdict = session.judge(typed, DisplayLocale::italian());
    QCOMPARE(verdicts.size(), judged);
    QCOMPARE(verdict.right, right);
    QCOMPARE(session.state().RightCount + session.state().WrongCount, judged);
    if (judged)
        QCOMPARE(verdicts[0][1].value<quiz::Verdict>().right, right);

    session.setLevel(quiz::Level::OneStep);
    session.setLevel(quiz::Level::TwoSteps);
    session.setLevel(quiz::Level::TwoSteps);
    QCOMPARE(levels.size(), 1);
    QCOMPARE(session.level(), quiz::Level::TwoSteps);
    session.load();
    QCOMPARE(session.state().RightCount + session.state().WrongCount, 0);
}

QTEST_APPLESS_MAIN(TestAnswer)
#include "tst_answer.moc"
