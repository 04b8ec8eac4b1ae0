// SPDX-License-Identifier: GPL-3.0-or-later
// The consistent copy a pupil exports or the class folder receives.
#include "record/recordcopy.h"
#include "record/recordfile.h"
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

#include <sys/stat.h>
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
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Answers a pupil gives into the record at path, each numbered apart.
void answer(const QString &path, int first, int count)
{
    FakeClock clock;
    record::RecordWriter writer(path, clock);
    writer.startSession(1);
    for (int i = first; i < first + count; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i)));
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void plantedLinksAreNeverFollowed_data();
    void plantedLinksAreNeverFollowed();
    void aCopyNeverDropsAnswersTheFolderHas_data();
    void aCopyNeverDropsAnswersTheFolderHas();
    void theTeachersGroupReadsTheCopy();
};

void TestRecordCopy::copyHoldsWhatWasCommitted_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("writerMidTransaction");
    QTest::newRow("fresh target") << 12 << false << false;
    // Its answer is in no other file: it stays, under a name of its own.
    QTest::newRow("older copy of another record kept beside") << 12 << true << false;
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

    QCOMPARE(record::copyRecord(from, to, record::CopyReaders::FolderGroup), QString());

    if (writerMidTransaction) {
        open.rollback();
        open.close();
        open = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("mid"));
    }
    QCOMPARE(typedTexts(to), committed);
    QCOMPARE(sqliteCli(to, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    // The teacher's group reads it; nobody else.
    QCOMPARE(QFileInfo(to).permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther),
             QFileDevice::ReadGroup);
    // Only the copy itself, and the older one kept: no temporary name left behind.
    const QStringList files = filesIn(out);
    QCOMPARE(files.size(), targetExists ? 2 : 1);
    QVERIFY(files.contains(QStringLiteral("copy.sqlite")));
    if (targetExists)
        QCOMPARE(typedTexts(out + u'/' + files.filter(QStringLiteral("copy.kept-")).value(0)),
                 QStringList{numberedAnswer(99).typed});
}

void TestRecordCopy::refusedCopyLeavesTargetAsItWas_data()
{
    QTest::addColumn<QByteArray>("source"); // bytes of the source, or empty for none
    QTest::addColumn<bool>("targetFolderWritable");
    QTest::addColumn<bool>("says"); // a reason, for the window to show
    // Before the first answer: nothing to copy, and no false alarm.
    QTest::newRow("no record yet") << QByteArray() << true << false;
    QTest::newRow("a text file, not a record") << QByteArray("nome,classe\n") << true << true;
    QTest::newRow("folder not writable") << QByteArray("record") << false << true;
    QTest::newRow("damaged record") << QByteArray("SQLite format 3\0garbage") << true << true;
}

void TestRecordCopy::refusedCopyLeavesTargetAsItWas()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, targetFolderWritable);
    QFETCH(bool, says);
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

    QFile::setPermissions(out,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(!reason.isEmpty(), says);
    QCOMPARE(typedTexts(to), before);
    QCOMPARE(filesIn(out).filter(QStringLiteral(".part")), QStringList());
}

void TestRecordCopy::plantedLinksAreNeverFollowed_data()
{
    QTest::addColumn<QString>("planted"); // the name a classmate's link takes
    QTest::addColumn<bool>("copied");
    QTest::newRow("at the temporary name the copy once took")
        << QStringLiteral("copy.sqlite.part-%1").arg(::getpid()) << true;
    QTest::newRow("at the copy's own name") << QStringLiteral("copy.sqlite") << false;
}

