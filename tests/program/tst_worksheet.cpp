// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program headless and reads its PDF back with pdftotext.
#include "support/exactlengths.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString standardError;
};

Run runSolvetra(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind: the command must not need one.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SOLVETRA_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "51,84" at 4 decimals gives 518400.
qint64 units(const QString &text, int decimals)
{
    const QStringList parts = text.split(u',');
    QString fraction = parts.size() > 1 ? parts[1] : QString();
    return (parts[0] + fraction.leftJustified(decimals, u'0')).toLongLong();
}

int lengthIndex(const QString &name)
{
    static const QStringList names = {"BH", "HC", "AB", "AC", "BC", "AH"};
    return int(names.indexOf(name));
}

// The answer a triangle among the thirty gives for these two lengths, or -1.
qint64 answerFor(int first, qint64 firstValue, int second, qint64 secondValue, int hidden)
{
    for (const int m : {3, 7})
        for (int n = 1; n <= 15; ++n) {
            const auto exact = handHundredths(m, n);
            if (exact[first] == firstValue && exact[second] == secondValue)
                return exact[hidden];
        }
    return -1;
}

struct KeyEntry
{
    int number;
    QString hidden;
    QString theorem;
    QString firstValue;
    QString secondValue;
};

// Checks each worked solution's arithmetic on its own and against the triangle.
void readKey(const QString &text, QList<KeyEntry> &key)
{
    static const QRegularExpression entry(
        uR"((\d+)\. (Primo|Secondo) teorema di Euclide: (\w\w)(²?) = (\w\w)(²?) ([×/]) (\w\w)\n)"
        uR"((\w\w)² = ([\d,]+)(²?)(?: × ([\d,]+))? = ([\d,]+)\n)"
        uR"((\w\w) = (√?)([\d,]+)(?: / ([\d,]+))? = ([\d,]+) cm)"_qs);
    for (const auto &match : entry.globalMatch(text)) {
        const bool product = match.captured(7) == u"×";
        const QString hidden = match.captured(3);
        const QString first = match.captured(5);
        const QString second = match.captured(8);
        const qint64 intermediate = units(match.captured(13), 4);
        const qint64 result = units(match.captured(18), 2);
        const qint64 a = units(match.captured(10), 2);
        const qint64 b = product ? units(match.captured(12), 2) : units(match.captured(17), 2);
        if (product) {
            QCOMPARE_EQ(a * b, intermediate);
            QCOMPARE_EQ(result * result, intermediate);
            QCOMPARE(match.captured(2), u"Secondo");
        } else {
            QCOMPARE_EQ(a * a, intermediate);
            QCOMPARE_EQ(result * b, intermediate);
            QCOMPARE(match.captured(2), first == u"AH" ? u"Secondo" : u"Primo");
        }
        QCOMPARE(match.captured(14), hidden);
        QCOMPARE(match.captured(9), product ? hidden : first);
        QCOMPARE(match.captured(16), match.captured(13));
        QCOMPARE_EQ(answerFor(lengthIndex(first), a, lengthIndex(second), b, lengthIndex(hidden)),
                    result);
        key.append({match.captured(1).toInt(), hidden, match.captured(2), match.captured(10),
                    product ? match.captured(12) : match.captured(17)});
    }
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetMatchesItsKey_data();
    void sheetMatchesItsKey();
    void wrongRequestsLeaveNoFile_data();
    void wrongRequestsLeaveNoFile();

private:
    QTemporaryDir m_dir;
};

void TestWorksheet::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot read the worksheets back");
    QVERIFY(m_dir.isValid());
}

void TestWorksheet::sheetMatchesItsKey_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("onlyTheorem");
    QTest::addColumn<QString>("seed");
    QTest::newRow("default count, seed 7") << QStringList{"--seed", "7"} << 20 << ""
                                           << "7";
    QTest::newRow("fewest problems") << QStringList{"--seed", "1", "--count", "5"} << 5 << ""
                                     << "1";
    QTest::newRow("most problems, leg theorem")
        << QStringList{"--seed=99", "--count=60", "--theorem=leg"} << 60 << "Primo"
        << "99";
    QTest::newRow("altitude theorem, largest seed")
        << QStringList{"--seed", "4294967295", "--count", "13", "--theorem", "altitude"} << 13
        << "Secondo"
        << "4294967295";
}

