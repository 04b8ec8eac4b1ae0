// SPDX-License-Identifier: GPL-3.0-or-later
// The report's figures summed by SQL where the answers are, held to the same
// figures worked out from the rows by the row summary, on random records: in
// files, on the school's server, and both at once.
#include "quiz/assignment.h"
#include "quiz/kindid.h"
#include "record/answercolumns.h"
#include "record/answerscsv.h"
#include "record/recordwriter.h"
#include "record/reportfigures.h"
#include "recordrows.h"
#include "support/fakes.h"
#include "support/pgserver.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QUuid>

#include <algorithm>
#include <random>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(record::RecordFilter)

namespace {

const QString assignmentCode = QStringLiteral("J8C0-DQ5Y-MR");

// Names that are alike once cut to the longest a name may be.
const QString longName = QString(70, u'L');

struct Record
{
    QList<QList<record::AnswerRow>> files;
    QList<int> impossible; // rows no answer can hold, per file
};

class Generator
{
public:
    explicit Generator(quint32 seed) : m_random(seed)
    {
        for (const quiz::ProblemDraw &draw :
             quiz::assignmentProblems(*quiz::assignmentOfCode(assignmentCode)))
            m_sheet.append(draw);
    }

    int below(int n) { return int(m_random() % quint32(n)); }

    record::AnswerRow answer(const QString &pupil, const QString &className, QDateTime &clock)
    {
        // A fifth of the answers in the same millisecond as the one before.
        if (below(5) != 0)
            clock = clock.addMSecs(1 + below(3) * 3'600'000 + below(1000));
        record::AnswerRow row = numberedAnswer(below(1000));
        if (below(3) == 0) {
            const quiz::ProblemDraw &draw = m_sheet[below(int(m_sheet.size()))];
            row.kind = quiz::kindId(draw.kind());
            row.m = draw.GenM;
            row.n = draw.Multiplier;
            row.assignment = assignmentCode;
        } else if (below(10) == 0) {
            row.assignment = QStringLiteral("ZZZZ-ZZZZ-ZZ");
        }
        row.when = clock;
        row.pupil = pupil;
        row.className = className;
        row.level = 1 + below(3);
        row.right = below(3) != 0;
        row.seconds = 0.25 * below(80);
        const QByteArray id = QByteArray::number(quint64(m_random()) << 32 | m_random(), 16);
        row.uuid = QUuid::fromRfc4122(id.rightJustified(16, '0')).toString(QUuid::WithoutBraces);
        return row;
    }

