// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/numberpattern.h"

#include <QTest>

using format::DisplayLocale;

class TestNumberPattern : public QObject
{
    Q_OBJECT

private slots:
    void formatsByPattern_data();
    void formatsByPattern();
    void followsLocaleSeparator_data();
    void followsLocaleSeparator();
};

void TestNumberPattern::formatsByPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("12 keeps a trailing comma") << 12.0 << "####.##"
                                               << "12,";
    QTest::newRow("12 whole") << 12.0 << "####"
                              << "12";
    QTest::newRow("12 count") << 12.0 << "####0"
                              << "12";
    QTest::newRow("12.5 two decimals") << 12.5 << "####.##"
                                       << "12,5";
    QTest::newRow("12.5 whole rounds up") << 12.5 << "####"
                                          << "13";
    QTest::newRow("2.5 half away from zero, not to even") << 2.5 << "####"
                                                          << "3";
    QTest::newRow("1.96 two decimals") << 1.96 << "###.##"
                                       << "1,96";
    QTest::newRow("1.96 whole") << 1.96 << "####"
                                << "2";
    QTest::newRow("345.6") << 345.6 << "###.##"
                           << "345,6";
    QTest::newRow("0.5 has no leading zero") << 0.5 << "###.##"
                                             << ",5";
    QTest::newRow("0.5 count rounds to 1") << 0.5 << "###0"
                                           << "1";
    QTest::newRow("0 two decimals is the separator alone") << 0.0 << "####.##"
                                                           << ",";
    QTest::newRow("0 whole is empty") << 0.0 << "####"
                                      << "";
    QTest::newRow("0 wrong count") << 0.0 << "###0"
                                   << "0";
    QTest::newRow("0 count") << 0.0 << "####0"
                             << "0";
    QTest::newRow("0.125 rounds half up to 0.13") << 0.125 << "###.##"
                                                  << ",13";
    QTest::newRow("five digits are not cut") << 32767.0 << "####"
                                             << "32767";
    QTest::newRow("five digits with decimals") << 32767.0 << "####.##"
                                               << "32767,";
    QTest::newRow("count beyond 16 bits") << 123456.0 << "####0"
                                          << "123456";
    QTest::newRow("altitude with noise in its last bits") << 2.4000000000000004 << "####.##"
                                                          << "2,4";
    QTest::newRow("altitude just below its decimal") << 16.799999999999997 << "####.##"
                                                     << "16,8";
    QTest::newRow("single-precision 1.96") << double(1.96f) << "###.##"
                                           << "1,96";
}

void TestNumberPattern::formatsByPattern()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(format::formatNumber(value, pattern, DisplayLocale::italian()), text);
}

void TestNumberPattern::followsLocaleSeparator_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("12.5") << 12.5 << "####.##"
                          << "12.5";
    QTest::newRow("12") << 12.0 << "####.##"
                        << "12.";
    QTest::newRow("0.5") << 0.5 << "###.##"
                         << ".5";
}

void TestNumberPattern::followsLocaleSeparator()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    const auto english = DisplayLocale::from(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(format::formatNumber(value, pattern, english), text);
}

QTEST_APPLESS_MAIN(TestNumberPattern)
#include "tst_numberpattern.moc"
