// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/kindid.h"
#include "record/answerscsv.h"
#include "record/recordreader.h"
#include "record/recordwriter.h"
#include "record/summary.h"
#include "recordrows.h"
#include "support/fakes.h"
#include "support/sqlitecli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

struct Pupil
{
    QString file;
    QString name;
    QString className;
    int answers;
};

// Three pupils, one file each, their answers spread over five days.
const QList<Pupil> pupils = {
    {QStringLiteral("ada.sqlite"), QStringLiteral("Ada"), QStringLiteral("3B"), 23},
    {QStringLiteral("bruno.sqlite"), QStringLiteral("=1+2"), QStringLiteral("3B"), 31},
    {QStringLiteral("carla.sqlite"), QStringLiteral("Carla \"Cì\", jr"), QStringLiteral("3C"), 17},
};

void writePupil(const QString &path, const Pupil &pupil, int offset)
{
    FakeClock clock;
    clock.today = QDate(2026, 12, 1);
    // One reading for the session's start, one for each answer.
    for (int k = 0; k <= pupil.answers; ++k)
        clock.later << QDateTime(QDate(2026, 12, 1 + (k + offset) % 5),
                                 QTime(9, 0).addSecs(60 * k));
    record::RecordWriter writer(path, clock);
    writer.setPupil(pupil.name, pupil.className);
    writer.startSession(1);
    for (int i = 0; i < pupil.answers; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i * 7 + offset)));
}

// The rows of the three files as one table, for sqlite3 to count.
QString allAnswers(const QString &sql)
{
    return QStringLiteral("ATTACH 'bruno.sqlite' AS b; ATTACH 'carla.sqlite' AS c;"
                          " WITH a AS (SELECT * FROM main.answer UNION ALL SELECT * FROM b.answer"
                          " UNION ALL SELECT * FROM c.answer) ") +
           sql;
}

QString fromCli(const QTemporaryDir &dir, const QString &sql)
{
    // ATTACH names the files relative to the folder sqlite3 runs in.
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral("sqlite3"),
                  {QStringLiteral("-batch"), QStringLiteral("ada.sqlite"), sql});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A copy of the pupil's file beside it, changed by sqlite3 as anyone with
// the class folder could.
QString changedCopy(const QString &original, const QTemporaryDir &dir, const QString &name,
                    const QString &sql)
{
    const QString copy = dir.filePath(name);
    QFile::remove(copy);
    if (!QFile::copy(original, copy))
        return {};
    if (!sql.isEmpty())
        sqliteCli(copy, sql);
    return copy;
}

QString tallies(const QList<record::KindSummary> &kinds)
{
    QStringList lines;
    for (const record::KindSummary &kind : kinds)
        lines << QStringLiteral("%1|%2|%3")
                     .arg(kind.kind)
                     .arg(kind.tally.answers)
                     .arg(kind.tally.right);
    return lines.join(u'\n');
}

} // namespace

