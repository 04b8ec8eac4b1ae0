// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/checked.h"
#include "quiz/runtimeerror.h"

#include <QTest>

#include <limits>

using quiz::RuntimeError;

class TestChecked : public QObject
{
    Q_OBJECT

private slots:
    void toInt16_data();
    void toInt16();
    void toInt16Overflows_data();
    void toInt16Overflows();
    void integerOverflow();
    void notFiniteIsAFloatingPointError_data();
    void notFiniteIsAFloatingPointError();
};

void TestChecked::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");

    QTest::newRow("2.5 goes to even 2") << 2.5 << 2;
    QTest::newRow("3.5 goes to even 4") << 3.5 << 4;
    QTest::newRow("-2.5 goes to even -2") << -2.5 << -2;
    QTest::newRow("2.4 nearest") << 2.4 << 2;
    QTest::newRow("2.6 nearest") << 2.6 << 3;
    QTest::newRow("largest") << 32767.4 << 32767;
    QTest::newRow("smallest, half to even") << -32768.5 << -32768;
}

void TestChecked::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(quiz::checked::toInt16(value), result);
}

void TestChecked::toInt16Overflows_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("32767.5 rounds to 32768") << 32767.5;
    QTest::newRow("-32769") << -32769.0;
    QTest::newRow("huge") << 1.5e7;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
}

void TestChecked::toInt16Overflows()
{
    QFETCH(double, value);
    try {
        quiz::checked::toInt16(value);
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
        QCOMPARE(error.number(), 6);
    }
}

void TestChecked::integerOverflow()
{
    using namespace quiz::checked;
    QCOMPARE(multiply(qint16(105), qint16(105)), qint16(11025));
    QCOMPARE(add(qint16(32766), qint16(1)), qint16(32767));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, multiply(qint16(182), qint16(181)));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, add(qint16(32767), qint16(1)));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, subtract(qint16(-32768), qint16(1)));
    QCOMPARE(add(qint32(32767), qint32(1)), 32768);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, add(std::numeric_limits<qint32>::max(), qint32(1)));
}

void TestChecked::notFiniteIsAFloatingPointError_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
}

void TestChecked::notFiniteIsAFloatingPointError()
{
    QFETCH(double, value);
    try {
        quiz::checked::finite(value);
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::FloatingPoint);
    }
}

QTEST_APPLESS_MAIN(TestChecked)
#include "tst_checked.moc"
