// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program for Moodle's two question formats and reads the files
// back: the XML with Qt's reader, the GIFT text with a real GIFT parser.
#include "support/exactlengths.h"
#include "support/solvetrarun.h"

#include "quiz/problemset.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What a language calls the six lengths (in the order of quiz::Length) and
// the givens, and how it writes a decimal.
struct Words
{
    QStringList lengths;
    QString given;
    QChar separator;
};

Words wordsOf(const QString &language)
{
    if (language == u"de")
        return {{"Abschnitt BH", "Abschnitt HC", "Kathete AB", "Kathete AC", "Hypotenuse BC",
                 "Höhe AH"},
                "Gegeben",
                u','};
    if (language == u"en")
        return {
            {"Projection BH", "Projection HC", "Leg AB", "Leg AC", "Hypotenuse BC", "Altitude AH"},
            "Given",
            u'.'};
    return {
        {"Proiezione BH", "Proiezione HC", "Cateto AB", "Cateto AC", "Ipotenusa BC", "Altezza AH"},
        "Dati",
        u','};
}

// A length in hundredths as a decimal with at most two places.
QString decimal(qint64 hundredths, QChar separator)
{
    QString text = QString::number(hundredths / 100);
    if (hundredths % 100 != 0) {
        QString fraction = QString::number(hundredths % 100).rightJustified(2, u'0');
        if (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += separator + fraction;
    }
    return text;
}

// One problem as the test expects it, from the draw and the hand-worked lengths.
struct Expected
{
    quiz::Length asked;
    std::array<quiz::Length, 2> givens;
    std::array<qint64, 6> hundredths;

    qint64 answer() const { return hundredths[size_t(asked)]; }
};

QList<Expected> expectedProblems(quint32 seed, int count, quiz::TheoremChoice theorem,
                                 quiz::Level level)
{
    QList<Expected> problems;
    for (const quiz::ProblemDraw &draw : quiz::drawProblemSet(seed, count, theorem, level))
        problems.append({draw.kind().asked(), draw.kind().givens(),
                         handHundredths(draw.GenM, draw.Multiplier)});
    return problems;
}

// The question names the givens with their values and the asked length, in words.
void checkWords(const QString &text, const Expected &problem, const Words &words)
{
    QVERIFY2(text.contains(words.given), qPrintable(text));
    for (const quiz::Length given : problem.givens) {
        const QString named = words.lengths[int(given)] + " = " +
                              decimal(problem.hundredths[size_t(given)], words.separator) + " cm";
        QVERIFY2(text.contains(named), qPrintable(named + " not in " + text));
    }
    QVERIFY2(text.contains(words.lengths[int(problem.asked)]), qPrintable(text));
}

void addRequestColumns()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("theorem");
    QTest::newRow("Italian, level 1") << "it" << 7u << 5 << 1 << "both";
    QTest::newRow("German, level 2, leg theorem") << "de" << 3u << 12 << 2 << "leg";
    QTest::newRow("English, level 3, altitude theorem") << "en" << 21u << 8 << 3 << "altitude";
    QTest::newRow("English, most problems") << "en" << 99u << 60 << 2 << "both";
}

quiz::TheoremChoice theoremOf(const QString &name)
{
    if (name == u"leg")
        return quiz::TheoremChoice::Leg;
    if (name == u"altitude")
        return quiz::TheoremChoice::Altitude;
    return quiz::TheoremChoice::Both;
}

QStringList requestOptions(const QString &language, quint32 seed, int count, int level,
                           const QString &theorem)
{
    return {"--language", language,
            "--seed",     QString::number(seed),
            "--count",    QString::number(count),
            "--level",    QString::number(level),
            "--theorem",  theorem};
}

struct MoodleAnswer
{
    QString fraction, value, tolerance, feedback;
};

struct MoodleQuestion
{
    QString type, category, name, text, generalFeedback, unitName, multiplier, unitPenalty;
    QMap<QString, QByteArray> files; // base64
    QList<MoodleAnswer> answers;
};

// The questions of a Moodle XML file, or an error when it is not well-formed.
QList<MoodleQuestion> readMoodleXml(const QByteArray &bytes, QString &error)
{
    QList<MoodleQuestion> questions;
    QXmlStreamReader xml(bytes);
    QStringList path;
    QString file;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            path << xml.name().toString();
            const QString at = path.join(u'/');
            if (at == u"quiz/question") {
                questions.append(MoodleQuestion());
                questions.last().type = xml.attributes().value("type").toString();
            } else if (at == u"quiz/question/questiontext/file")
                file = xml.attributes().value("name").toString();
            else if (at == u"quiz/question/answer") {
                questions.last().answers.append(MoodleAnswer());
                questions.last().answers.last().fraction =
                    xml.attributes().value("fraction").toString();
            }
        } else if (xml.isEndElement()) {
            path.removeLast();
        } else if (xml.isCharacters() && !xml.isWhitespace() && !questions.isEmpty()) {
            MoodleQuestion &q = questions.last();
            const QString at = path.join(u'/').mid(QStringLiteral("quiz/question/").size());
            const QString text = xml.text().toString();
            if (at == u"category/text")
                q.category += text;
            else if (at == u"name/text")
                q.name += text;
            else if (at == u"questiontext/text")
                q.text += text;
            else if (at == u"questiontext/file")
                q.files[file] += text.toLatin1();
            else if (at == u"generalfeedback/text")
                q.generalFeedback += text;
            else if (at == u"answer/text")
                q.answers.last().value += text;
            else if (at == u"answer/tolerance")
                q.answers.last().tolerance += text;
            else if (at == u"answer/feedback/text")
                q.answers.last().feedback += text;
            else if (at == u"units/unit/unit_name")
                q.unitName += text;
            else if (at == u"units/unit/multiplier")
                q.multiplier += text;
            else if (at == u"unitpenalty")
                q.unitPenalty += text;
        }
    }
    error = xml.hasError() ? xml.errorString() : QString();
    return questions;
}

