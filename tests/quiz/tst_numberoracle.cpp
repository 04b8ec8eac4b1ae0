// SPDX-License-Identifier: GPL-3.0-or-later
// formatNumber against an exact decimal oracle, over a million drawn values
// and every display pattern; and every length text read back by the answer
// reader is judged right.
#include "format/numberpattern.h"
#include "quiz/answer.h"
#include "quiz/problem.h"

#include <QTest>

#include <array>
#include <cmath>
#include <random>
#include <string>

using format::DisplayLocale;

namespace {

constexpr std::uint64_t seed = 20261208;
constexpr int drawnValues = 1'000'000;

// The exact decimal expansion of a finite non-negative double: every binary
// fraction is a finite decimal. Digits are most significant first.
struct ExactDecimal
{
    std::string integerDigits;  // no leading zeros; empty for 0
    std::string fractionDigits; // no trailing zeros
};

// value = mantissa * 2^exponent = mantissa * 5^-exponent / 10^-exponent.
ExactDecimal exactDecimal(double value)
{
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    exponent -= 53;

    std::string digits; // least significant first
    for (; mantissa; mantissa /= 10)
        digits += char('0' + mantissa % 10);
    const auto multiplyBy = [&digits](std::int64_t factor) {
        std::int64_t carry = 0;
        for (char &digit : digits) {
            const std::int64_t product = (digit - '0') * factor + carry;
            digit = char('0' + product % 10);
            carry = product / 10;
        }
        for (; carry; carry /= 10)
            digits += char('0' + carry % 10);
    };
    // By powers, in as few passes as an int64 allows.
    const auto multiplyByPower = [&multiplyBy](std::int64_t base, int count, int perPass) {
        for (; count > 0; count -= perPass) {
            std::int64_t factor = 1;
            for (int i = 0; i < std::min(count, perPass); ++i)
                factor *= base;
            multiplyBy(factor);
        }
    };
    multiplyByPower(2, exponent, 30);
    const size_t decimals = size_t(std::max(0, -exponent));
    multiplyByPower(5, -exponent, 13);
    if (digits.size() <= decimals)
        digits.append(decimals - digits.size() + 1, '0');

    const std::string ordered(digits.rbegin(), digits.rend());
    const size_t integerCount = ordered.size() - decimals;
    ExactDecimal exact;
    exact.integerDigits = ordered.substr(0, integerCount);
    exact.fractionDigits = ordered.substr(integerCount);
    exact.integerDigits.erase(0, exact.integerDigits.find_first_not_of('0'));
    if (exact.integerDigits.find_first_not_of('0') == std::string::npos)
        exact.integerDigits.clear();
    exact.fractionDigits.erase(exact.fractionDigits.find_last_not_of('0') + 1);
    return exact;
}

// Adds one to a decimal digit string.
std::string incremented(std::string digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return digits;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
    return digits;
}

// What the pattern must show for the value, worked out on its exact decimal.
QString expectedText(const ExactDecimal &exact, QStringView pattern, QChar separator)
{
    const qsizetype dot = pattern.indexOf(u'.');
    const int decimals = dot < 0 ? 0 : int(pattern.size() - dot - 1);
    const bool zeroShown = pattern.left(dot < 0 ? pattern.size() : dot).contains(u'0');

    std::string fraction = exact.fractionDigits;
    fraction.resize(size_t(decimals) + 1, '0');
    const bool roundUp = fraction.back() >= '5'; // half away from zero
    fraction.pop_back();
    std::string units = exact.integerDigits + fraction;
    if (roundUp)
        units = incremented(units.empty() ? std::string("0") : units);
    units.insert(0, size_t(std::max<qsizetype>(0, decimals + 1 - qsizetype(units.size()))), '0');

    std::string integer = units.substr(0, units.size() - size_t(decimals));
    integer.erase(0, integer.find_first_not_of('0'));
    if (integer.find_first_not_of('0') == std::string::npos)
        integer.assign(zeroShown ? 1 : 0, '0');
    QString text = QString::fromStdString(integer);
    if (dot >= 0) {
        std::string shownFraction = units.substr(units.size() - size_t(decimals));
        shownFraction.erase(shownFraction.find_last_not_of('0') + 1);
        text += separator + QString::fromStdString(shownFraction);
    }
    return text;
}

// Values of every kind the program formats, and the hard ones near a
// rounding boundary.
double drawValue(std::mt19937_64 &random, int kind)
{
    std::uniform_int_distribution<std::int64_t> upTo(0, 10'000'000);
    switch (kind % 6) {
    case 0: // any double up to 100,000
        return std::uniform_real_distribution<double>(0, 100'000)(random);
    case 1: // a few decimals
        return double(upTo(random)) / std::pow(10.0, double(upTo(random) % 5));
    case 2: // a tie in decimal, such as 2.5 or 1.115, held inexactly
        return (double(upTo(random)) + 0.5) / std::pow(10.0, double(upTo(random) % 3));
    case 3: // single precision, as the expected value is held
        return double(float(double(upTo(random)) / 100));
    case 4: // a neighbour of a tie, one unit in the last place off
        return std::nextafter((double(upTo(random)) + 0.5) / 100, upTo(random) % 2 ? 0.0 : 1e9);
    default: // small counts and lengths
        return double(upTo(random) % 70'000);
    }
}

} // namespace

class TestNumberOracle : public QObject
{
    Q_OBJECT

private slots:
    void oracleKnowsTheDesignedExamples_data();
    void oracleKnowsTheDesignedExamples();
    void formatNumberMatchesExactDecimal();
    void lengthTextsReadBackRight();
    void twoDecimalLengthsReadBackRight();

private:
    const DisplayLocale m_locale = DisplayLocale::italian();
};

// The oracle itself, on the worked examples and on values whose double lies
// just below a tie (1.115 is 1.11499999...).
void TestNumberOracle::oracleKnowsTheDesignedExamples_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("12 two decimals") << 12.0 << "####.##"
                                     << "12,";
    QTest::newRow("0.5 no leading zero") << 0.5 << "###.##"
                                         << ",5";
    QTest::newRow("0 whole is empty") << 0.0 << "####"
                                      << "";
    QTest::newRow("0 count") << 0.0 << "###0"
                             << "0";
    QTest::newRow("2.5 away from zero") << 2.5 << "####"
                                        << "3";
    QTest::newRow("0.125 exact tie") << 0.125 << "###.##"
                                     << ",13";
    QTest::newRow("1.115 held below the tie") << 1.115 << "###.##"
                                              << "1,11";
    QTest::newRow("9.995 held below the tie") << 9.995 << "####.##"
                                              << "9,99";
    QTest::newRow("99999.995 carries") << 99999.996 << "####.##"
                                       << "100000,";
}

void TestNumberOracle::oracleKnowsTheDesignedExamples()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(expectedText(exactDecimal(value), pattern, u','), text);
}

