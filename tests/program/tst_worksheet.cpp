// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program headless and reads its PDF back with pdftotext.
#include "support/solvetrarun.h"
#include "support/worksheetkey.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetMatchesItsKey_data();
    void sheetMatchesItsKey();
    void assignmentSheetIsTheOptionsSheet_data();
    void assignmentSheetIsTheOptionsSheet();
    void wrongRequestsLeaveNoFile_data();
    void wrongRequestsLeaveNoFile();
    void unwritableKeyLeavesNeitherFile();

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
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("level"); // as the footer names it
    // Only from level 2 on is a leg ever asked.
    QTest::addColumn<bool>("legsAsked");
    const QString euclid1 = QStringLiteral("Primo teorema di Euclide");
    const QString euclid2 = QStringLiteral("Secondo teorema di Euclide");
    QTest::newRow("default count, seed 7") << QStringList{"--seed", "7"} << 20 << ""
                                           << "7" << 1 << "" << false;
    QTest::newRow("fewest problems") << QStringList{"--seed", "1", "--count", "5"} << 5 << ""
                                     << "1" << 1 << "" << false;
    QTest::newRow("most problems, leg theorem")
        << QStringList{"--seed=99", "--count=60", "--theorem=leg"} << 60 << euclid1 << "99" << 1
        << "" << false;
    QTest::newRow("altitude theorem, largest seed")
        << QStringList{"--seed", "4294967295", "--count", "13", "--theorem", "altitude"} << 13
        << euclid2 << "4294967295" << 1 << "" << false;
    QTest::newRow("level 1 named") << QStringList{"--seed", "7", "--level", "1"} << 20 << ""
                                   << "7" << 1 << "" << false;
    QTest::newRow("level 2") << QStringList{"--seed", "7", "--level", "2", "--count", "60"} << 60
                             << ""
                             << "7" << 1 << "Livello 2: Tutti i lati" << true;
    QTest::newRow("level 2, leg theorem")
        << QStringList{"--seed", "3", "--level=2", "--theorem", "leg", "--count", "30"} << 30
        << euclid1 << "3" << 1 << "Livello 2: Tutti i lati" << true;
    QTest::newRow("level 3") << QStringList{"--seed", "7", "--level", "3", "--count", "60"} << 60
                             << ""
                             << "7" << 2 << "Livello 3: Due passi" << true;
    QTest::newRow("level 3, altitude theorem")
        << QStringList{"--seed", "21", "--level", "3", "--theorem", "altitude", "--count", "25"}
        << 25 << euclid2 << "21" << 2 << "Livello 3: Due passi" << true;
}

void TestWorksheet::sheetMatchesItsKey()
{
    QFETCH(QStringList, options);
    QFETCH(int, count);
    QFETCH(QString, onlyTheorem);
    QFETCH(QString, seed);
    QFETCH(int, steps);
    QFETCH(QString, level);
    QFETCH(bool, legsAsked);
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

    // One question per problem, in the key's order: its number before it,
    // its two given lengths, each with its name, in the drawing after it.
    const QString flat = problems.simplified();
    static const QRegularExpression flatQuestion(uR"((\w\w) = ________ cm)"_qs);
    QStringList questions;
    QList<qsizetype> starts, ends;
    for (const auto &match : flatQuestion.globalMatch(flat)) {
        questions.append(match.captured(1));
        starts.append(match.capturedStart());
        ends.append(match.capturedEnd());
    }
    QCOMPARE(questions.size(), count);
    for (qsizetype index = 0; index < questions.size(); ++index) {
        const qsizetype before = index > 0 ? ends[index - 1] : 0;
        const QString number = flat.mid(before, starts[index] - before);
        QVERIFY2(number.endsWith(QStringLiteral(" %1. ").arg(index + 1)), qPrintable(number));
        const qsizetype next = index + 1 < starts.size() ? starts[index + 1] : flat.size();
        const QString drawing = flat.mid(ends[index], next - ends[index]);
        for (const auto &[name, value] : {std::pair{key[index].firstName, key[index].firstValue},
                                          std::pair{key[index].secondName, key[index].secondValue}})
            QVERIFY2(drawing.contains(QStringLiteral("%1 = %2 cm").arg(name, value)),
                     qPrintable(drawing));
        QVERIFY2(drawing.contains(QStringLiteral("%1 = ?").arg(questions[index])),
                 qPrintable(drawing));
    }
    QCOMPARE(questions.contains(u"AB"_qs) || questions.contains(u"AC"_qs), legsAsked);
    for (qsizetype i = 0; i < key.size(); ++i) {
        QCOMPARE(key[i].number, i + 1);
        QCOMPARE(key[i].hidden, questions[i]);
        QCOMPARE(key[i].theorems.size(), steps);
        if (!onlyTheorem.isEmpty())
            QVERIFY2(key[i].theorems.contains(onlyTheorem),
                     qPrintable(key[i].theorems.join(u", ")));
    }

    // The seed is on every page, the key's included, and so is the level but
    // the first.
    const QString levelPart = level.isEmpty() ? QString() : level + QStringLiteral(" · ");
    const QRegularExpression footer(QStringLiteral("Seme %1 · %2(soluzioni · )?pagina")
                                        .arg(seed, QRegularExpression::escape(levelPart)));
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    for (const QString &page : pages)
        QVERIFY(footer.match(page).hasMatch());
}

