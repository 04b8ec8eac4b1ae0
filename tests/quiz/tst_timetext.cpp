// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/timetext.h"

#include <QTest>

using format::DisplayLocale;

namespace {

DisplayLocale withoutDesignators()
{
    DisplayLocale locale = DisplayLocale::italian();
    locale.amDesignator.clear();
    locale.pmDesignator.clear();
    return locale;
}

} // namespace

class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void italianTexts();
    void mediumTime_data();
    void mediumTime();
    void readsBack_data();
    void readsBack();
    void refusesNonTimes_data();
    void refusesNonTimes();
    void captionShowsTheTime_data();
    void captionShowsTheTime();
};

void TestTimeText::italianTexts()
{
    const DisplayLocale italian = DisplayLocale::italian();
    QCOMPARE(italian.decimalSeparator, QChar(u','));
    QCOMPARE(format::timeToText(QTime(14, 5, 9), italian), "14:05:09");
    QCOMPARE(format::timeToText(QTime(0, 0, 0), italian), "00:00:00");
    QCOMPARE(format::dateToText(QDate(2026, 12, 8), italian), "08/12/2026");
}

void TestTimeText::mediumTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("designators");
    QTest::addColumn<QString>("text");

    QTest::newRow("afternoon") << QTime(14, 5, 9) << true << "2:05 PM";
    QTest::newRow("half past midnight is 12 AM") << QTime(0, 30) << true << "12:30 AM";
    QTest::newRow("noon is 12 PM") << QTime(12, 0) << true << "12:00 PM";
    QTest::newRow("morning") << QTime(9, 7) << true << "9:07 AM";
    QTest::newRow("last minute of the day") << QTime(23, 59, 59) << true << "11:59 PM";
    QTest::newRow("empty designators drop the blank") << QTime(14, 5) << false << "2:05";
}

void TestTimeText::mediumTime()
{
    QFETCH(QTime, time);
    QFETCH(bool, designators);
    QFETCH(QString, text);
    const DisplayLocale locale = designators ? DisplayLocale::italian() : withoutDesignators();
    QCOMPARE(format::mediumTime(time, locale), text);
}

void TestTimeText::readsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("designators");
    QTest::addColumn<QTime>("time");

    QTest::newRow("medium afternoon") << "2:05 PM" << true << QTime(14, 5);
    QTest::newRow("medium midnight hour") << "12:30 AM" << true << QTime(0, 30);
    QTest::newRow("medium noon") << "12:00 PM" << true << QTime(12, 0);
    QTest::newRow("designator in lower case") << "2:05 pm" << true << QTime(14, 5);
    QTest::newRow("long time") << "14:05:09" << true << QTime(14, 5, 9);
    QTest::newRow("without designators") << "2:05" << false << QTime(2, 5);
}

void TestTimeText::readsBack()
{
    QFETCH(QString, text);
    QFETCH(bool, designators);
    QFETCH(QTime, time);
    const DisplayLocale locale = designators ? DisplayLocale::italian() : withoutDesignators();
    QCOMPARE(format::readTime(text, locale), std::optional<QTime>(time));
}

void TestTimeText::refusesNonTimes_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("window title") << "Giocare con I Solvetra";
    QTest::newRow("designed caption") << "Gioca  con i Solvetra";
    QTest::newRow("empty") << "";
    QTest::newRow("hour out of range") << "25:10:00";
    QTest::newRow("13 o'clock with PM") << "13:10 PM";
    QTest::newRow("unknown designator") << "2:05 XY";
}

void TestTimeText::refusesNonTimes()
{
    QFETCH(QString, text);
    QCOMPARE(format::readTime(text, DisplayLocale::italian()), std::nullopt);
}

void TestTimeText::captionShowsTheTime_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("designators");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("shows");

    // The window's clock tests cover the designators; without them the hour
    // read back is ambiguous, and the clock's own text must still count.
    QTest::newRow("its own text, no designators") << "2:05" << false << QTime(14, 5) << true;
    QTest::newRow("no designators, other hour") << "2:05" << false << QTime(15, 5) << false;
    QTest::newRow("no time at all") << "Giocare con I Solvetra" << true << QTime(14, 5) << false;
}

void TestTimeText::captionShowsTheTime()
{
    QFETCH(QString, caption);
    QFETCH(bool, designators);
    QFETCH(QTime, now);
    QFETCH(bool, shows);
    const DisplayLocale locale = designators ? DisplayLocale::italian() : withoutDesignators();
    QCOMPARE(format::showsHourAndMinute(caption, now, locale), shows);
}

QTEST_APPLESS_MAIN(TestTimeText)
#include "tst_timetext.moc"
