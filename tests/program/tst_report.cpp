// SPDX-License-Identifier: GPL-3.0-or-later
// The class report, run as a teacher runs it, over real record files; the
// figures are checked against sqlite3 and Python's csv module.
#include "record/recordrows.h"
#include "support/fakes.h"
#include "support/solvetrarun.h"
#include "support/sqlitecli.h"

#include "format/displaylocale.h"
#include "quiz/assignment.h"
#include "record/recordwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void writePupil(const QString &path, const QString &name, const QString &className, int answers)
{
    FakeClock clock;
    record::RecordWriter writer(path, clock);
    writer.setPupil(name, className);
    writer.startSession(1);
    for (int i = 0; i < answers; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i)));
    writer.endSession();
}

// A pupil's answers to the first problems of an assignment, every third one
// wrong, after a few answers of free play.
void writeAssignment(const QString &path, const QString &name, const quiz::Assignment &assignment,
                     int answered)
{
    FakeClock clock;
    record::RecordWriter writer(path, clock);
    writer.setPupil(name, u"3C"_s);
    writer.startSession(1);
    for (int i = 0; i < 4; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i)));
    const QList<quiz::ProblemDraw> problems = quiz::assignmentProblems(assignment);
    const auto locale = format::DisplayLocale::current();
    for (int k = 0; k < answered; ++k) {
        quiz::Problem problem = quiz::problemOf(problems[k], locale);
        problem.level = assignment.level;
        problem.assignment = quiz::assignmentCode(assignment);
        QVERIFY(
            writer.addAnswer(record::answerRowOf(problem, QStringLiteral("1"), k % 3 != 2, 4.5)));
    }
    writer.endSession();
}

int rowsBySqlite(const QStringList &files, const QString &where = QStringLiteral("1"))
{
    int rows = 0;
    for (const QString &file : files)
        rows += sqliteCli(file, QStringLiteral("SELECT count(*) FROM answer WHERE %1;").arg(where))
                    .toInt();
    return rows;
}

int csvRows(const QString &csv, QString *firstPupilCell)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral(
                      "import csv,sys\nrows=list(csv.reader(open(sys.argv[1],encoding='utf-8')))\n"
                      "names=[r[rows[0].index(c)] for r in rows[1:] for c in rows[0] if 'alunn' in "
                      "c.lower()]\n"
                      "print(len(rows)-1); print(sorted(names)[0] if names else '')"),
                  csv});
    python.waitForFinished(30000);
    const QStringList out = QString::fromUtf8(python.readAllStandardOutput()).split(u'\n');
    *firstPupilCell = out.value(1);
    return out.value(0).toInt();
}

int severeLines(const QString &standardError)
{
    return int(standardError.split(u'\n')
                   .filter(QRegularExpression(QStringLiteral("^solvetra: ")))
                   .size());
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void totalsEqualRows_data();
    void totalsEqualRows();
    void csvRowsAndNeutralisedName();
    void spreadsheetFromCommandLine();
    void badInput_data();
    void badInput();
    void badFileAmongGood();
    void assignmentPageSaysWhoDidWhat();
    void reportFileIsPrivateAndNeverALink_data();
    void reportFileIsPrivateAndNeverALink();
    void hostileNamesReachNeitherTerminalNorPage();
    void readsARecordInWalModeInAFolderItCannotWrite();

private:
    QTemporaryDir m_dir;
    QString m_records;
    QStringList m_files;
};

