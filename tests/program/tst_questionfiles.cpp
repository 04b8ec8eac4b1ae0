// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program for Moodle's two question formats and reads the files
// back: the XML with Qt's DOM, the GIFT text with a real GIFT parser from npm.
#include "support/levelkinds.h"
#include "support/solvetrarun.h"

#include "format/questionfile.h"
#include "quiz/assignment.h"
#include "quiz/problemset.h"

#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A language's names of the six lengths (in the order of quiz::Length), its
// word for the givens and its decimal separator.
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

QString decimal(qint64 hundredths, QChar separator)
{
    QString fraction = QString::number(hundredths % 100).rightJustified(2, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return QString::number(hundredths / 100) +
           (fraction.isEmpty() ? QString() : separator + fraction);
}

// A problem of the set as drawn, its lengths worked out by hand.
struct Expected
{
    quiz::Length asked;
    std::array<quiz::Length, 2> givens;
    std::array<qint64, 6> hundredths;
    qint64 answer() const { return hundredths[size_t(asked)]; }
};

struct Request
{
    QString language;
    quint32 seed;
    int count;
    int level;
    QString theorem;
    bool byCode = false; // the same problems named by their assignment's code

    quiz::TheoremChoice choice() const
    {
        return theorem == u"leg"        ? quiz::TheoremChoice::Leg
               : theorem == u"altitude" ? quiz::TheoremChoice::Altitude
                                        : quiz::TheoremChoice::Both;
    }
    QString code() const
    {
        return quiz::assignmentCode({*quiz::levelOfNumber(level), choice(), count, seed});
    }
    QStringList options() const
    {
        if (byCode)
            return {"--language", language, "--assignment", code()};
        return {"--language", language,
                "--seed",     QString::number(seed),
                "--count",    QString::number(count),
                "--level",    QString::number(level),
                "--theorem",  theorem};
    }
    QList<Expected> problems() const
    {
        QList<Expected> expected;
        for (const quiz::ProblemDraw &draw :
             quiz::drawProblemSet(seed, count, choice(), *quiz::levelOfNumber(level)))
            expected.append({draw.kind().asked(), draw.kind().givens(),
                             theoremHundredths(draw.GenM, draw.Multiplier)});
        return expected;
    }
};

void addRequestRows()
{
    QTest::addColumn<Request>("request");
    QTest::newRow("Italian, level 1") << Request{"it", 7, 5, 1, "both"};
    QTest::newRow("German, level 2, leg theorem") << Request{"de", 3, 12, 2, "leg"};
    QTest::newRow("English, level 3, altitude theorem") << Request{"en", 21, 8, 3, "altitude"};
    QTest::newRow("English, most problems") << Request{"en", 99, 60, 2, "both"};
    QTest::newRow("German, by assignment code") << Request{"de", 4000000000u, 9, 3, "leg", true};
}

// The question names each given with its value, and the asked length, in words.
QString missingWords(const QString &text, const Expected &problem, const Words &words)
{
    QStringList wanted{words.given, words.lengths[int(problem.asked)]};
    for (const quiz::Length given : problem.givens)
        wanted << words.lengths[int(given)] + " = " +
                      decimal(problem.hundredths[size_t(given)], words.separator) + " cm";
    for (const QString &word : wanted)
        if (!text.contains(word))
            return word + " not in " + text;
    return {};
}

// A picture of a drawing: dark lines and text on a light ground.
bool showsDrawing(const QImage &image)
{
    if (image.width() < 200 || image.height() < 100)
        return false;
    qint64 dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    const double share = double(dark) / (qint64(image.width()) * image.height());
    return share > 0.005 && share < 0.3;
}

QString childText(const QDomElement &parent, const QString &path)
{
    QDomElement e = parent;
    for (const QString &name : path.split(u'/'))
        e = e.firstChildElement(name);
    return e.text();
}

} // namespace

Q_DECLARE_METATYPE(Request)

class TestQuestionFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void moodleQuestionsAreExact_data() { addRequestRows(); }
    void moodleQuestionsAreExact();
    void giftParserReadsExactQuestions_data() { addRequestRows(); }
    void giftParserReadsExactQuestions();
    void marksOfEachFormatAreEscaped();
    void wrongRequestsLeaveNoFile_data();
    void wrongRequestsLeaveNoFile();

private:
    QTemporaryDir m_dir;
    QString m_giftParser; // a node script that prints the parse as JSON
    QString m_noGiftParser;
};

