// SPDX-License-Identifier: GPL-3.0-or-later
// The consistent copy a pupil exports or the class folder receives.
#include "record/recordcopy.h"
#include "record/recordreader.h"
#include "record/recordwriter.h"
#include "recordrows.h"
#include "support/fakes.h"
#include "support/sqlitecli.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QStringList typedTexts(const QString &path)
{
    QStringList typed;
    const record::RecordContents contents = record::RecordReader().read({path});
    for (const record::AnswerRow &row : contents.answers)
        typed << row.typed;
    return typed;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestRecordCopy : public QObject
{
    Q_OBJECT

private slots:
    void copyHoldsWhatWasCommitted_data();
    void copyHoldsWhatWasCommitted();
    void refusedCopyLeavesTargetAsItWas_data();
    void refusedCopyLeavesTargetAsItWas();
};

void TestRecordCopy::copyHoldsWhatWasCommitted_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("writerMidTransaction");
    QTest::newRow("fresh target") << 12 << false << false;
    QTest::newRow("older copy replaced") << 12 << true << false;
    // WAL: a copy made while another copy of the program writes takes the
    // committed answers only, and is a whole database.
    QTest::newRow("while another copy writes") << 12 << false << true;
    QTest::newRow("empty record") << 0 << false << false;
}

void TestRecordCopy::copyHoldsWhatWasCommitted()
{
    QFETCH(int, answers);
    QFETCH(bool, targetExists);
    QFETCH(bool, writerMidTransaction);
    if (!sqliteCliFound())
        QSKIP("the sqlite3 tool is missing (Debian's sqlite3)");
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("record.sqlite"));
    const QString out = dir.filePath(QStringLiteral("usb"));
    QVERIFY(QDir().mkpath(out));
    const QString to = out + QStringLiteral("/copy.sqlite");
    FakeClock clock;
    QStringList committed;
    {
        record::RecordWriter writer(from, clock);
        writer.startSession(1);
        for (int i = 0; i < answers; ++i) {
            QVERIFY(writer.addAnswer(numberedAnswer(i)));
            committed << numberedAnswer(i).typed;
        }
    }
    if (targetExists) {
        record::RecordWriter older(to, clock);
        QVERIFY(older.addAnswer(numberedAnswer(99)));
    }
    QSqlDatabase open;
    if (writerMidTransaction) {
        open = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mid"));
        open.setDatabaseName(from);
        QVERIFY(open.open());
        QVERIFY(open.transaction());
        QSqlQuery(open).exec(QStringLiteral("UPDATE answer SET typed = 'uncommitted'"));
    }

    QCOMPARE(record::copyRecord(from, to), QString());

    if (writerMidTransaction) {
        open.rollback();
        open.close();
        open = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("mid"));
    }
    QCOMPARE(typedTexts(to), committed);
    QCOMPARE(sqliteCli(to, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    QCOMPARE(QFileInfo(to).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());
    // Only the copy itself: no temporary name left behind.
    QCOMPARE(filesIn(out), QStringList{QStringLiteral("copy.sqlite")});
}

void TestRecordCopy::refusedCopyLeavesTargetAsItWas_data()
{
    QTest::addColumn<QByteArray>("source"); // bytes of the source, or empty for none
    QTest::addColumn<bool>("targetFolderWritable");
    QTest::newRow("no such record") << QByteArray() << true;
    QTest::newRow("a text file, not a record") << QByteArray("nome,classe\n") << true;
    QTest::newRow("folder not writable") << QByteArray("record") << false;
    QTest::newRow("damaged record") << QByteArray("SQLite format 3\0garbage") << true;
}

void TestRecordCopy::refusedCopyLeavesTargetAsItWas()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, targetFolderWritable);
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("record.sqlite"));
    const QString out = dir.filePath(QStringLiteral("share"));
    QVERIFY(QDir().mkpath(out));
    const QString to = out + QStringLiteral("/copy.sqlite");
    FakeClock clock;
    if (source == "record") {
        record::RecordWriter writer(from, clock);
        QVERIFY(writer.addAnswer(numberedAnswer(1)));
    } else if (!source.isEmpty()) {
        QFile file(from);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source);
    }
    {
        record::RecordWriter older(to, clock);
        QVERIFY(older.addAnswer(numberedAnswer(7)));
    }
    const QStringList before = typedTexts(to);
    if (!targetFolderWritable) {
        if (::geteuid() == 0)
            QSKIP("root writes into any folder");
        QVERIFY(QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    const QString reason = record::copyRecord(from, to);

    QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ExeOwner);
    QVERIFY2(!reason.isEmpty(), "a refused copy says why");
    QCOMPARE(typedTexts(to), before);
    QCOMPARE(filesIn(out).filter(QStringLiteral(".part")), QStringList());
}

QTEST_GUILESS_MAIN(TestRecordCopy)
#include "tst_recordcopy.moc"
