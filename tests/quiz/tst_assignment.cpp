// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/assignment.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using quiz::Assignment;
using quiz::Level;
using quiz::TheoremChoice;

Q_DECLARE_METATYPE(quiz::Level)
Q_DECLARE_METATYPE(quiz::TheoremChoice)

namespace {

const QString symbols = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");

QString bare(const QString &code)
{
    return QString(code).remove(u'-');
}

QString grouped(const QString &bareCode)
{
    QString code;
    for (qsizetype i = 0; i < bareCode.size(); ++i)
        code += (i > 0 && i % 4 == 0 ? QStringLiteral("-") : QString()) + bareCode[i];
    return code;
}

} // namespace

class TestAssignment : public QObject
{
    Q_OBJECT

private slots:
    void everyAssignmentRoundTrips_data();
    void everyAssignmentRoundTrips();
    void typingSlipsAreRefused_data();
    void typingSlipsAreRefused();
    void nonCodesAreRefused_data();
    void nonCodesAreRefused();
    void codesWrittenEarlierStillHold();
};

void TestAssignment::everyAssignmentRoundTrips_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<TheoremChoice>("theorem");
    const std::pair<TheoremChoice, const char *> theorems[] = {
        {TheoremChoice::Both, "both"},
        {TheoremChoice::Leg, "leg"},
        {TheoremChoice::Altitude, "altitude"}};
    for (const Level level : quiz::allLevels)
        for (const auto &[theorem, name] : theorems)
            QTest::addRow("level %d %s", int(level), name) << level << theorem;
}

// Every count with random seeds and the two ends of the seed's range, each
// code written as the sheet prints it and as a pupil might type it.
void TestAssignment::everyAssignmentRoundTrips()
{
    QFETCH(Level, level);
    QFETCH(TheoremChoice, theorem);
    const QRegularExpression printed(QStringLiteral("^[%1]{4}-[%1]{4}-[%1]{2}$").arg(symbols));
    QRandomGenerator random(20261209u + quint32(level) * 3 + quint32(theorem));
    QSet<QString> codes;
    for (int count = quiz::minProblemSetSize; count <= quiz::maxProblemSetSize; ++count) {
        for (const quint32 seed : {0u, 0xFFFFFFFFu, random.generate(), random.generate(),
                                   random.generate(), random.generate()}) {
            const Assignment assignment{level, theorem, count, seed};
            if (!quiz::isGivable(assignment))
                QSKIP("this level offers no problem under the theorem");
            const QString code = quiz::assignmentCode(assignment);
            QVERIFY2(printed.match(code).hasMatch(), qPrintable(code));
            codes.insert(code);
            QString typed = code.toLower();
            typed.replace(u'0', u'o').replace(u'1', u'l').replace(u'-', QStringLiteral(" - "));
            for (const QString &form : {code, bare(code), QStringLiteral(" ") + typed})
                QCOMPARE(quiz::assignmentOfCode(form), std::optional(assignment));
        }
    }
    // Two assignments never share a code (random seeds may repeat: at most
    // a handful of the rows).
    QVERIFY(codes.size() >= (quiz::maxProblemSetSize - quiz::minProblemSetSize + 1) * 6 - 4);
}

void TestAssignment::typingSlipsAreRefused_data()
{
    QTest::addColumn<Assignment>("assignment");
    QTest::newRow("level 1 both 20") << Assignment{Level::OneStep, TheoremChoice::Both, 20, 123456};
    QTest::newRow("level 2 leg 5 seed 0") << Assignment{Level::AllSides, TheoremChoice::Leg, 5, 0};
    QTest::newRow("level 3 altitude 60 largest seed")
        << Assignment{Level::TwoSteps, TheoremChoice::Altitude, 60, 0xFFFFFFFFu};
    QTest::newRow("level 1 altitude 37")
        << Assignment{Level::OneStep, TheoremChoice::Altitude, 37, 987654321};
}

// Every one symbol changed to every other and every two neighbours swapped:
// refused, so a slip never gives another assignment's problems.
void TestAssignment::typingSlipsAreRefused()
{
    QFETCH(Assignment, assignment);
    const QString code = bare(quiz::assignmentCode(assignment));
    int tried = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        for (const QChar other : symbols) {
            if (other == code[i])
                continue;
            QString changed = code;
            changed[i] = other;
            QVERIFY2(!quiz::assignmentOfCode(grouped(changed)), qPrintable(changed));
            ++tried;
        }
    }
    for (qsizetype i = 0; i + 1 < code.size(); ++i) {
        if (code[i] == code[i + 1])
            continue;
        QString swapped = code;
        std::swap(swapped[i], swapped[i + 1]);
        QVERIFY2(!quiz::assignmentOfCode(grouped(swapped)), qPrintable(swapped));
        ++tried;
    }
    QVERIFY(tried >= 10 * 31);
}

void TestAssignment::nonCodesAreRefused_data()
{
    const QString good = quiz::assignmentCode({Level::OneStep, TheoremChoice::Both, 20, 4242});
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("dashes only") << QStringLiteral("----");
    QTest::newRow("one symbol missing") << good.left(good.size() - 1);
    QTest::newRow("one symbol more") << good + u'7';
    QTest::newRow("U, not in the alphabet") << QString(good).replace(0, 1, u'U');
    QTest::newRow("a punctuation mark") << QString(good).replace(4, 1, u'.');
    QTest::newRow("the code twice") << good + good;
    QTest::newRow("a seed instead") << QStringLiteral("4242");
}

void TestAssignment::nonCodesAreRefused()
{
    QFETCH(QString, typed);
    QCOMPARE(quiz::assignmentOfCode(typed), std::nullopt);
}

// Codes written on a board or a sheet must keep naming the same problems in
// every later version of the program; these were made once and must not move.
void TestAssignment::codesWrittenEarlierStillHold()
{
    const Assignment assignment{Level::TwoSteps, TheoremChoice::Leg, 20, 271828};
    QCOMPARE(quiz::assignmentCode(assignment), QStringLiteral("J8C0-DQ5Y-MR"));
    QCOMPARE(quiz::assignmentOfCode(QStringLiteral("J8C0-DQ5Y-MR")), std::optional(assignment));
}

QTEST_APPLESS_MAIN(TestAssignment)
#include "tst_assignment.moc"