// npm's cache and settings go to the temporary folder, never the home folder.
void TestQuestionFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString npm = QStandardPaths::findExecutable("npm");
    if (npm.isEmpty() || QStandardPaths::findExecutable("node").isEmpty()) {
        m_noGiftParser = "npm or node is not installed: cannot fetch gift-pegjs";
        return;
    }
    const QString folder = m_dir.filePath("gift");
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("npm_config_cache", folder + "/cache");
    environment.insert("npm_config_userconfig", folder + "/npmrc");
    environment.insert("npm_config_update_notifier", "false");
    install.setProcessEnvironment(environment);
    // Few retries: an unreachable registry should skip the test soon.
    install.start(npm, {"install", "--prefix", folder, "--no-audit", "--no-fund", "--no-save",
                        "--fetch-retries=1", "gift-pegjs"});
    if (!install.waitForFinished(150000) || install.exitCode() != 0) {
        install.kill();
        install.waitForFinished(5000);
        const QString error = QString::fromUtf8(install.readAllStandardError());
        m_noGiftParser =
            "npm could not install gift-pegjs (no registry?): " + error.section(u'\n', 0, 0) + ' ' +
            error.section(u'\n', 3, 3);
        return;
    }
    m_giftParser = folder + "/parse.js";
    QFile script(m_giftParser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("const { parse } = require('gift-pegjs');\n"
                 "process.stdout.write(JSON.stringify(parse(require('fs').readFileSync(process."
                 "argv[2], 'utf8'))));\n");
}

void TestQuestionFiles::moodleQuestionsAreExact()
{
    QFETCH(Request, request);
    const QString target =
        m_dir.filePath(request.language + QString::number(request.seed) + ".xml");
    const Run run = runSolvetra(QStringList{"--moodle", target} + request.options());
    QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument xml;
    const auto parsed = xml.setContent(&file);
    QVERIFY2(parsed, "not well-formed");

    const Words words = wordsOf(request.language);
    const QList<Expected> expected = request.problems();
    const QDomNodeList questions = xml.documentElement().elementsByTagName("question");
    QCOMPARE(questions.size(), request.count + 1);
    const QDomElement category = questions.at(0).toElement();
    QCOMPARE(category.attribute("type"), "category");
    QVERIFY(childText(category, "category/text")
                .contains(request.byCode ? request.code() : QString::number(request.seed)));
    const QRegularExpression image("<img src=\"@@PLUGINFILE@@/([^\"]+)\" alt=\"([^\"]+)\"");
    for (int i = 0; i < request.count; ++i) {
        const QDomElement q = questions.at(i + 1).toElement();
        const Expected &problem = expected[i];
        const QString right = decimal(problem.answer(), words.separator) + " cm";
        QCOMPARE(q.attribute("type"), "numerical");
        const QString text = childText(q, "questiontext/text");
        QVERIFY2(missingWords(text, problem, words).isEmpty(),
                 qPrintable(missingWords(text, problem, words)));

        // One answer is right: the exact value, with a decimal point in any
        // language; any other is told the right one.
        int rightAnswers = 0;
        for (QDomElement a = q.firstChildElement("answer"); !a.isNull();
             a = a.nextSiblingElement("answer")) {
            QCOMPARE(childText(a, "tolerance").toDouble(), 0.0);
            if (a.attribute("fraction").toDouble() == 100) {
                ++rightAnswers;
                QCOMPARE(childText(a, "text"), decimal(problem.answer(), u'.'));
            } else {
                QVERIFY2(childText(a, "feedback/text").contains(right),
                         qPrintable(childText(a, "feedback/text")));
            }
        }
        QCOMPARE(rightAnswers, 1);
        QCOMPARE(childText(q, "units/unit/unit_name"), "cm");
        QCOMPARE(childText(q, "units/unit/multiplier").toDouble(), 1.0);
        QCOMPARE(childText(q, "unitpenalty").toDouble(), 0.0);
        const QString solution = childText(q, "generalfeedback/text");
        QVERIFY2(solution.count("<br>") >= 2 && solution.endsWith(" = " + right + "</p>"),
                 qPrintable(solution));

        // The figure: a picture embedded in the question, said in words.
        const QRegularExpressionMatch match = image.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        for (const quiz::Length given : problem.givens)
            QVERIFY2(match.captured(2).contains(quiz::lengthLetters(given)),
                     qPrintable(match.captured(2)));
        QByteArray png;
        const QDomElement questionText = q.firstChildElement("questiontext");
        for (QDomElement f = questionText.firstChildElement("file"); !f.isNull();
             f = f.nextSiblingElement("file"))
            if (f.attribute("name") == match.captured(1) && f.attribute("encoding") == u"base64")
                png = QByteArray::fromBase64(f.text().toLatin1());
        QVERIFY2(showsDrawing(QImage::fromData(png, "PNG")), qPrintable(match.captured(1)));
    }
}

