// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordwriter.h"
#include "record/schema.h"
#include "recordrows.h"
#include "support/fakes.h"
#include "support/sqlitecli.h"

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
};

QTEST_GUILESS_MAIN(TestRecordMigration)
#include "tst_recordmigration.moc"