// A picture that shows a drawing: dark lines and text on a light ground.
bool showsDrawing(const QImage &image)
{
    if (image.isNull() || image.width() < 200 || image.height() < 100)
        return false;
    qint64 dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    const double share = double(dark) / (qint64(image.width()) * image.height());
    return share > 0.005 && share < 0.3;
}

} // namespace

class TestQuestionFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void moodleQuestionsAreExact_data() { addRequestColumns(); }
    void moodleQuestionsAreExact();
    void giftParserReadsExactQuestions_data() { addRequestColumns(); }
    void giftParserReadsExactQuestions();
    void wrongRequestsLeaveNoFile_data();
    void wrongRequestsLeaveNoFile();

private:
    QTemporaryDir m_dir;
    QString m_giftParser; // a node script that prints the parse as JSON
    QString m_noGiftParser;
};

// The parser comes from npm's registry into the temporary folder, npm's
// cache and settings with it, so nothing reaches the home folder.
void TestQuestionFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (npm.isEmpty() || node.isEmpty()) {
        m_noGiftParser = QStringLiteral("npm or node is not installed: cannot fetch gift-pegjs");
        return;
    }
    const QString folder = m_dir.filePath(QStringLiteral("gift"));
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("npm_config_cache"), folder + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("npm_config_userconfig"), folder + QStringLiteral("/npmrc"));
    environment.insert(QStringLiteral("npm_config_update_notifier"), QStringLiteral("false"));
    install.setProcessEnvironment(environment);
    install.start(
        npm, {"install", "--prefix", folder, "--no-audit", "--no-fund", "--no-save", "gift-pegjs"});
    if (!install.waitForFinished(150000) || install.exitCode() != 0) {
        install.kill();
        install.waitForFinished(5000);
        m_noGiftParser = QStringLiteral("npm could not install gift-pegjs (no registry?): ") +
                         QString::fromUtf8(install.readAllStandardError()).trimmed().right(300);
        return;
    }
    m_giftParser = folder + QStringLiteral("/parse.js");
    QFile script(m_giftParser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("const { parse } = require('gift-pegjs');\n"
                 "const text = require('fs').readFileSync(process.argv[2], 'utf8');\n"
                 "process.stdout.write(JSON.stringify(parse(text)));\n");
}