void TestWorksheet::assignmentSheetIsTheOptionsSheet_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("seed");
    QTest::newRow("level 1, 20 problems") << QStringList{"--seed", "7"} << "7";
    QTest::newRow("level 3, altitude theorem, 60 problems, largest seed")
        << QStringList{"--level", "3",  "--theorem", "altitude",
                       "--count", "60", "--seed",    "4294967295"}
        << "4294967295";
}

// The teacher's road: --new-assignment prints the code alone, and the sheet
// of the code is the sheet of the same options, the code in place of the
// seed on every page, the key's included.
void TestWorksheet::assignmentSheetIsTheOptionsSheet()
{
    QFETCH(QStringList, options);
    QFETCH(QString, seed);
    const Run made = runSolvetra(QStringList{"--new-assignment"} + options);
    QCOMPARE(made.exitCode, 0);
    const QString code = made.standardOutput.trimmed();
    QVERIFY2(
        QRegularExpression(u"^\\w{4}-\\w{4}-\\w{2}\\n$"_qs).match(made.standardOutput).hasMatch(),
        qPrintable(made.standardOutput));

    QTemporaryDir dir;
    const QString byCode = dir.filePath(QStringLiteral("compito.pdf"));
    const QString byOptions = dir.filePath(QStringLiteral("scheda.pdf"));
    QCOMPARE(runSolvetra({"--worksheet", byCode, "--assignment", code.toLower()}).exitCode, 0);
    QCOMPARE(runSolvetra(QStringList{"--worksheet", byOptions} + options).exitCode, 0);
    const QString text = pdfText(byCode);
    for (const QString &page : text.split(u'\f', Qt::SkipEmptyParts))
        QVERIFY2(page.contains(QStringLiteral("Compito %1 · ").arg(code)), qPrintable(page));
    QCOMPARE(
        QString(text).replace(QStringLiteral("Compito ") + code, QStringLiteral("Seme ") + seed),
        pdfText(byOptions));
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
    QTest::newRow("--key other") << QStringList{"--key", "other"} << pdf
                                 << "--key vuole end, separate o none, non «other»";
    QTest::newRow("--level 0") << QStringList{"--level", "0"} << pdf
                               << "--level vuole 1, 2 o 3, non «0»";
    QTest::newRow("--level 4") << QStringList{"--level", "4"} << pdf
                               << "--level vuole 1, 2 o 3, non «4»";
    QTest::newRow("--level in words")
        << QStringList{"--level=due"} << pdf << "--level vuole 1, 2 o 3, non «due»";
    QTest::newRow("--level empty")
        << QStringList{"--level", ""} << pdf << "--level vuole 1, 2 o 3, non";
    QTest::newRow("--assignment not a code") << QStringList{"--assignment", "K4Q2-7XMB-3T"} << pdf
                                             << "Codice del compito non valido: «K4Q2-7XMB-3T»";
    QTest::newRow("--assignment and --level")
        << QStringList{"--assignment", "J8C0-DQ5Y-MR", "--level", "1"} << pdf
        << "--level non va con --assignment";
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

// The sheet without its key is no use to the teacher: when the key's file
// cannot be written, the sheet is not written either.
void TestWorksheet::unwritableKeyLeavesNeitherFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("scheda-soluzioni.pdf")));
    const Run run = runSolvetra(
        {"--worksheet", dir.filePath(QStringLiteral("scheda.pdf")), "--key", "separate"});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.standardError.contains(u"scheda-soluzioni.pdf"), qPrintable(run.standardError));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