void TestQuestionFiles::giftParserReadsExactQuestions()
{
    if (m_giftParser.isEmpty())
        QSKIP(qPrintable(m_noGiftParser));
    QFETCH(Request, request);
    const QString target =
        m_dir.filePath(request.language + QString::number(request.seed) + ".gift");
    const Run run = runSolvetra(QStringList{"--gift", target} + request.options());
    QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
    QProcess parser;
    parser.start("node", {m_giftParser, target});
    QVERIFY(parser.waitForFinished(60000));
    QVERIFY2(parser.exitCode() == 0, parser.readAllStandardError().constData());
    const QJsonArray parsed = QJsonDocument::fromJson(parser.readAllStandardOutput()).array();

    const Words words = wordsOf(request.language);
    const QList<Expected> expected = request.problems();
    QCOMPARE(parsed.size(), request.count + 1);
    QCOMPARE(parsed[0]["type"].toString(), "Category");
    for (int i = 0; i < request.count; ++i) {
        const QJsonObject q = parsed[i + 1].toObject();
        const Expected &problem = expected[i];
        QCOMPARE(q["type"].toString(), "Numerical");
        const QString text = q["stem"]["text"].toString();
        QVERIFY2(missingWords(text, problem, words).isEmpty(),
                 qPrintable(missingWords(text, problem, words)));
        QCOMPARE(q["choices"]["range"].toDouble(), 0.0);
        // The parser's double must be the one nearest the exact decimal.
        QCOMPARE(q["choices"]["number"].toDouble(), double(problem.answer()) / 100);
        const QString solution = q["globalFeedback"]["text"].toString();
        QVERIFY2(solution.count(u'\n') >= 2 &&
                     solution.endsWith(" = " + decimal(problem.answer(), words.separator) + " cm"),
                 qPrintable(solution));
    }
}

// Names in other languages, or an assignment's title, may hold what either
// format reads as its own marks; the parsers must give the texts back.
void TestQuestionFiles::marksOfEachFormatAreEscaped()
{
    const QString hostile = "x < y & z {1} ~ = # : \\ \"«ü»\" </p>]]>";
    format::QuestionSet set{hostile + " / 1", {{}}};
    format::Question &q = set.questions[0];
    q = {hostile, {hostile, "2"}, "1.5", "cm", hostile, {hostile, "3"}, {}, {}, {}, {}};

    QDomDocument xml;
    const auto parsed = xml.setContent(format::moodleXml(set));
    QVERIFY(parsed);
    const QDomElement question =
        xml.documentElement().elementsByTagName("question").at(1).toElement();
    QCOMPARE(childText(question, "name/text"), hostile);
    QVERIFY(childText(question, "questiontext/text")
                .startsWith("<p>" + hostile.toHtmlEscaped() + "</p>"));
    QVERIFY(childText(question, "generalfeedback/text")
                .startsWith("<p>" + hostile.toHtmlEscaped() + "<br>"));

    if (m_giftParser.isEmpty())
        QSKIP(qPrintable(m_noGiftParser));
    QFile gift(m_dir.filePath("hostile.gift"));
    QVERIFY(gift.open(QIODevice::WriteOnly) && gift.write(format::giftText(set)) > 0);
    gift.close();
    QProcess parser;
    parser.start("node", {m_giftParser, gift.fileName()});
    QVERIFY(parser.waitForFinished(60000));
    const QJsonArray read = QJsonDocument::fromJson(parser.readAllStandardOutput()).array();
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[1]["title"].toString(), hostile);
    QCOMPARE(read[1]["stem"]["text"].toString(), hostile + "\n2");
    QCOMPARE(read[1]["globalFeedback"]["text"].toString(), hostile + "\n3");
    QCOMPARE(read[1]["choices"]["number"].toDouble(), 1.5);
}

void TestQuestionFiles::wrongRequestsLeaveNoFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // "@" stands for the temporary folder
    QTest::addColumn<QString>("message");
    QTest::newRow("too few problems")
        << QStringList{"--moodle", "@/q", "--count", "4"} << "--count";
    QTest::newRow("no such theorem")
        << QStringList{"--gift", "@/q", "--theorem", "pitagora"} << "--theorem";
    QTest::newRow("--key is the worksheet's")
        << QStringList{"--moodle", "@/q", "--key", "end"} << "--key";
    QTest::newRow("worksheet and quiz at once")
        << QStringList{"--worksheet", "@/s", "--gift", "@/q"} << "--worksheet";
    QTest::newRow("GIFT file cannot be written, so neither is the XML")
        << QStringList{"--moodle", "@/q", "--gift", "@/folder.gift"} << "folder.gift";
}

void TestQuestionFiles::wrongRequestsLeaveNoFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.gift"));
    const Run run = runSolvetra(arguments.replaceInStrings("@", dir.path()));
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