class TestRecordReport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_class;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!sqliteCliFound())
            QSKIP("sqlite3 is not installed");
        for (int p = 0; p < pupils.size(); ++p)
            writePupil(m_class.filePath(pupils[p].file), pupils[p], p);
        QFile text(m_class.filePath(QStringLiteral("broken.sqlite")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("non sono un database\n");
    }

    void aBadFileIsNamedAndSkipped()
    {
        const record::RecordContents contents = record::RecordReader().read({m_class.path()});
        QCOMPARE(contents.files.size(), 3);
        QCOMPARE(contents.skipped.size(), 1);
        QVERIFY(contents.skipped[0].path.endsWith(QLatin1String("/broken.sqlite")));
        QVERIFY(contents.skipped[0].reason.contains(QLatin1String("broken.sqlite")));
        QCOMPARE(QString::number(contents.answers.size()),
                 fromCli(m_class, allAnswers(QStringLiteral("SELECT count(*) FROM a"))));
    }

    void filtersPickTheirAnswers_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("className");
        QTest::newRow("everything") << QDate() << QDate() << QString();
        QTest::newRow("one class") << QDate() << QDate() << QStringLiteral("3C");
        QTest::newRow("from the third day") << QDate(2026, 12, 3) << QDate() << QString();
        QTest::newRow("up to the second day") << QDate() << QDate(2026, 12, 2) << QString();
        QTest::newRow("one day of one class")
            << QDate(2026, 12, 4) << QDate(2026, 12, 4) << QStringLiteral("3B");
        QTest::newRow("a range with nothing in it")
            << QDate(2027, 1, 1) << QDate(2027, 2, 1) << QString();
    }
    void filtersPickTheirAnswers()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, className);
        const auto contents = record::RecordReader({from, to, className}).read({m_class.path()});
        const QString where =
            QStringLiteral(" WHERE date(at) BETWEEN '%1' AND '%2' AND (class = '%3' OR '%3' = '')")
                .arg(from.isValid() ? from.toString(Qt::ISODate) : QStringLiteral("0000-01-01"),
                     to.isValid() ? to.toString(Qt::ISODate) : QStringLiteral("9999-12-31"),
                     className);
        QCOMPARE(QString::number(contents.answers.size()),
                 fromCli(m_class, allAnswers(QStringLiteral("SELECT count(*) FROM a") + where)));
        for (const record::AnswerRow &row : contents.answers)
            QVERIFY(className.isEmpty() || row.className == className);
    }

    void pupilsAreSummed()
    {
        const auto contents = record::RecordReader().read({m_class.path()});
        QStringList lines;
        for (const record::PupilSummary &pupil : record::RecordSummary(contents.answers).pupils()) {
            QStringList levels;
            for (int level : pupil.levels)
                levels << QString::number(level);
            lines << QStringLiteral("%1|%2|%3|%4|%5|%6")
                         .arg(pupil.className, pupil.pupil)
                         .arg(pupil.tally.answers)
                         .arg(pupil.tally.right)
                         .arg(pupil.seconds)
                         .arg(levels.join(u','));
        }
        QCOMPARE(lines.join(u'\n'),
                 fromCli(m_class,
                         allAnswers(QStringLiteral(
                             "SELECT class, pupil, count(*), sum(right), sum(seconds),"
                             " (SELECT group_concat(level) FROM (SELECT DISTINCT level FROM a AS l"
                             "  WHERE l.pupil = a.pupil ORDER BY level))"
                             " FROM a GROUP BY class, pupil ORDER BY class, pupil"))));
    }

    void kindsAndDaysAreSummed()
    {
        const record::RecordSummary summary(record::RecordReader().read({m_class.path()}).answers);
        QCOMPARE(
            tallies(summary.kinds()),
            fromCli(m_class,
                    allAnswers(QStringLiteral(
                        "SELECT kind, count(*), sum(right) FROM a GROUP BY kind ORDER BY kind"))));
        QCOMPARE(tallies(summary.mostOftenWrong(3)),
                 fromCli(m_class, allAnswers(QStringLiteral(
                                      "SELECT kind, count(*), sum(right) FROM a GROUP BY kind"
                                      " HAVING count(*) > sum(right)"
                                      " ORDER BY count(*) - sum(right) DESC, kind LIMIT 3"))));
        QStringList days;
        for (const record::DaySummary &day : summary.days())
            days << QStringLiteral("%1|%2|%3")
                        .arg(day.day.toString(Qt::ISODate))
                        .arg(day.tally.answers)
                        .arg(day.tally.right);
        QCOMPARE(
            days.join(u'\n'),
            fromCli(
                m_class,
                allAnswers(QStringLiteral(
                    "SELECT date(at), count(*), sum(right) FROM a GROUP BY date(at) ORDER BY 1"))));
        const record::Tally third = summary.onDay(QDate(2026, 12, 3));
        QCOMPARE(QStringLiteral("%1|%2").arg(third.answers).arg(third.right),
                 fromCli(m_class,
                         allAnswers(QStringLiteral(
                             "SELECT count(*), sum(right) FROM a WHERE date(at) = '2026-12-03'"))));
    }

    void longestRunOfRightAnswers_data()
    {
        QTest::addColumn<QString>("verdicts"); // in the order given; R right, W wrong
        QTest::addColumn<int>("longest");
        QTest::newRow("no answers") << "" << 0;
        QTest::newRow("all wrong") << "WWW" << 0;
        QTest::newRow("all right") << "RRRR" << 4;
        QTest::newRow("the longer run comes first") << "RRRWRRW" << 3;
        QTest::newRow("the longer run comes last") << "RWRRWRRRR" << 4;
    }
    void longestRunOfRightAnswers()
    {
        QFETCH(QString, verdicts);
        QFETCH(int, longest);
        QList<record::AnswerRow> rows;
        for (int i = 0; i < verdicts.size(); ++i) {
            record::AnswerRow row = numberedAnswer(i);
            row.right = verdicts[i] == u'R';
            row.when = QDateTime(QDate(2026, 12, 8), QTime(9, 0).addSecs(i));
            rows.append(row);
        }
        // Odd answers first, then even: the summary must go by time, not by
        // list order (a reversed list would keep every run).
        std::stable_partition(rows.begin(), rows.end(), [](const record::AnswerRow &row) {
            return row.typed.toInt() % 2 == 1;
        });
        QCOMPARE(record::RecordSummary(rows).longestRightRun(), longest);
    }

    void csvReadsBackWithAParser()
    {
        const auto contents = record::RecordReader().read({m_class.path()});
        const QString csv = m_class.filePath(QStringLiteral("report.csv"));
        QCOMPARE(record::writeAnswersCsv(csv, contents.answers), std::nullopt);
        QProcess python;
        python.start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import csv, json, sys\n"
                            "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                            "    print(json.dumps(list(csv.reader(f))))\n"),
             csv});
        QVERIFY(python.waitForFinished(30000));
        const QJsonArray table = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(table.size(), contents.answers.size() + 1);
        QMap<QString, int> byPupil;
        for (const QJsonValue &line : table) {
            QCOMPARE(line.toArray().size(), 16); // the assignment's code last
            byPupil[line.toArray().at(1).toString()]++;
            for (const QJsonValue &cell : line.toArray())
                QVERIFY2(!QStringLiteral("=+-@").contains(cell.toString().left(1)) ||
                             cell.toString().isEmpty(),
                         qPrintable(cell.toString()));
        }
        QCOMPARE(byPupil.value(QStringLiteral("'=1+2")), pupils[1].answers);
        QCOMPARE(byPupil.value(pupils[2].name), pupils[2].answers);
    }

    void kindIdsNameTheAskedLengthAndItsGivens()
    {
        QSet<QString> ids;
        for (const quiz::ProblemKind &kind : quiz::designedKinds()) {
            const QString id = quiz::kindId(kind);
            const QStringList parts = id.split(QRegularExpression(QStringLiteral("[:,]")));
            QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z]{2}:[A-Z]{2},[A-Z]{2}$"))
                         .match(id)
                         .hasMatch(),
                     qPrintable(id));
            QCOMPARE(parts.size(), 3);
            QCOMPARE(parts[0], quiz::lengthLetters(kind.asked()));
            QVERIFY(!parts.mid(1).contains(parts[0]));
            QCOMPARE(QSet<QString>(parts.begin() + 1, parts.end()),
                     QSet<QString>({quiz::lengthLetters(kind.givens()[0]),
                                    quiz::lengthLetters(kind.givens()[1])}));
            ids.insert(id);
        }
        QCOMPARE(ids.size(), quiz::designedKinds().size());
    }

    void hostileFileIsReadWithoutHarm_data()
    {
        QTest::addColumn<QString>("sql");  // what a classmate did to a copy of ada.sqlite
        QTest::addColumn<QString>("kept"); // which of its answers count; empty: the file is skipped
        QTest::addColumn<int>("discarded");
        QTest::addColumn<int>("milliseconds"); // the time limit, 0 for the usual one
        const QString endless =
            QStringLiteral("WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM r) ");
        QTest::newRow("answer is a view over an endless query")
            << QStringLiteral("ALTER TABLE answer RENAME TO a0; CREATE VIEW answer AS ") + endless +
                   QStringLiteral("SELECT a0.* FROM r, a0 ORDER BY randomblob(1000);")
            << QString() << 0 << 0;
        QTest::newRow("session is a view over an endless query")
            << QStringLiteral("ALTER TABLE session RENAME TO s0; CREATE VIEW session AS ") +
                   endless + QStringLiteral("SELECT s0.* FROM r, s0;")
            << QString() << 0 << 0;
        QTest::newRow("times, levels and seconds no answer can have")
            << QStringLiteral("UPDATE answer SET at = '2099-01-01T09:00:00.000' WHERE id = 1;"
                              " UPDATE answer SET level = -5 WHERE id = 2;"
                              " UPDATE answer SET seconds = 9e999 WHERE id = 3;"
                              " UPDATE answer SET seconds = -2147483647 WHERE id = 4;"
                              " UPDATE answer SET seconds = 'molti' WHERE id = 5;")
            << QStringLiteral("id > 5") << 5 << 0;
        QTest::newRow("a name of five million characters")
            << QStringLiteral("UPDATE answer SET pupil = printf('%.*c', 5000000, 'x'),"
                              " class = printf('%.*c', 61, 'y') WHERE id = 1;")
            << QStringLiteral("1") << 0 << 0;
        // A thousand times the answers, each with an id of its own, and a
        // millisecond to read them.
        QTest::newRow("a file longer to read than its time limit")
            << QStringLiteral(
                   "INSERT INTO answer (session, at, pupil, class, level, kind, m, n,"
                   " given1, given2, asked, expected, typed, right, seconds, uuid)"
                   " SELECT session, at, pupil, class, level, kind, m, n, given1,"
                   " given2, asked, expected, typed, right, seconds,"
                   " lower(hex(randomblob(16))) FROM answer, (WITH RECURSIVE r(i) AS"
                   " (SELECT 1 UNION ALL SELECT i + 1 FROM r LIMIT 999) SELECT i FROM r);")
            << QString() << 0 << 1;
    }
    void hostileFileIsReadWithoutHarm()
    {
        QFETCH(QString, sql);
        QFETCH(QString, kept);
        QFETCH(int, discarded);
        QFETCH(int, milliseconds);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(m_class.filePath(pupils[0].file), dir.filePath(pupils[0].file)));
        const QString copy =
            changedCopy(dir.filePath(pupils[0].file), dir, QStringLiteral("copia.sqlite"), sql);
        record::RecordReader reader;
        if (milliseconds > 0)
            reader.setTimeLimit(std::chrono::milliseconds(milliseconds));
        const auto contents = reader.read({copy});
        if (kept.isEmpty()) {
            QCOMPARE(contents.files, QStringList());
            QCOMPARE(contents.skipped.size(), 1);
            QVERIFY(contents.skipped[0].reason.contains(QLatin1String("copia.sqlite")));
            QCOMPARE(contents.skipped[0].reason.contains(QLatin1String("lentamente")),
                     milliseconds > 0);
            return;
        }
        QCOMPARE(QString::number(contents.answers.size()),
                 sqliteCli(dir.filePath(pupils[0].file),
                           QStringLiteral("SELECT count(*) FROM answer WHERE ") + kept));
        QCOMPARE(contents.discarded, discarded);
        for (const record::AnswerRow &row : contents.answers) {
            QVERIFY(row.pupil.size() <= record::maxNameLength);
            QVERIFY(row.className.size() <= record::maxNameLength);
            QVERIFY(row.level >= 1 && row.level <= 3);
            QVERIFY(row.seconds >= 0 && row.seconds <= 86400);
            QVERIFY(row.when.date().year() < 2099);
            if (row.pupil.startsWith(u'x')) // cut, and marked as cut
                QVERIFY(row.pupil.endsWith(u'…') && row.className.endsWith(u'…'));
        }
    }

    void oneAnswerInTwoFilesCountsOnce_data()
    {
        QTest::addColumn<QString>("sql"); // on a second copy of ada.sqlite
        QTest::addColumn<int>("changed"); // answers the copies tell apart
        QTest::newRow("an identical copy") << QString() << 0;
        QTest::newRow("a copy whose solution was opened since")
            << QStringLiteral("UPDATE answer SET solution_opened = 1 WHERE id = 3;") << 0;
        QTest::newRow("a copy with two answers changed")
            << QStringLiteral("UPDATE answer SET typed = '999' WHERE id IN (2, 4);") << 2;
        QTest::newRow("a copy with one answer moved to another pupil")
            << QStringLiteral("UPDATE answer SET pupil = 'Bruno' WHERE id = 1;") << 1;
    }
    void oneAnswerInTwoFilesCountsOnce()
    {
        QFETCH(QString, sql);
        QFETCH(int, changed);
        QTemporaryDir dir;
        const QString original = dir.filePath(pupils[0].file);
        QVERIFY(QFile::copy(m_class.filePath(pupils[0].file), original));
        changedCopy(original, dir, QStringLiteral("ada-copia.sqlite"), sql);
        const auto contents = record::RecordReader().read({dir.path()});
        QCOMPARE(contents.files.size(), 2);
        QCOMPARE(QString::number(contents.answers.size() + changed),
                 sqliteCli(original, QStringLiteral("SELECT count(*) FROM answer")));
        QCOMPARE(contents.clashes.size(), changed > 0 ? 1 : 0);
        for (const QString &clash : contents.clashes)
            QVERIFY(clash.contains(QLatin1String("ada-copia.sqlite")) &&
                    clash.contains(QLatin1String("ada.sqlite")));
        QSet<QString> ids;
        for (const record::AnswerRow &row : contents.answers)
            ids.insert(row.uuid);
        QCOMPARE(ids.size(), contents.answers.size());
    }

    void aRecordInWalModeLeavesNothingBeside_data()
    {
        QTest::addColumn<bool>("withWal");
        QTest::newRow("with the WAL the writer keeps") << true;
        QTest::newRow("without it") << false;
    }
    void aRecordInWalModeLeavesNothingBeside()
    {
        QFETCH(bool, withWal);
        QTemporaryDir home;
        QTemporaryDir folder;
        FakeClock clock;
        const QString record = home.filePath(QStringLiteral("record.sqlite"));
        // Twelve answers in the file, which an older version left in WAL
        // mode; five more in the WAL of a connection still open.
        {
            record::RecordWriter writer(record, clock);
            writer.setPupil(QStringLiteral("Dario"), QStringLiteral("3D"));
            writer.startSession(1);
            for (int i = 0; i < 12; ++i)
                QVERIFY(writer.addAnswer(numberedAnswer(i)));
        }
        QSqlDatabase older =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        const auto closeOlder = qScopeGuard([&older] {
            older.close();
            older = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("older"));
        });
        older.setDatabaseName(record);
        QVERIFY(older.open());
        QSqlQuery query(older);
        QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode = WAL")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
        QVERIFY(query.exec(
            QStringLiteral("INSERT INTO answer (session, at, pupil, class, level, kind, m, n,"
                           " given1, given2, asked, expected, typed, right, seconds,"
                           " solution_opened, uuid, assignment)"
                           " SELECT session, at, pupil, class, level, kind, m, n, given1, given2,"
                           " asked, expected, typed, right, seconds, solution_opened,"
                           " lower(hex(randomblob(16))), assignment FROM answer"
                           " ORDER BY id LIMIT 5")));
        const QString copy = folder.filePath(QStringLiteral("dario.sqlite"));
        QVERIFY(QFile::copy(home.filePath(QStringLiteral("record.sqlite")), copy));
        if (withWal)
            QVERIFY(QFile::copy(home.filePath(QStringLiteral("record.sqlite-wal")),
                                copy + QStringLiteral("-wal")));
        const QStringList before = QDir(folder.path()).entryList(QDir::Files);
        const auto contents = record::RecordReader().read({folder.path()});
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
        QCOMPARE(contents.skipped.size(), 0);
        QCOMPARE(contents.answers.size(), withWal ? 17 : 12);
    }

    void csvCellsNeverStartAFormula_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("equals") << "=1+2";
        QTest::newRow("plus") << "+39 333 1234567";
        QTest::newRow("at") << "@SOMMA(A1)";
        QTest::newRow("a Tab before the formula") << "\t=1+2";
        QTest::newRow("a carriage return before the formula") << "\r=1+2";
    }
    void csvCellsNeverStartAFormula()
    {
        QFETCH(QString, name);
        record::AnswerRow row = numberedAnswer(0);
        row.pupil = name;
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("report.csv"));
        QCOMPARE(record::writeAnswersCsv(csv, {row}), std::nullopt);
        QProcess python;
        python.start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import csv, sys\n"
                            "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                            "    print(list(csv.reader(f))[1][1], end='')\n"),
             csv});
        QVERIFY(python.waitForFinished(30000));
        const QString cell = QString::fromUtf8(python.readAllStandardOutput());
        QVERIFY2(cell.endsWith(name) && cell.size() > name.size(), qPrintable(cell));
        QVERIFY(!QStringLiteral("=+-@\t\r").contains(cell.front()));
    }

    // The time as Qt reads and writes it, whatever the local clock did then.
    void csvTimeIsTheAnswersLocalTime_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("a school morning") << "2026-11-02T08:00:07.250";
        QTest::newRow("the hour the clocks skip") << "2026-03-29T02:30:00.000";
        QTest::newRow("the hour the clocks repeat") << "2026-10-25T02:30:00.000";
        QTest::newRow("midnight written as hour 24") << "2026-11-02T24:00:00.000";
        QTest::newRow("a day no calendar has") << "2026-02-29T10:00:00.000";
    }
    void csvTimeIsTheAnswersLocalTime()
    {
        QFETCH(QString, stored);
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/Rome");
        const auto restore = qScopeGuard([&] { qputenv("TZ", zone); });
        QTemporaryDir dir;
        const QString copy =
            changedCopy(m_class.filePath(pupils[0].file), dir, QStringLiteral("ada.sqlite"),
                        QStringLiteral("UPDATE answer SET at = '%1'").arg(stored));
        const auto contents = record::RecordReader().read({copy});
        const QDateTime when = QDateTime::fromString(stored, Qt::ISODateWithMs);
        QCOMPARE(contents.answers.size(), when.isValid() ? pupils[0].answers : 0);
        if (contents.answers.isEmpty())
            return;
        const QList<QByteArray> lines = record::answersCsv(contents.answers).split('\n');
        QCOMPARE(lines.value(1).left(lines.value(1).indexOf(',')),
                 when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8());
    }

    void csvRefusesWhatItCannotWrite_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a missing folder") << "missing/report.csv";
    }
    void csvRefusesWhatItCannotWrite()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        const auto refusal = record::writeAnswersCsv(dir.filePath(target), {numberedAnswer(0)});
        QVERIFY(refusal.has_value());
        QVERIFY(refusal->contains(target));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestRecordReport)
#include "tst_recordreport.moc"