void TestReport::initTestCase()
{
    if (!sqliteCliFound() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("sqlite3 or pdftotext missing");
    m_records = m_dir.filePath(QStringLiteral("records"));
    QDir().mkpath(m_records);
    const QList<std::tuple<QString, QString, int>> pupils{
        {QStringLiteral("=SOMMA(1;2)"), QStringLiteral("3A"), 7},
        {QStringLiteral("Bianca"), QStringLiteral("3A"), 11},
        {QStringLiteral("Carlo"), QStringLiteral("3B"), 13}};
    for (const auto &[name, className, answers] : pupils) {
        m_files << m_records + QStringLiteral("/%1.sqlite").arg(m_files.size());
        writePupil(m_files.last(), name, className, answers);
    }
}

void TestReport::totalsEqualRows_data()
{
    QTest::addColumn<QStringList>("filter");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("pupils");
    QTest::newRow("all") << QStringList{} << QStringLiteral("1") << 3;
    QTest::newRow("class 3A") << QStringList{QStringLiteral("--class"), QStringLiteral("3A")}
                              << QStringLiteral("class = '3A'") << 2;
    QTest::newRow("dated") << QStringList{QStringLiteral("--from"), QStringLiteral("2026-12-08"),
                                          QStringLiteral("--to"), QStringLiteral("2026-12-08")}
                           << QStringLiteral("1") << 3;
}

void TestReport::totalsEqualRows()
{
    QFETCH(QStringList, filter);
    QFETCH(QString, where);
    QFETCH(int, pupils);
    const QString pdf = m_dir.filePath(QStringLiteral("class.pdf"));
    const Run run = runSolvetra(
        QStringList{QStringLiteral("--report"), pdf, QStringLiteral("--records"), m_records} +
        filter);
    QCOMPARE(run.exitCode, 0);
    const QString text = pdfText(pdf);
    const int rows = rowsBySqlite(m_files, where);
    const int right = rowsBySqlite(m_files, where + QStringLiteral(" AND right = 1"));
    QVERIFY2(text.contains(QStringLiteral("Risposte: %1\n").arg(rows)), qPrintable(text.left(400)));
    QVERIFY(text.contains(QStringLiteral("Alunni: %1\n").arg(pupils)));
    const QString percent = QLocale(QLocale::Italian).toString(100.0 * right / rows, 'f', 1);
    QVERIFY2(text.contains(QStringLiteral("Esatte: %1 %").arg(percent)), qPrintable(percent));
    // One short page per pupil after the class's pages, each numbered.
    QVERIFY(text.contains(QStringLiteral("Pagina 1 di ")));
    QVERIFY(text.count(u'\f') >= 1 + pupils);
}

void TestReport::csvRowsAndNeutralisedName()
{
    const QString csv = m_dir.filePath(QStringLiteral("class.csv"));
    const Run run = runSolvetra({QStringLiteral("--report"), csv, QStringLiteral("--records"),
                                 m_files[0], QStringLiteral("--records"), m_files[1],
                                 QStringLiteral("--records"), m_files[2]});
    QCOMPARE(run.exitCode, 0);
    QString firstName;
    QCOMPARE(csvRows(csv, &firstName), rowsBySqlite(m_files));
    QVERIFY2(!firstName.isEmpty() && !firstName.startsWith(u'='), qPrintable(firstName));
    QVERIFY(firstName.contains(QStringLiteral("SOMMA")));
}

// The spreadsheet from the command line: a zip of Office Open XML whose
// sheets the teacher's window writes too (read back in tst_teacher).
void TestReport::spreadsheetFromCommandLine()
{
    const QString xlsx = m_dir.filePath(QStringLiteral("class.xlsx"));
    const Run run = runSolvetra({QStringLiteral("--report"), xlsx, QStringLiteral("--records"),
                                 m_files[0], QStringLiteral("--records"), m_files[1]});
    QCOMPARE(run.exitCode, 0);
    QFile file(xlsx);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("PK\x03\x04"));
    QVERIFY(bytes.contains("xl/worksheets/sheet4.xml"));
    QVERIFY(!QDir(m_dir.path()).entryList({QStringLiteral("class.xlsx.part-*")}).size());
}