    Record record(bool longNames)
    {
        static const QStringList names = {QStringLiteral("Ada"), QStringLiteral("Bruno"),
                                          QStringLiteral("Carla \"Cì\""), QString()};
        static const QStringList classes = {QStringLiteral("3B"), QStringLiteral("3C"), QString()};
        Record made;
        const int files = 1 + below(4);
        for (int f = 0; f < files; ++f) {
            QList<record::AnswerRow> rows;
            QDateTime clock(QDate(2026, 11, 1 + below(9)), QTime(8, 0));
            // A pupil's own file, or a class's copy of several pupils.
            const int pupils = below(4) == 0 ? 3 : 1;
            for (int p = 0; p < pupils; ++p) {
                QString name = names[below(int(names.size()))];
                if (longNames && below(3) == 0)
                    name = longName + QString::number(below(2));
                const QString className = classes[below(int(classes.size()))];
                const int count = below(40);
                for (int i = 0; i < count; ++i)
                    rows.append(answer(name, className, clock));
            }
            // Copies of answers from a file before, some told otherwise.
            if (f > 0 && below(3) == 0) {
                const QList<record::AnswerRow> &earlier = made.files[below(f)];
                for (const record::AnswerRow &row : earlier) {
                    if (below(2) == 0)
                        continue;
                    record::AnswerRow copy = row;
                    // Told otherwise: what was typed, or even who typed it.
                    if (below(6) == 0)
                        copy.typed += u'x';
                    else if (below(12) == 0)
                        copy.pupil = QStringLiteral("Zoe");
                    copy.solutionOpened = below(2) == 0;
                    rows.append(copy);
                }
            }
            // Written in any order: the sums must follow the answers' times.
            std::shuffle(rows.begin(), rows.end(), m_random);
            made.files.append(rows);
            made.impossible.append(below(3));
        }
        return made;
    }

private:
    std::mt19937 m_random;
    QList<quiz::ProblemDraw> m_sheet;
};

// Every figure the report shows, one line each, from the sums.
QStringList linesOf(const record::ReportFigures &figures)
{
    QStringList lines;
    const auto tally = [](const record::Tally &t) {
        return QStringLiteral("%1/%2").arg(t.right).arg(t.answers);
    };
    lines << u"total "_s + tally(figures.total)
          << u"days "_s + figures.firstDay.toString(Qt::ISODate) + u' ' +
                 figures.lastDay.toString(Qt::ISODate);
    for (const record::PupilSummary &p : figures.pupils) {
        QStringList levels;
        for (int level : p.levels)
            levels << QString::number(level);
        lines << QStringLiteral("pupil %1|%2 %3 %4s levels %5 run %6")
                     .arg(p.className, p.pupil, tally(p.tally))
                     .arg(p.seconds, 0, 'f', 6)
                     .arg(levels.join(u','))
                     .arg(p.longestRun);
        for (const record::KindSummary &kind : figures.pupilKinds.value({p.className, p.pupil}))
            lines << QStringLiteral("  kind %1 %2").arg(kind.kind, tally(kind.tally));
    }
    for (const record::PupilSummary &p : figures.everyone)
        lines << QStringLiteral("everyone %1|%2").arg(p.className, p.pupil);
    for (const record::KindSummary &kind : figures.kinds)
        lines << QStringLiteral("kind %1 %2").arg(kind.kind, tally(kind.tally));
    lines << u"codes "_s + figures.codes.join(u',')
          << u"all codes "_s + figures.allCodes.join(u',');
    for (auto it = figures.standings.cbegin(); it != figures.standings.cend(); ++it) {
        for (const record::AssignmentStanding &s : it->pupils)
            lines << QStringLiteral("standing %1 %2|%3 %4/%5 %6 %7s %8")
                         .arg(it.key(), s.className, s.pupil)
                         .arg(s.answered)
                         .arg(s.count)
                         .arg(tally(s.tally))
                         .arg(s.seconds, 0, 'f', 6)
                         .arg(s.finished.toString(Qt::ISODateWithMs));
        for (qsizetype place = 0; place < it->byProblem.size(); ++place)
            lines << QStringLiteral("problem %1 %2 %3 %4")
                         .arg(it.key())
                         .arg(place)
                         .arg(it->kindOf[place], tally(it->byProblem[place]));
    }
    lines << QStringLiteral("discarded %1").arg(figures.discarded);
    lines += figures.clashes;
    lines += figures.files;
    return lines;
}

// The same lines from the rows, by the row summary alone.
QStringList linesOfRows(const record::RecordContents &contents, const record::RecordFilter &filter)
{
    QList<record::AnswerRow> counted;
    for (const record::AnswerRow &row : contents.answers)
        if (filter.assignment.isEmpty() || row.assignment == filter.assignment)
            counted.append(row);
    record::ReportFigures figures;
    const record::RecordSummary summary(counted);
    figures.total = summary.total();
    const QList<record::DaySummary> days = summary.days();
    if (!days.isEmpty()) {
        figures.firstDay = days.first().day;
        figures.lastDay = days.last().day;
    }
    figures.pupils = summary.pupils();
    for (const record::PupilSummary &pupil : std::as_const(figures.pupils)) {
        QList<record::AnswerRow> own;
        for (const record::AnswerRow &row : counted)
            if (row.pupil == pupil.pupil && row.className == pupil.className)
                own.append(row);
        figures.pupilKinds.insert({pupil.className, pupil.pupil},
                                  record::RecordSummary(own).kinds());
    }
    figures.everyone = filter.assignment.isEmpty()
                           ? figures.pupils
                           : record::RecordSummary(contents.answers).pupils();
    figures.kinds = summary.kinds();
    figures.codes = record::assignmentCodes(counted);
    figures.codes.sort();
    figures.allCodes = record::assignmentCodes(contents.answers);
    figures.allCodes.sort();
    QStringList standing = figures.codes;
    if (!filter.assignment.isEmpty() && !standing.contains(filter.assignment))
        standing.append(filter.assignment);
    for (const QString &code : std::as_const(standing))
        figures.standings.insert(code,
                                 record::assignmentStandings(code, figures.everyone, counted));
    figures.discarded = contents.discarded;
    figures.clashes = contents.clashes;
    figures.files = contents.files;
    return linesOf(figures);
}

// The rows streamed one by one are the rows read, in the same order.
bool streamsAsRead(const record::RecordReader &reader, const QStringList &sources,
                   const record::RecordContents &read)
{
    QList<record::AnswerRow> streamed;
    const record::RecordContents left =
        reader.stream(sources, [&](const record::AnswerRow &row) { streamed.append(row); });
    [&] {
        QCOMPARE(record::answersCsv(streamed), record::answersCsv(read.answers));
        QCOMPARE(left.clashes, read.clashes);
        QCOMPARE(left.discarded, read.discarded);
        QCOMPARE(left.files, read.files);
        QVERIFY(!left.cutShort);
    }();
    return !QTest::currentTestFailed();
}

void insertRows(QSqlDatabase db, const QList<record::AnswerRow> &rows, int impossible)
{
    QSqlQuery query(db);
    QStringList marks;
    for (size_t i = 0; i < record::answerColumns().size(); ++i)
        marks << QStringLiteral("?");
    QVERIFY(db.transaction());
    QVERIFY(query.prepare(QStringLiteral("INSERT INTO answer (%1) VALUES (%2)")
                              .arg(record::answerColumnList(), marks.join(u','))));
    for (const record::AnswerRow &row : rows) {
        for (const QVariant &value : record::answerValues(row))
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }
    // A level no quiz has, a time that is no time, a text for a number, a
    // day no calendar has; each in turn over the files.
    static const char *const broken[] = {"level = 9",
                                         "at = 'ieri'",
                                         "m = 'tre'",
                                         "seconds = -1",
                                         "at = '1999-12-31T10:00:00.000'",
                                         "at = '2026-02-29T10:00:00.000'",
                                         "at = '2026-11-31T10:00:00.000'"};
    static int made = 0;
    for (int i = 0; i < impossible && !rows.isEmpty(); ++i) {
        record::AnswerRow row = rows.first();
        row.uuid = QStringLiteral("x%1").arg(i);
        for (const QVariant &value : record::answerValues(row))
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        QSqlQuery change(db);
        QVERIFY2(change.exec(QStringLiteral("UPDATE answer SET %1 WHERE id = "
                                            "(SELECT max(id) FROM answer)")
                                 .arg(QLatin1String(broken[made++ % std::size(broken)]))),
                 qPrintable(change.lastError().text()));
    }
    QVERIFY(db.commit());
}

// Rows as literals for psql, with the sender the server would know.
QString serverInsert(const QList<record::AnswerRow> &rows)
{
    QStringList values;
    const auto text = [](const QString &value) {
        return u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
    };
    static const QStringList senders = {QStringLiteral("ada"), QStringLiteral("bruno"),
                                        QStringLiteral("zeta")};
    int seq = 0;
    for (const record::AnswerRow &row : rows) {
        if (row.pupil.size() > 60)
            continue;
        ++seq;
        // Every other answer as a pupil's program sends it, its id kept: the
        // same answer on the server and in the file.
        values << QStringLiteral("(%14, %1, %2, %3, %4, %5, %6, %7, 1.8, 3.2, 'AH', "
                                 "2.4, %8, %9, %10, %11, %12, %13)")
                      .arg(text(row.when.toString(Qt::ISODateWithMs)), text(row.pupil),
                           text(row.className))
                      .arg(row.level)
                      .arg(text(row.kind))
                      .arg(row.m)
                      .arg(row.n)
                      .arg(text(row.typed), row.right ? u"true"_s : u"false"_s)
                      .arg(row.seconds)
                      .arg(text(row.assignment))
                      .arg(seq % 3)
                      .arg(text(senders[seq % senders.size()]))
                      .arg(seq % 2 == 0 ? text(row.uuid) : u"gen_random_uuid()"_s);
    }
    if (values.isEmpty())
        return {};
    return QStringLiteral("INSERT INTO answer (uuid, at, pupil, class, level, kind, m, n, given1, "
                          "given2, asked, expected, typed, \"right\", seconds, assignment, seq, "
                          "sender) VALUES ") +
           values.join(u',');
}

} // namespace

