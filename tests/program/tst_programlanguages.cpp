// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in each language: which one it starts in, and its
// worksheet and class report read back with pdftotext. What each language
// must say comes from the .ts files, read here with an XML reader of their
// own, and from the same program run in Italian.
#include "record/recordrows.h"
#include "support/fakes.h"

#include "record/recordwriter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
};

QList<Message> translationsOf(const QString &code)
{
    QFile file(QStringLiteral(SOLVETRA_SOURCE_DIR "/translations/solvetra_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            messages.last().translation = xml.readElementText();
    }
    return messages;
}

QString collapsed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// The program with a desktop in lang (LANG, or LANG:LANGUAGE) and no
// language chosen before.
QString run(const QString &lang, const QStringList &arguments, const QString &config)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang.section(u':', 0, 0));
    if (lang.contains(u':'))
        environment.insert(QStringLiteral("LANGUAGE"), lang.section(u':', 1, -1));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SOLVETRA_BINARY), arguments);
    process.waitForFinished(60000);
    if (process.exitCode() != 0)
        qWarning("%s", process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    // The PDF's ligatures (fi) read back as one character.
    return collapsed(QString::fromUtf8(process.readAllStandardOutput())
                         .normalized(QString::NormalizationForm_KC));
}

// Each whole text of contexts that the Italian document prints is printed
// translated in the other, and no longer in Italian; returns how many.
int checkTranslated(const QString &italian, const QString &translated, const QString &code,
                    const QStringList &contexts)
{
    int checked = 0;
    for (const Message &m : translationsOf(code)) {
        const QString source = collapsed(m.source);
        if (!contexts.contains(m.context) || source.contains(u'%') || source.size() < 4 ||
            !italian.contains(source))
            continue;
        ++checked;
        if (!translated.contains(collapsed(m.translation)))
            qWarning("missing: %s", qPrintable(m.translation));
        if (!translated.contains(collapsed(m.translation)) ||
            (m.translation != m.source && translated.contains(source)))
            return -1;
    }
    return checked;
}

void addLanguageRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("de") << "de" << QChar(u',');
    QTest::newRow("es") << "es" << QChar(u',');
    QTest::newRow("en") << "en" << QChar(u'.');
}

// Decimals written with the separator, never with the other mark.
void checkDecimals(const QString &text, QChar separator)
{
    const QChar other = separator == u',' ? u'.' : u',';
    const auto between = [](QChar mark) {
        return QRegularExpression(QStringLiteral("\\d\\%1\\d").arg(mark));
    };
    QVERIFY2(text.contains(between(separator)), qPrintable(text.left(400)));
    QVERIFY2(!text.contains(between(other)), qPrintable(text.left(400)));
}

} // namespace

class TestProgramLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startLanguage_data();
    void startLanguage();
    void worksheet_data();
    void worksheet();
    void report_data();
    void report();

private:
    QTemporaryDir m_folder;
    QString m_config;
};

void TestProgramLanguages::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing");
    QVERIFY(m_folder.isValid());
    m_config = m_folder.filePath(QStringLiteral("config"));
}

void TestProgramLanguages::startLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German desktop") << "de_DE.UTF-8" << QStringList() << "de";
    QTest::newRow("Spanish desktop") << "es_ES.UTF-8" << QStringList() << "es";
    QTest::newRow("English desktop") << "en_US.UTF-8" << QStringList() << "en";
    QTest::newRow("Italian desktop") << "it_IT.UTF-8" << QStringList() << "it";
    QTest::newRow("French desktop") << "fr_FR.UTF-8" << QStringList() << "it";
    QTest::newRow("C") << "C" << QStringList() << "it";
    QTest::newRow("C, LANGUAGE=de") << "C:de" << QStringList() << "it";
    QTest::newRow("French, LANGUAGE=fr:es") << "fr_FR.UTF-8:fr:es" << QStringList() << "es";
    QTest::newRow("--language en") << "C" << QStringList{"--language", "en"} << "en";
    QTest::newRow("--language=es over German")
        << "de_DE.UTF-8" << QStringList{"--language=es"} << "es";
    QTest::newRow("--language it over German")
        << "de_DE.UTF-8" << QStringList{"--language", "it"} << "it";
}