void TestReport::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    const QString dir = m_dir.path();
    const QString pdf = dir + QStringLiteral("/bad.pdf");
    QFile text(dir + QStringLiteral("/note.sqlite"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("questo non e' un file di risultati\n");
    text.close();
    QFile damaged(dir + QStringLiteral("/damaged.sqlite"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    QFile good(m_files[2]);
    QVERIFY(good.open(QIODevice::ReadOnly));
    damaged.write(good.read(100) + QByteArray(3000, '\x5a'));
    damaged.close();
    const QString newer = dir + QStringLiteral("/newer.sqlite");
    QFile::remove(newer);
    QVERIFY(QFile::copy(m_files[1], newer));
    sqliteCli(newer, QStringLiteral("PRAGMA user_version = 999;"));
    QDir().mkpath(dir + QStringLiteral("/empty"));
    const QString records = QStringLiteral("--records");
    const QString report = QStringLiteral("--report");
    QTest::newRow("no record") << QStringList{report, pdf, records, text.fileName()} << pdf;
    QTest::newRow("damaged") << QStringList{report, pdf, records, damaged.fileName()} << pdf;
    QTest::newRow("newer schema") << QStringList{report, pdf, records, newer} << pdf;
    QTest::newRow("empty folder") << QStringList{report, pdf, records,
                                                 dir + QStringLiteral("/empty")}
                                  << pdf;
    QTest::newRow("nothing in range") << QStringList{report,
                                                     pdf,
                                                     records,
                                                     m_records,
                                                     QStringLiteral("--from"),
                                                     QStringLiteral("2020-01-01"),
                                                     QStringLiteral("--to"),
                                                     QStringLiteral("2020-01-31")}
                                      << pdf;
    QTest::newRow("no such class") << QStringList{report,
                                                  pdf,
                                                  records,
                                                  m_records,
                                                  QStringLiteral("--class"),
                                                  QStringLiteral("5Z")}
                                   << pdf;
    const QString unwritable = dir + QStringLiteral("/missing/class.pdf");
    QTest::newRow("unwritable pdf")
        << QStringList{report, unwritable, records, m_records} << unwritable;
    const QString unwritableCsv = dir + QStringLiteral("/missing/class.csv");
    QTest::newRow("unwritable csv")
        << QStringList{report, unwritableCsv, records, m_records} << unwritableCsv;
    const QString unwritableXlsx = dir + QStringLiteral("/missing/class.xlsx");
    QTest::newRow("unwritable xlsx")
        << QStringList{report, unwritableXlsx, records, m_records} << unwritableXlsx;
    QTest::newRow("bad date") << QStringList{report,
                                             pdf,
                                             records,
                                             m_records,
                                             QStringLiteral("--from"),
                                             QStringLiteral("2026-13-01")}
                              << pdf;
    const QString odt = dir + QStringLiteral("/class.odt");
    QTest::newRow("other extension") << QStringList{report, odt, records, m_records} << odt;
    QTest::newRow("records alone") << QStringList{records, m_records} << pdf;
    QTest::newRow("class alone") << QStringList{QStringLiteral("--class"), QStringLiteral("3A")}
                                 << pdf;
    QTest::newRow("report alone") << QStringList{report, pdf} << pdf;
    const QString csv = dir + u"/class.csv"_s;
    QTest::newRow("no answer to the assignment, CSV")
        << QStringList{report, csv, records, m_records, u"--assignment"_s, u"D2NV-13KD-2W"_s}
        << csv;
    QTest::newRow("not an assignment code")
        << QStringList{report, pdf, records, m_records, u"--assignment"_s, u"J8C0-DQ5Y-RM"_s}
        << pdf;
}

void TestReport::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFile::remove(output);
    const Run run = runSolvetra(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(severeLines(run.standardError) == 1, qPrintable(run.standardError));
    QVERIFY(!QFile::exists(output));
}

void TestReport::badFileAmongGood()
{
    const QString mixed = m_dir.filePath(QStringLiteral("mixed"));
    QDir().mkpath(mixed);
    for (const QString &file : std::as_const(m_files))
        QVERIFY(QFile::copy(file, mixed + u'/' + QFileInfo(file).fileName()));
    QFile bad(mixed + QStringLiteral("/zz-appunti.sqlite"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("appunti della maestra\n");
    bad.close();
    const QString pdf = m_dir.filePath(QStringLiteral("mixed.pdf"));
    const Run run =
        runSolvetra({QStringLiteral("--report"), pdf, QStringLiteral("--records"), mixed});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.contains(QStringLiteral("zz-appunti.sqlite")),
             qPrintable(run.standardError));
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("zz-appunti.sqlite")));
    QVERIFY(text.contains(QStringLiteral("Risposte: %1\n").arg(rowsBySqlite(m_files))));
}

// The teacher's day: one code on the board, one pupil finishes, one stops at
// 7, one never starts; the report of the code says exactly that, its figures
// against the rows as sqlite3 reads them.
void TestReport::assignmentPageSaysWhoDidWhat()
{
    const quiz::Assignment assignment{quiz::Level::OneStep, quiz::TheoremChoice::Both, 10, 99};
    const QString code = quiz::assignmentCode(assignment);
    const QString records = m_dir.filePath(u"assignment"_s);
    QDir().mkpath(records);
    const QList<std::pair<QString, int>> pupils{{u"Anna"_s, 10}, {u"Bruno"_s, 7}, {u"Chiara"_s, 0}};
    QStringList files;
    for (const auto &[name, answered] : pupils) {
        files << records + u"/%1.sqlite"_s.arg(name);
        writeAssignment(files.last(), name, assignment, answered);
    }
    // Another assignment's answers do not count for this one.
    files << records + u"/other.sqlite"_s;
    writeAssignment(files.last(), u"Anna"_s,
                    {quiz::Level::OneStep, quiz::TheoremChoice::Both, 10, 100}, 5);

    const QString pdf = m_dir.filePath(u"compito.pdf"_s);
    QString typed = code.toLower();
    const Run run = runSolvetra(
        {u"--report"_s, pdf, u"--records"_s, records, u"--assignment"_s, typed.remove(u'-')});
    QCOMPARE(run.exitCode, 0);
    const QString text = pdfText(pdf);
    const QString where = u"assignment = '%1'"_s.arg(code);
    QVERIFY2(text.contains(u"Risposte: %1\n"_s.arg(rowsBySqlite(files, where))),
             qPrintable(text.left(600)));
    const qsizetype page = text.indexOf(u"Compito %1\n"_s.arg(code));
    QVERIFY2(page >= 0, qPrintable(text));
    const QString assignmentPage = text.mid(page);
    QVERIFY2(assignmentPage.contains(u"Fatto: 1 · Iniziato: 1 · Non iniziato: 1"),
             qPrintable(assignmentPage));
    const QString day =
        QLocale(QLocale::Italian).toString(QDate(2026, 12, 8), QLocale::ShortFormat);
    for (const auto &[name, answered] : pupils) {
        const QString file = records + u"/%1.sqlite"_s.arg(name);
        const int right = rowsBySqlite({file}, where + u" AND right = 1"_s);
        QCOMPARE(rowsBySqlite({file}, where), answered);
        QString expected = name + u" (3C) "_s;
        if (answered == assignment.count)
            expected += u"fatto %1 su 10 0 min 45 s %2"_s.arg(right).arg(day);
        else if (answered > 0)
            expected += u"iniziato (%1 di 10) %2 su 10"_s.arg(answered).arg(right);
        else
            expected += u"non iniziato"_s;
        QVERIFY2(assignmentPage.contains(expected), qPrintable(expected + u'\n' + assignmentPage));
    }
    // Problems 3, 6 and 9 were answered wrong by both pupils who reached them.
    QVERIFY2(assignmentPage.contains(QRegularExpression(u"\\n3\\. .* 2 2\\n"_s)),
             qPrintable(assignmentPage));

    const QString csv = m_dir.filePath(u"compito.csv"_s);
    QCOMPARE(runSolvetra({u"--report"_s, csv, u"--records"_s, records, u"--assignment"_s, code})
                 .exitCode,
             0);
    QString first;
    QCOMPARE(csvRows(csv, &first), rowsBySqlite(files, where));
}

void TestReport::reportFileIsPrivateAndNeverALink_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("there"); // what is at the report's name before
    QTest::newRow("nothing") << u"class.pdf"_s << 0 << QString();
    QTest::newRow("a file everyone may read") << u"class.csv"_s << 0 << u"file"_s;
    QTest::newRow("a link planted at the PDF's name") << u"class.pdf"_s << 2 << u"link"_s;
    QTest::newRow("a link planted at the CSV's name") << u"class.csv"_s << 2 << u"link"_s;
    QTest::newRow("a pipe") << u"class.pdf"_s << 2 << u"pipe"_s;
}

void TestReport::reportFileIsPrivateAndNeverALink()
{
    QFETCH(QString, name);
    QFETCH(QString, there);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString report = dir.filePath(name);
    const QString victim = dir.filePath(u".bashrc"_s);
    QFile precious(victim);
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.write("alias ls='ls --color'\n");
    precious.close();
    if (there == u"file") {
        QVERIFY(QFile::copy(victim, report));
        QVERIFY(QFile::setPermissions(report, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther));
    } else if (there == u"link") {
        QVERIFY(QFile::link(victim, report));
    } else if (there == u"pipe") {
        QCOMPARE(QProcess::execute(u"mkfifo"_s, {report}), 0);
    }
    const Run run = runSolvetra({u"--report"_s, report, u"--records"_s, m_records});
    QCOMPARE(run.exitCode, exitCode);
    QFile victimAfter(victim);
    QVERIFY(victimAfter.open(QIODevice::ReadOnly));
    QCOMPARE(victimAfter.readAll(), QByteArray("alias ls='ls --color'\n"));
    if (exitCode != 0) {
        QVERIFY(QFileInfo(report).isSymLink() || there != u"link");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
        return;
    }
    QVERIFY(!QFileInfo(report).isSymLink());
    QCOMPARE(QFileInfo(report).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadUser | QFileDevice::WriteUser);
    QVERIFY(QFileInfo(report).size() > 100);
}

void TestReport::hostileNamesReachNeitherTerminalNorPage()
{
    const QString folder = m_dir.filePath(u"hostile"_s);
    QDir().mkpath(folder);
    QFile bad(folder + u"/a\x1b]2;preso\x07\nsolvetra: tutto bene.sqlite"_s);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("non un registro\n");
    bad.close();
    const QString pupil = folder + u"/eva.sqlite"_s;
    writePupil(pupil, u"Eva\u202Eavalos\x1b[31m"_s, u"3A"_s, 9);
    sqliteCli(pupil, QStringLiteral("UPDATE answer SET at = '2099-01-01T09:00:00.000' WHERE id = 1;"
                                    " UPDATE answer SET level = -5 WHERE id = 2;"
                                    " UPDATE answer SET seconds = -2147483647 WHERE id = 3;"));
    const QString pdf = m_dir.filePath(u"hostile.pdf"_s);
    const Run run = runSolvetra({u"--report"_s, pdf, u"--records"_s, folder});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.standardError.contains(u'\x1b') && !run.standardError.contains(u'\x07'),
             qPrintable(run.standardError));
    // Each line on the terminal is one of ours: the name's newline did not make one.
    QCOMPARE(severeLines(run.standardError), 2);
    QVERIFY(run.standardError.contains(u"solvetra: righe scartate: 3\n"_s));
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(u"Righe scartate: 3"_s));
    QVERIFY(text.contains(u"Risposte: 6\n"_s));
    QVERIFY2(!text.contains(QChar(0x202E)) && !text.contains(u'\x1b'), qPrintable(text));
    QVERIFY(text.contains(u"Evaavalos[31m"_s));
    QVERIFY(!text.contains(u"Tempo: -"_s));
}