class TestReportFigures : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_template;
    QList<Record> m_records;
    QList<QStringList> m_files; // of each record

    QString fileOf(const QList<record::AnswerRow> &rows, int impossible)
    {
        static int made = 0;
        const QString path = m_dir.filePath(QStringLiteral("r%1.sqlite").arg(made++));
        QFile::copy(m_template, path);
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
            db.setDatabaseName(path);
            if (db.open())
                insertRows(db, rows, impossible);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("maker"));
        return path;
    }

    static QList<record::RecordFilter> filters()
    {
        record::RecordFilter byClass;
        byClass.className = QStringLiteral("3B");
        record::RecordFilter byDays;
        byDays.from = QDate(2026, 11, 3);
        byDays.to = QDate(2026, 11, 6);
        record::RecordFilter byAssignment;
        byAssignment.assignment = assignmentCode;
        return {{}, byClass, byDays, byAssignment};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_template = m_dir.filePath(QStringLiteral("template.sqlite"));
        {
            FakeClock clock;
            record::RecordWriter writer(m_template, clock);
            writer.setPupil(QStringLiteral("Ada"), QStringLiteral("3B"));
            writer.startSession(1);
            QVERIFY(writer.addAnswer(numberedAnswer(1)));
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), u"t"_s);
        db.setDatabaseName(m_template);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("DELETE FROM answer")));
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(u"t"_s);

        Generator generator(20261209);
        for (int r = 0; r < 120; ++r) {
            m_records.append(generator.record(r % 4 == 0));
            QStringList files;
            for (qsizetype f = 0; f < m_records.last().files.size(); ++f)
                files << fileOf(m_records.last().files[f], m_records.last().impossible[f]);
            m_files.append(files);
        }
    }

    void sumsInFilesEqualTheRows_data()
    {
        QTest::addColumn<record::RecordFilter>("filter");
        const QList<record::RecordFilter> all = filters();
        QTest::newRow("every answer") << all[0];
        QTest::newRow("one class") << all[1];
        QTest::newRow("some days") << all[2];
        QTest::newRow("one assignment") << all[3];
    }

    void sumsInFilesEqualTheRows()
    {
        QFETCH(record::RecordFilter, filter);
        int shared = 0;
        for (qsizetype r = 0; r < m_records.size(); ++r) {
            const record::RecordReader reader(filter);
            const record::RecordContents rows = reader.read(m_files[r]);
            const record::ReportFigures sums = reader.readFigures(m_files[r]);
            QCOMPARE(linesOf(sums), linesOfRows(rows, filter));
            QVERIFY(streamsAsRead(reader, m_files[r], rows));
            shared += int(!rows.clashes.isEmpty());
        }
        // The records hold what the sums must get right.
        if (filter.className.isEmpty())
            QVERIFY(shared > 3);
    }

    // A pupil with a million answers: the report sums them in the file.
    void aFloodedPupilLeavesTheMemoryBounded()
    {
#ifdef SOLVETRA_SANITIZED_BUILD
        QSKIP("the sanitizers' own memory and speed make the peak meaningless");
#endif
        const QString path = m_dir.filePath(QStringLiteral("flood.sqlite"));
        QVERIFY(QFile::copy(m_template, path));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), u"f"_s);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY2(QSqlQuery(db).exec(QStringLiteral(
                         "WITH RECURSIVE k(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM k WHERE i "
                         "< 999999) INSERT INTO answer (at, pupil, class, level, kind, m, n, "
                         "given1, given2, asked, expected, typed, \"right\", seconds, "
                         "solution_opened, uuid, assignment) SELECT strftime('%Y-%m-%dT%H:%M:%f', "
                         "'2026-11-01', '+' || (i / 10) || ' seconds'), 'Ada', '3B', 1 + i % 3, "
                         "'AH:BH,HC', 3, 1 + i % 15, 1.8, 3.2, 'AH', 2.4, 'risposta numero ' || "
                         "i, i % 7 <> 0, 1.5, 0, 'u' || i, '' FROM k")),
                     "insert");
            db.close();
        }
        QSqlDatabase::removeDatabase(u"f"_s);
        // The PDF from sums, and every row as CSV, streamed.
        for (const QString &output : {u"flood.pdf"_s, u"flood.csv"_s}) {
            QProcess report;
            report.start(QStringLiteral(SOLVETRA_BINARY),
                         {QStringLiteral("--report"), m_dir.filePath(output),
                          QStringLiteral("--records"), path});
            QVERIFY(report.waitForFinished(90000));
            QVERIFY2(report.exitCode() == 0, report.readAllStandardError().constData());
        }
        QCOMPARE(QFileInfo(m_dir.filePath(u"flood.csv"_s)).size() > 50'000'000, true);
        // The largest child this test waited for: the report, sqlite3 being in-process.
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
        const long peakMb = usage.ru_maxrss / 1024;
        qInfo("peak memory of the reports of a million answers: %ld MB", peakMb);
        QVERIFY2(peakMb < 150, qPrintable(QString::number(peakMb)));
    }

    void sumsOnTheServerEqualTheRows()
    {
        if (!PgServer::installed())
            QSKIP("PostgreSQL 15 is not installed");
        PgServer server;
        if (const QString why = server.start(); !why.isEmpty())
            QSKIP(qPrintable(u"PostgreSQL did not start: "_s + why));
        const QString url = server.url(QStringLiteral("solvetra_teacher"),
                                       QString::fromLatin1(PgServer::teacherPassword));
        int checked = 0;
        int copies = 0;
        for (qsizetype r = 0; r < m_records.size(); r += 2) {
            server.psql(QStringLiteral("TRUNCATE answer CASCADE; TRUNCATE answers_per_day"));
            const QString insert = serverInsert(m_records[r].files.first());
            if (!insert.isEmpty()) {
                server.psql(insert);
                QVERIFY2(server.error().isEmpty(), qPrintable(server.error()));
            }
            // The server alone, and beside the files, its pupils in both.
            for (const QStringList &sources : {QStringList{url}, QStringList{url} + m_files[r]}) {
                for (const record::RecordFilter &filter : filters()) {
                    const record::RecordReader reader(filter);
                    const record::RecordContents rows = reader.read(sources);
                    QVERIFY2(rows.skipped.isEmpty(), qPrintable(rows.skipped.value(0).reason));
                    QCOMPARE(linesOf(reader.readFigures(sources)), linesOfRows(rows, filter));
                    QVERIFY(streamsAsRead(reader, sources, rows));
                    ++checked;
                    if (sources.size() == 1)
                        continue;
                    // An answer on both counts once: the sources read apart,
                    // less the answers both hold.
                    const QList<record::AnswerRow> onServer = reader.read({url}).answers;
                    const QList<record::AnswerRow> inFiles = reader.read(m_files[r]).answers;
                    QSet<QString> serverIds;
                    for (const record::AnswerRow &row : onServer)
                        serverIds.insert(row.uuid);
                    const auto both = std::ranges::count_if(
                        inFiles, [&](const auto &row) { return serverIds.contains(row.uuid); });
                    QCOMPARE(rows.answers.size(), onServer.size() + inFiles.size() - both);
                    copies += int(both);
                }
            }
        }
        QCOMPARE(checked, 8 * 60);
        QVERIFY(copies > 100);
    }
};

QTEST_GUILESS_MAIN(TestReportFigures)
#include "tst_reportfigures.moc"