void TestProgramLanguages::startLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const QString help = collapsed(run(lang, arguments + QStringList{"--help"}, m_config));
    QVERIFY(!help.isEmpty());
    // The options' own lines of the help page, in the .ts of any language.
    int lines = 0;
    for (const Message &m : translationsOf(expected == u"it" ? QStringLiteral("de") : expected)) {
        if (m.context != QLatin1String("commandline") || m.source.contains(u'%') ||
            m.source.contains(u'\n'))
            continue;
        ++lines;
        const QString wanted = collapsed(expected == u"it" ? m.source : m.translation);
        const QString other = collapsed(expected == u"it" ? m.translation : m.source);
        QVERIFY2(help.contains(wanted), qPrintable(wanted));
        QVERIFY2(!help.contains(other), qPrintable(other));
    }
    QVERIFY(lines >= 3);
}

void TestProgramLanguages::worksheet_data()
{
    addLanguageRows();
}

void TestProgramLanguages::worksheet()
{
    QFETCH(QString, code);
    QFETCH(QChar, separator);
    const QString italianPdf = m_folder.filePath(QStringLiteral("it-sheet.pdf"));
    const QString pdf = m_folder.filePath(code + QStringLiteral("-sheet.pdf"));
    const QStringList sheet{"--seed", "9", "--count", "30", "--level", "3"};
    run(QStringLiteral("C"), QStringList{"--worksheet", italianPdf} + sheet, m_config);
    run(QStringLiteral("C"), QStringList{"--language", code, "--worksheet", pdf} + sheet, m_config);
    const QString italian = pdfText(italianPdf);
    const QString translated = pdfText(pdf);
    QVERIFY(!translated.isEmpty());
    const int checked = checkTranslated(italian, translated, code,
                                        {"print::SheetPainter", "print", "quiz", "Worksheet"});
    QVERIFY2(checked >= 3, qPrintable(QString::number(checked)));
    checkDecimals(translated, separator);
}

void TestProgramLanguages::report_data()
{
    addLanguageRows();
}

void TestProgramLanguages::report()
{
    QFETCH(QString, code);
    QFETCH(QChar, separator);
    const QString records = m_folder.filePath(QStringLiteral("pupil.solvetra"));
    if (!QFile::exists(records)) {
        FakeClock clock;
        record::RecordWriter writer(records, clock);
        writer.setPupil(QStringLiteral("Ada"), QStringLiteral("3B"));
        writer.startSession(1);
        for (int i = 0; i < 7; ++i)
            QVERIFY(writer.addAnswer(numberedAnswer(i)));
        writer.endSession();
    }
    const QString italianPdf = m_folder.filePath(QStringLiteral("it-report.pdf"));
    const QString pdf = m_folder.filePath(code + QStringLiteral("-report.pdf"));
    run(QStringLiteral("C"), {"--report", italianPdf, "--records", records}, m_config);
    run(QStringLiteral("C"), {"--language", code, "--report", pdf, "--records", records}, m_config);
    const QString italian = pdfText(italianPdf);
    const QString translated = pdfText(pdf);
    QVERIFY(!translated.isEmpty());
    const int checked = checkTranslated(italian, translated, code, {"print", "quiz"});
    QVERIFY2(checked >= 5, qPrintable(QString::number(checked)));
    // Five right of seven: the share right, with one decimal.
    QVERIFY2(translated.contains(QStringLiteral("71%14").arg(separator)), qPrintable(translated));
}

QTEST_GUILESS_MAIN(TestProgramLanguages)
#include "tst_programlanguages.moc"