void TestWorksheet::sheetMatchesItsKey()
{
    QFETCH(QStringList, options);
    QFETCH(int, count);
    QFETCH(QString, onlyTheorem);
    QFETCH(QString, seed);
    const QString pdf = m_dir.filePath(QStringLiteral("scheda.pdf"));
    const QString again = m_dir.filePath(QStringLiteral("again.pdf"));
    QCOMPARE(runSolvetra(QStringList{"--worksheet", pdf} + options).exitCode, 0);
    QCOMPARE(runSolvetra(QStringList{"--worksheet", again} + options).exitCode, 0);
    const QString text = pdfText(pdf);
    QCOMPARE(pdfText(again), text); // the same seed gives the same sheet

    const qsizetype keyStart = text.indexOf(u"Soluzioni\n");
    QVERIFY(keyStart > 0);
    const QString problems = text.left(keyStart);
    QList<KeyEntry> key;
    readKey(text.mid(keyStart), key);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(key.size(), count);

    // One question per problem, in the key's order, with its two given lengths beside the figure.
    static const QRegularExpression question(uR"((\w\w) = ________ cm\n)"_qs);
    QStringList questions;
    qsizetype sectionStart = 0;
    for (const auto &match : question.globalMatch(problems)) {
        const qsizetype index = questions.size();
        QVERIFY(index < key.size());
        const QStringList tokens = problems.mid(sectionStart, match.capturedStart() - sectionStart)
                                       .split(QRegularExpression(uR"(\s+)"_qs), Qt::SkipEmptyParts);
        QVERIFY2(tokens.contains(key[index].firstValue) && tokens.contains(key[index].secondValue),
                 qPrintable(tokens.join(u' ')));
        QVERIFY(tokens.contains(QStringLiteral("%1.").arg(index + 1)));
        questions.append(match.captured(1));
        sectionStart = match.capturedEnd();
    }
    QCOMPARE(questions.size(), count);
    for (qsizetype i = 0; i < key.size(); ++i) {
        QCOMPARE(key[i].number, i + 1);
        QCOMPARE(key[i].hidden, questions[i]);
        if (!onlyTheorem.isEmpty())
            QCOMPARE(key[i].theorem, onlyTheorem);
    }

    // The seed is on every page.
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    for (const QString &page : pages)
        QVERIFY(page.contains(QStringLiteral("Seme %1 · pagina").arg(seed)));
}

void TestWorksheet::wrongRequestsLeaveNoFile_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString pdf = QStringLiteral("scheda.pdf");
    QTest::newRow("--count 0") << QStringList{"--count", "0"} << pdf << "--count vuole un numero";
    QTest::newRow("--count 1000") << QStringList{"--count", "1000"} << pdf
                                  << "--count vuole un numero";
    QTest::newRow("--count not a number")
        << QStringList{"--count", "venti"} << pdf << "--count vuole un numero";
    QTest::newRow("--theorem other") << QStringList{"--theorem", "other"} << pdf
                                     << "--theorem vuole both, leg o altitude, non «other»";
    QTest::newRow("--seed negative") << QStringList{"--seed", "-3"} << pdf << "--seed vuole";
    QTest::newRow("unknown option")
        << QStringList{"--colour"} << pdf << "opzione sconosciuta: --colour";
    QTest::newRow("folder that does not exist") << QStringList{} << "no/such/folder/scheda.pdf"
                                                << "impossibile scrivere il file";
    QTest::newRow("path is a folder") << QStringList{} << "."
                                      << "impossibile scrivere il file";
}

void TestWorksheet::wrongRequestsLeaveNoFile()
{
    QFETCH(QStringList, options);
    QFETCH(QString, path);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString target = QDir(dir.path()).filePath(path);
    const Run run = runSolvetra(QStringList{"--worksheet", target} + options);
    QCOMPARE(run.exitCode, 2);
    // One line that says what is wrong, at most followed by the hint to --help.
    const QStringList lines = run.standardError.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() <= 2 && lines.constFirst().startsWith(u"solvetra: ") &&
                 lines.constFirst().contains(message),
             qPrintable(run.standardError));
    // Nothing written: the temporary folder holds no file at all.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    QVERIFY(QFileInfo(target).isDir() || !QFileInfo::exists(target));
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