// The teacher's account reads a pupil's record left in WAL mode, in a
// folder it cannot write, and leaves nothing beside it.
void TestReport::readsARecordInWalModeInAFolderItCannotWrite()
{
    if (::geteuid() != 0)
        QSKIP("needs root to run the report as a second account (nobody)");
    if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
        QSKIP("setpriv (util-linux) is missing");
    QTemporaryDir dir;
    const QString records = dir.filePath(u"records"_s);
    const QString out = dir.filePath(u"out"_s);
    QVERIFY(QDir().mkpath(records) && QDir().mkpath(out));
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    QCOMPARE(::chown(QFile::encodeName(out).constData(), 65534, 65534), 0);
    writePupil(records + QStringLiteral("/dario.sqlite"), QStringLiteral("Dario"),
               QStringLiteral("3D"), 9);
    // In WAL mode, as an older version of the program left its records.
    QCOMPARE(sqliteCli(records + QStringLiteral("/dario.sqlite"),
                       QStringLiteral("PRAGMA journal_mode = WAL")),
             QStringLiteral("wal"));
    for (const QString &file : QDir(records).entryList(QDir::Files))
        QCOMPARE(::chmod(QFile::encodeName(records + u'/' + file).constData(), 0644), 0);
    const QStringList before = QDir(records).entryList(QDir::Files);
    QProcess teacher;
    teacher.start(u"setpriv"_s, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                                 QStringLiteral(SOLVETRA_BINARY), u"--report"_s,
                                 out + u"/class.csv"_s, u"--records"_s, records});
    QVERIFY(teacher.waitForFinished(60000));
    QVERIFY2(teacher.exitCode() == 0, teacher.readAllStandardError().constData());
    QString firstName;
    QCOMPARE(csvRows(out + u"/class.csv"_s, &firstName), 9);
    QCOMPARE(QDir(records).entryList(QDir::Files), before);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
