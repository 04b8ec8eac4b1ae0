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
#include <QSet>
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
            QCOMPARE(line.toArray().size(), 15);
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
