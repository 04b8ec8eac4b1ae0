// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answercolumns.h"
#include "record/recordwriter.h"
#include "record/schema.h"
#include "recordrows.h"
#include "support/fakes.h"
#include "support/sqlitecli.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeAnswers(const QString &path, int from, int count)
{
    FakeClock clock;
    record::RecordWriter writer(path, clock);
    for (int i = from; i < from + count; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i)));
}

} // namespace

// A record of the previous release, brought up to the current layout: the
// answers read back with the sqlite3 tool.
class TestRecordMigration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!sqliteCliFound())
            QSKIP("sqlite3 is not installed");
    }

    void version2FileKeepsEveryRowAndGetsIds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        writeAnswers(path, 0, 30);
        // Back to the layout of version 2, as the previous release left it.
        sqliteCli(path, QStringLiteral("DROP INDEX answer_uuid; DROP INDEX answer_unsent;"
                                       " ALTER TABLE answer DROP COLUMN uuid;"
                                       " ALTER TABLE answer DROP COLUMN sent;"
                                       " ALTER TABLE answer DROP COLUMN assignment;"
                                       " PRAGMA user_version = 2;"));
        const QString before = sqliteCli(path, QStringLiteral("SELECT * FROM answer ORDER BY id"));
        QCOMPARE(before.count(u'\n') + 1, 30);

        writeAnswers(path, 30, 1);
        QCOMPARE(sqliteCli(path, QStringLiteral("PRAGMA user_version")).toInt(),
                 record::schemaVersion);
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT count(DISTINCT uuid), count(*) FROM answer"
                                                " WHERE uuid IS NOT NULL AND sent = 0")),
                 QStringLiteral("31|31"));
        // No old answer belongs to an assignment.
        QCOMPARE(
            sqliteCli(path, QStringLiteral("SELECT count(*) FROM answer WHERE assignment = ''")),
            QStringLiteral("31"));
        // The old columns of the old rows are as they were.
        const QString columns = sqliteCli(path, QStringLiteral("SELECT group_concat(name, ', ')"
                                                               " FROM pragma_table_info('answer')"
                                                               " WHERE name NOT IN ('uuid', 'sent',"
                                                               " 'assignment')"));
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT %1 FROM answer WHERE id <= 30 ORDER BY id")
                                     .arg(columns)),
                 before);
    }

    // The answer's columns are one table in the program; the school's
    // server, set up by hand from its SQL file, and a new record file
    // must both have exactly those, besides their own bookkeeping.
    void everyPlaceHasTheAnswerColumns()
    {
        QFile sql(QStringLiteral(SOLVETRA_SOURCE_DIR "/sql/school-server.sql"));
        QVERIFY(sql.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(sql.readAll());
        const QRegularExpression table(QStringLiteral("CREATE TABLE answer \\((.*?)\\n\\);"),
                                       QRegularExpression::DotMatchesEverythingOption);
        const QString body = table.match(text).captured(1);
        QVERIFY(!body.isEmpty());
        QStringList onServer;
        for (QString line : body.split(u'\n')) {
            line = line.section(QStringLiteral("--"), 0, 0).trimmed();
            const QRegularExpression column(
                QStringLiteral("^\"?(\\w+)\"?\\s+([a-z ]+(\\(\\d\\))?)"));
            const auto match = column.match(line);
            if (match.hasMatch())
                onServer << match.captured(1) + u' ' +
                                match.captured(2)
                                    .remove(QStringLiteral(" NOT NULL"))
                                    .remove(QStringLiteral(" PRIMARY KEY"))
                                    .trimmed();
        }
        QStringList expected;
        for (const record::AnswerColumn &column : record::answerColumns()) {
            if (column.onServerAnswer)
                expected << QString::fromLatin1(column.name) + u' ' +
                                record::serverType(column.type);
        }
        expected << QStringLiteral("seq bigint") << QStringLiteral("sender name")
                 << QStringLiteral("received timestamptz");
        onServer.sort();
        expected.sort();
        QCOMPARE(onServer, expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        writeAnswers(path, 0, 1);
        QStringList inFile =
            sqliteCli(path, QStringLiteral("SELECT name FROM pragma_table_info('answer')"))
                .split(u'\n');
        QStringList wanted{QStringLiteral("id"), QStringLiteral("session"), QStringLiteral("sent")};
        for (const record::AnswerColumn &column : record::answerColumns())
            wanted << QString::fromLatin1(column.name);
        inFile.sort();
        wanted.sort();
        QCOMPARE(inFile, wanted);
    }
};

QTEST_GUILESS_MAIN(TestRecordMigration)
#include "tst_recordmigration.moc"