void TestQuestionFiles::moodleQuestionsAreExact()
{
    QFETCH(QString, language);
    QFETCH(quint32, seed);
    QFETCH(int, count);
    QFETCH(int, level);
    QFETCH(QString, theorem);
    const QString target = m_dir.filePath(QStringLiteral("%1-%2.xml").arg(language).arg(seed));
    const Run run = runSolvetra(QStringList{"--moodle", target} +
                                requestOptions(language, seed, count, level, theorem));
    QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    const QList<MoodleQuestion> questions = readMoodleXml(file.readAll(), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const Words words = wordsOf(language);
    const QList<Expected> expected =
        expectedProblems(seed, count, theoremOf(theorem), *quiz::levelOfNumber(level));
    QCOMPARE(questions.size(), count + 1);
    QCOMPARE(questions.first().type, QStringLiteral("category"));
    QVERIFY2(questions.first().category.contains(QString::number(seed)),
             qPrintable(questions.first().category));
    const QRegularExpression image(
        QStringLiteral("<img src=\"@@PLUGINFILE@@/([^\"]+)\" alt=\"([^\"]+)\""));
    for (int i = 0; i < count; ++i) {
        const MoodleQuestion &q = questions[i + 1];
        const Expected &problem = expected[i];
        QCOMPARE(q.type, QStringLiteral("numerical"));
        checkWords(q.text, problem, words);
        if (QTest::currentTestFailed())
            return;

        // One right answer, exact, with a decimal point whatever the language.
        int right = 0;
        for (const MoodleAnswer &answer : q.answers) {
            if (answer.fraction == u"100") {
                ++right;
                QCOMPARE(answer.value, decimal(problem.answer(), u'.'));
                QCOMPARE(answer.tolerance.toDouble(), 0.0);
            } else {
                // Any other answer is told the right one.
                QCOMPARE(answer.fraction.toDouble(), 0.0);
                QVERIFY2(
                    answer.feedback.contains(decimal(problem.answer(), words.separator) + " cm"),
                    qPrintable(answer.feedback));
            }
        }
        QCOMPARE(right, 1);
        QCOMPARE(q.unitName, QStringLiteral("cm"));
        QCOMPARE(q.multiplier.toDouble(), 1.0);
        QCOMPARE(q.unitPenalty.toDouble(), 0.0);
        // The worked solution ends on the asked length's value.
        QVERIFY2(q.generalFeedback.contains(quiz::lengthLetters(problem.asked)) &&
                     q.generalFeedback.endsWith(" = " + decimal(problem.answer(), words.separator) +
                                                " cm</p>"),
                 qPrintable(q.generalFeedback));

        // The figure is a picture of its own, embedded, that says the lengths in words.
        const QRegularExpressionMatch match = image.match(q.text);
        QVERIFY2(match.hasMatch(), qPrintable(q.text));
        QVERIFY2(q.files.contains(match.captured(1)), qPrintable(match.captured(1)));
        const QString alt = match.captured(2);
        for (const quiz::Length given : problem.givens)
            QVERIFY2(alt.contains(quiz::lengthLetters(given)), qPrintable(alt));
        const QImage picture =
            QImage::fromData(QByteArray::fromBase64(q.files[match.captured(1)]), "PNG");
        QVERIFY2(showsDrawing(picture), qPrintable(q.name));
    }
}

void TestQuestionFiles::giftParserReadsExactQuestions()
{
    if (m_giftParser.isEmpty())
        QSKIP(qPrintable(m_noGiftParser));
    QFETCH(QString, language);
    QFETCH(quint32, seed);
    QFETCH(int, count);
    QFETCH(int, level);
    QFETCH(QString, theorem);
    const QString target = m_dir.filePath(QStringLiteral("%1-%2.gift").arg(language).arg(seed));
    const Run run = runSolvetra(QStringList{"--gift", target} +
                                requestOptions(language, seed, count, level, theorem));
    QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));

    QProcess parser;
    parser.start(QStringLiteral("node"), {m_giftParser, target});
    QVERIFY(parser.waitForFinished(60000));
    QVERIFY2(parser.exitCode() == 0, parser.readAllStandardError().constData());
    const QJsonArray parsed = QJsonDocument::fromJson(parser.readAllStandardOutput()).array();

    const Words words = wordsOf(language);
    const QList<Expected> expected =
        expectedProblems(seed, count, theoremOf(theorem), *quiz::levelOfNumber(level));
    QCOMPARE(parsed.size(), count + 1);
    QCOMPARE(parsed[0]["type"].toString(), QStringLiteral("Category"));
    for (int i = 0; i < count; ++i) {
        const QJsonObject q = parsed[i + 1].toObject();
        const Expected &problem = expected[i];
        QCOMPARE(q["type"].toString(), QStringLiteral("Numerical"));
        checkWords(q["stem"]["text"].toString(), problem, words);
        if (QTest::currentTestFailed())
            return;
        const QJsonObject choice = q["choices"].toObject();
        QCOMPARE(choice["range"].toDouble(), 0.0);
        // The parser reads the value as a double: it must be the nearest to
        // the exact decimal.
        QCOMPARE(choice["number"].toDouble(), double(problem.answer()) / 100);
        const QString solution = q["globalFeedback"]["text"].toString();
        QVERIFY2(solution.count(u'\n') >= 2 &&
                     solution.endsWith(" = " + decimal(problem.answer(), words.separator) + " cm"),
                 qPrintable(solution));
    }
}

void TestQuestionFiles::wrongRequestsLeaveNoFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // "@" stands for the temporary folder
    QTest::addColumn<QString>("message");
    QTest::newRow("--moodle without a name") << QStringList{"--moodle"} << "--moodle";
    QTest::newRow("--gift followed by an option")
        << QStringList{"--gift", "--count", "5"} << "--gift";
    QTest::newRow("too few problems")
        << QStringList{"--moodle", "@/q", "--count", "4"} << "--count";
    QTest::newRow("a theorem that does not exist")
        << QStringList{"--gift", "@/q", "--theorem", "pitagora"} << "--theorem";
    QTest::newRow("--key belongs to the worksheet")
        << QStringList{"--moodle", "@/q", "--key", "end"} << "--key";
    QTest::newRow("worksheet and questions at once")
        << QStringList{"--worksheet", "@/s", "--gift", "@/q"} << "--worksheet";
    QTest::newRow("GIFT file cannot be written, so neither is the XML")
        << QStringList{"--moodle", "@/q", "--gift", "@/folder.gift"} << "folder.gift";
}

void TestQuestionFiles::wrongRequestsLeaveNoFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.gift")));
    arguments.replaceInStrings(QStringLiteral("@"), dir.path());
    const Run run = runSolvetra(arguments);
    QCOMPARE(run.exitCode, 2);
    // One line that says what is wrong, at most followed by the hint to --help.
    const QStringList lines = run.standardError.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() <= 2 && lines.constFirst().startsWith(u"solvetra: ") &&
                 lines.constFirst().contains(message),
             qPrintable(run.standardError));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

QTEST_GUILESS_MAIN(TestQuestionFiles)
#include "tst_questionfiles.moc"
