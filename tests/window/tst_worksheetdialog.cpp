// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet dialog: what it takes, what it refuses in words, and that a
// seed typed into it gives the sheet the command line gives.
#include "support/fakeplatform.h"
#include "support/modalboxes.h"
#include "support/solvetrarun.h"
#include "ui/dialogs/worksheetdialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(quiz::TheoremChoice)

class TestWorksheetDialog : public QObject
{
    Q_OBJECT

private slots:
    void countTakenOrRefused_data();
    void countTakenOrRefused();
    void sameSheetAsCommandLine_data();
    void sameSheetAsCommandLine();
    void savedFilesAreNamed_data();
    void savedFilesAreNamed();
    void unwritableWorksheetIsReported();
};

void TestWorksheetDialog::countTakenOrRefused_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("taken");
    QTest::newRow("fewest") << print::minProblemCount << true;
    QTest::newRow("most") << print::maxProblemCount << true;
    QTest::newRow("one too few") << print::minProblemCount - 1 << false;
    QTest::newRow("one too many") << print::maxProblemCount + 1 << false;
    // Found in use: typing 100 gave 10 without a word.
    QTest::newRow("100 is refused, not cut to 10") << 100 << false;
}

void TestWorksheetDialog::countTakenOrRefused()
{
    QFETCH(int, count);
    QFETCH(bool, taken);
    FakePlatform platform;
    ui::WorksheetDialog dialog(platform);
    dialog.show();
    dialog.countBox()->clear();
    QTest::keyClicks(dialog.countBox(), QString::number(count));
    QCOMPARE(dialog.countBox()->text(), QString::number(count));
    const auto request = dialog.request();
    QCOMPARE(request.has_value(), taken);
    QCOMPARE(dialog.refusal()->isVisible(), !taken);
    // No code for a sheet that cannot be made.
    QCOMPARE(dialog.codeLabel()->text().isEmpty(), !taken);
    if (taken) {
        QCOMPARE(request->count, count);
    } else {
        // The line names the range and what was typed.
        for (const int number : {print::minProblemCount, print::maxProblemCount, count})
            QVERIFY2(dialog.refusal()->text().contains(QString::number(number)),
                     qPrintable(dialog.refusal()->text()));
    }
}

void TestWorksheetDialog::sameSheetAsCommandLine_data()
{
    QTest::addColumn<QString>("seed");
    QTest::addColumn<int>("theoremIndex");
    QTest::addColumn<QString>("theorem");
    // The level picked by its name in the box (none: the box left as it
    // opens) and the same level on the command line (none: left out).
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QString>("level");
    QTest::newRow("small seed, both theorems") << "7" << 0 << "both"
                                               << ""
                                               << "";
    QTest::newRow("largest seed a sheet can print, leg theorem") << "4294967295" << 1 << "leg"
                                                                 << ""
                                                                 << "";
    // Found in use: the box stopped at 999,999,999.
    QTest::newRow("a seed past a billion, altitude theorem") << "3000000001" << 2 << "altitude"
                                                             << ""
                                                             << "";
    QTest::newRow("level 1 by its name") << "7" << 0 << "both"
                                         << "Livello 1: Un passo"
                                         << "1";
    QTest::newRow("level 2, leg theorem") << "8" << 1 << "leg"
                                          << "Livello 2: Tutti i lati"
                                          << "2";
    QTest::newRow("level 3, both theorems") << "9" << 0 << "both"
                                            << "Livello 3: Due passi"
                                            << "3";
}

void TestWorksheetDialog::sameSheetAsCommandLine()
{
    QFETCH(QString, seed);
    QFETCH(int, theoremIndex);
    QFETCH(QString, theorem);
    QFETCH(QString, levelName);
    QFETCH(QString, level);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot compare the sheets");
    QTemporaryDir dir;
    FakePlatform platform;
    ui::WorksheetDialog dialog(platform);
    dialog.seedBox()->clear();
    QTest::keyClicks(dialog.seedBox(), seed);
    dialog.countBox()->setText(QStringLiteral("13"));
    dialog.theoremBox()->setCurrentIndex(theoremIndex);
    if (!levelName.isEmpty()) {
        const int index = dialog.levelBox()->findText(levelName);
        QVERIFY2(index >= 0, qPrintable(levelName));
        dialog.levelBox()->setCurrentIndex(index);
    }
    const QString fromDialog = dir.filePath(QStringLiteral("dialog.pdf"));
    {
        ModalBoxes boxes({QMessageBox::Ok});
        QVERIFY(dialog.saveTo(fromDialog));
    }
    const QString fromCommand = dir.filePath(QStringLiteral("command.pdf"));
    QStringList options{"--worksheet", fromCommand, "--seed",    seed,
                        "--count",     "13",        "--theorem", theorem};
    if (!level.isEmpty())
        options << "--level" << level;
    QCOMPARE(runSolvetra(options).exitCode, 0);
    const QString text = pdfText(fromDialog);
    QVERIFY(text.contains(QStringLiteral("Seme %1 ").arg(seed)));
    QCOMPARE(text, pdfText(fromCommand));

    // The code the dialog shows is the code of that sheet.
    const QString code = dialog.codeLabel()->text();
    const QString fromCode = dir.filePath(QStringLiteral("code.pdf"));
    QCOMPARE(runSolvetra({"--worksheet", fromCode, "--assignment", code}).exitCode, 0);
    QCOMPARE(pdfText(fromCode).replace(QStringLiteral("Compito ") + code,
                                       QStringLiteral("Seme ") + seed),
             text);
}

void TestWorksheetDialog::savedFilesAreNamed_data()
{
    QTest::addColumn<int>("keyIndex");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("key at the end") << 0 << QStringList{"scheda-52.pdf"};
    QTest::newRow("key apart") << 1 << QStringList{"scheda-52-soluzioni.pdf", "scheda-52.pdf"};
    QTest::newRow("no key") << 2 << QStringList{"scheda-52.pdf"};
}

void TestWorksheetDialog::savedFilesAreNamed()
{
    QFETCH(int, keyIndex);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    FakePlatform platform;
    ui::WorksheetDialog dialog(platform);
    dialog.seedBox()->setText(QStringLiteral("52"));
    dialog.keyBox()->setCurrentIndex(keyIndex);
    const QString path = dir.filePath(dialog.suggestedFileName());
    ModalBoxes boxes({QMessageBox::Ok});
    QVERIFY(dialog.saveTo(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    // One short box says where every file went.
    QCOMPARE(boxes.seen.size(), 1);
    for (const QString &file : files)
        QVERIFY2(boxes.seen[0].text.contains(QDir::toNativeSeparators(dir.filePath(file))),
                 qPrintable(boxes.seen[0].text));
}

void TestWorksheetDialog::unwritableWorksheetIsReported()
{
    QTemporaryDir dir;
    FakePlatform platform;
    ui::WorksheetDialog dialog(platform);
    ModalBoxes boxes({QMessageBox::Ok});
    QVERIFY(!dialog.saveTo(dir.filePath(QStringLiteral("missing/scheda.pdf"))));
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Scheda non salvata"));
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_MAIN(TestWorksheetDialog)
#include "tst_worksheetdialog.moc"