void TestNumberOracle::formatNumberMatchesExactDecimal()
{
    using namespace format::pattern;
    const std::array<QStringView, 5> patterns{length, whole, decimal, wrongCount, count};
    std::mt19937_64 random(seed);
    for (int i = 0; i < drawnValues; ++i) {
        const double value = drawValue(random, i);
        const ExactDecimal exact = exactDecimal(value);
        for (const QStringView pattern : patterns) {
            const QString written = format::formatNumber(value, pattern, m_locale);
            const QString expected = expectedText(exact, pattern, m_locale.decimalSeparator);
            if (written != expected)
                QFAIL(qPrintable(QStringLiteral("value %1 (draw %2), pattern %3: wrote \"%4\", "
                                                "exact decimal gives \"%5\"")
                                     .arg(value, 0, 'g', 17)
                                     .arg(i)
                                     .arg(pattern)
                                     .arg(written, expected)));
        }
    }
}

// Every length of every triangle the quiz can draw, as its label shows it
// and as the wrong-answer message shows it, typed back in is right.
void TestNumberOracle::lengthTextsReadBackRight()
{
    int judged = 0;
    for (const qint16 generator : {qint16(3), qint16(7)}) {
        for (qint16 n = 1; n <= 15; ++n) {
            const quiz::Triangle triangle = quiz::makeTriangle(generator, n);
            const auto texts = quiz::lengthTexts(triangle, m_locale);
            for (int which = 0; which < quiz::lengthCount; ++which) {
                quiz::QuizState state;
                state.ExpectedValue = float(triangle.length(quiz::Length(which)));
                const QString label = texts[size_t(which)];
                QCOMPARE(quiz::judgeAnswer(state, label, m_locale).message, quiz::rightMessage());

                const QString verdict =
                    quiz::judgeAnswer(state, QStringLiteral("99999"), m_locale).message;
                QVERIFY(verdict.startsWith(quiz::wrongMessagePrefix()));
                const QString shown = verdict.mid(quiz::wrongMessagePrefix().size());
                QCOMPARE(quiz::judgeAnswer(state, shown, m_locale).message, quiz::rightMessage());
                judged += 2;
            }
        }
    }
    QCOMPARE(judged, 2 * 15 * 6 * 2);
}

// Any length with at most two decimals, up to 9999.99, written as a length
// label writes it, reads back to the value it shows.
void TestNumberOracle::twoDecimalLengthsReadBackRight()
{
    for (int hundredths = 1; hundredths < 1'000'000; ++hundredths) {
        const double value = hundredths / 100.0;
        const QString text = format::formatNumber(
            value, hundredths % 100 ? format::pattern::length : format::pattern::whole, m_locale);
        const std::optional<float> read = quiz::readNumber(text, m_locale.decimalSeparator);
        if (!read || *read != float(value))
            QFAIL(qPrintable(QStringLiteral("%1 written \"%2\" reads back as %3")
                                 .arg(value, 0, 'f', 2)
                                 .arg(text)
                                 .arg(read ? double(*read) : -1.0, 0, 'g', 9)));
    }
}

QTEST_GUILESS_MAIN(TestNumberOracle)
#include "tst_numberoracle.moc"