void TestRecordCopy::plantedLinksAreNeverFollowed()
{
    QFETCH(QString, planted);
    QFETCH(bool, copied);
    QTemporaryDir home;
    QTemporaryDir share;
    const QString from = home.filePath(QStringLiteral("record.sqlite"));
    answer(from, 0, 5);
    const QString bashrc = home.filePath(QStringLiteral(".bashrc"));
    QFile victim(bashrc);
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write("alias ls='ls --color'\n");
    victim.close();
    QVERIFY(QFile::link(bashrc, share.filePath(planted)));
    const QString to = share.filePath(QStringLiteral("copy.sqlite"));

    const QString reason = record::copyRecord(from, to);

    QCOMPARE(contentsOf(bashrc), QByteArray("alias ls='ls --color'\n"));
    QVERIFY(QFileInfo(share.filePath(planted)).isSymLink() ||
            planted == QLatin1String("copy.sqlite"));
    QCOMPARE(reason.isEmpty(), copied);
    if (copied)
        QCOMPARE(typedTexts(to).size(), 5);
    else
        QVERIFY(QFileInfo(to).isSymLink());
}

void TestRecordCopy::aCopyNeverDropsAnswersTheFolderHas_data()
{
    QTest::addColumn<QString>("between"); // what happened to the record between two copies
    QTest::addColumn<int>("files");       // in the class folder after the second copy
    QTest::newRow("more answers") << "answers" << 1;
    QTest::newRow("deleted with Cancella") << "deleted" << 2;
    QTest::newRow("set aside as damaged") << "set aside" << 2;
}

void TestRecordCopy::aCopyNeverDropsAnswersTheFolderHas()
{
    QFETCH(QString, between);
    QFETCH(int, files);
    QTemporaryDir home;
    QTemporaryDir share;
    const QString from = home.filePath(QStringLiteral("record.sqlite"));
    const QString to = share.filePath(QStringLiteral("pupil@lab.sqlite"));
    answer(from, 0, 5);
    QCOMPARE(record::copyRecord(from, to), QString());
    if (between == QLatin1String("deleted"))
        QVERIFY(record::removeRecord(from));
    else if (between == QLatin1String("set aside"))
        QVERIFY(!record::setAside(from, QDateTime::currentDateTime()).isEmpty());
    answer(from, 5, 1);
    QCOMPARE(record::copyRecord(from, to), QString());
    // Each answer once, over whatever the folder holds.
    const auto contents = record::RecordReader().read({share.path()});
    QCOMPARE(filesIn(share.path()).size(), files);
    QCOMPARE(contents.answers.size(), 6);
    QCOMPARE(contents.clashes, QStringList());
    QCOMPARE(typedTexts(to).size(), between == QLatin1String("answers") ? 6 : 1);
}

// The teacher's account, in the folder's group, reads what a pupil's copied.
void TestRecordCopy::theTeachersGroupReadsTheCopy()
{
    if (::geteuid() != 0)
        QSKIP("needs root to act as a second account (nobody)");
    if (!sqliteCliFound() || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("sqlite3 or setpriv missing");
    QTemporaryDir home;
    QTemporaryDir share;
    const QString from = home.filePath(QStringLiteral("record.sqlite"));
    answer(from, 0, 4);
    // nobody's group owns the folder, as a teachers' group owns a drop box.
    constexpr gid_t teachers = 65534;
    QCOMPARE(::chown(QFile::encodeName(share.path()).constData(), 0, teachers), 0);
    QCOMPARE(::chmod(QFile::encodeName(share.path()).constData(), 02771), 0);
    const QString to = share.filePath(QStringLiteral("pupil@lab.sqlite"));
    QCOMPARE(record::copyRecord(from, to, record::CopyReaders::FolderGroup), QString());
    struct stat status
    {
    };
    QCOMPARE(::stat(QFile::encodeName(to).constData(), &status), 0);
    QCOMPARE(status.st_gid, teachers);
    QCOMPARE(status.st_mode & 07777, mode_t(0640));
    QProcess teacher;
    teacher.start(QStringLiteral("setpriv"),
                  {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                   QStringLiteral("--clear-groups"), QStringLiteral("sqlite3"),
                   QStringLiteral("-readonly"), QStringLiteral("file:%1?immutable=1").arg(to),
                   QStringLiteral("SELECT count(*) FROM answer")});
    QVERIFY(teacher.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(teacher.readAllStandardOutput()).trimmed(), QStringLiteral("4"));
}

QTEST_GUILESS_MAIN(TestRecordCopy)
#include "tst_recordcopy.moc"
