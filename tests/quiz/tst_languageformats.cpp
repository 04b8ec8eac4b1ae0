// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the desktop's list picks, and the numbers and times each
// language writes.
#include "format/displaylocale.h"
#include "format/language.h"
#include "format/numberpattern.h"
#include "format/timetext.h"

#include <QRegularExpression>
#include <QTest>

using format::Language;

Q_DECLARE_METATYPE(format::Language)

class TestLanguageFormats : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { format::useLanguage(Language::Italian); }

    void desktopLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<Language>("expected");
        QTest::newRow("C") << QStringList{"C"} << Language::Italian;
        QTest::newRow("none") << QStringList() << Language::Italian;
        QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << Language::German;
        QTest::newRow("Austrian") << QStringList{"de-AT", "de"} << Language::German;
        QTest::newRow("Mexican") << QStringList{"es-MX", "es"} << Language::Spanish;
        QTest::newRow("American") << QStringList{"en-US", "en"} << Language::English;
        QTest::newRow("Italian") << QStringList{"it-IT", "it"} << Language::Italian;
        QTest::newRow("French only") << QStringList{"fr-FR", "fr"} << Language::Italian;
        QTest::newRow("French, then German")
            << QStringList{"fr", "fr-FR", "de", "de-DE"} << Language::German;
        QTest::newRow("Swiss Italian before English")
            << QStringList{"it-CH", "en-GB"} << Language::Italian;
    }
    void desktopLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(Language, expected);
        QCOMPARE(format::desktopLanguage(uiLanguages), expected);
    }

    void codesRoundTrip()
    {
        for (const Language language : format::allLanguages)
            QCOMPARE(format::languageOfCode(format::languageCode(language)), language);
        QCOMPARE(format::languageOfCode(u"fr"), std::nullopt);
        QCOMPARE(format::languageOfCode(u"DE"), std::nullopt);
    }

    void numbersAndTimes_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("separator");
        QTest::newRow("it") << Language::Italian << ",";
        QTest::newRow("de") << Language::German << ",";
        QTest::newRow("es") << Language::Spanish << ",";
        QTest::newRow("en") << Language::English << ".";
    }
    void numbersAndTimes()
    {
        QFETCH(Language, language);
        QFETCH(QString, separator);
        format::useLanguage(language);
        const format::DisplayLocale locale = format::DisplayLocale::current();
        QCOMPARE(QString(locale.decimalSeparator), separator);
        QCOMPARE(format::formatNumber(1.96, format::pattern::length, locale),
                 QStringLiteral("1") + separator + QStringLiteral("96"));
        // The clock: the time and nothing else, read back as the same time.
        const QTime time(13, 5, 9);
        const QString clock = format::timeToText(time, locale);
        QVERIFY2(!clock.contains(QRegularExpression(QStringLiteral("[^0-9:.]"))),
                 qPrintable(clock));
        QCOMPARE(QTime::fromString(clock, locale.longTimeFormat), time);
        QCOMPARE(format::readTime(clock, locale), std::optional(time));
    }
};

QTEST_GUILESS_MAIN(TestLanguageFormats)
#include "tst_languageformats.moc"
