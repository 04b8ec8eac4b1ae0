// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfile.h"
#include "record/recordwriter.h"
#include "record/schema.h"
#include "recordrows.h"
#include "support/fakes.h"
#include "support/sqlitecli.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <csignal>
#include <sys/resource.h>
#include <utility>

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int answerCount(const QString &path)
{
    return sqliteCli(path, QStringLiteral("SELECT count(*) FROM answer")).toInt();
}

void writeAnswers(const QString &path, int from, int count)
{
    FakeClock clock;
    record::RecordWriter writer(path, clock);
    for (int i = from; i < from + count; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i)));
}

enum class Obstacle { LockedByAnotherCopy, FolderIsAFile, DiskFull, ReadOnlyFile };

// Holds the file back from the writer until release() is called.
class Blocker
{
public:
    Blocker(Obstacle obstacle, const QString &path) : m_obstacle(obstacle), m_path(path)
    {
        switch (obstacle) {
        case Obstacle::LockedByAnotherCopy: {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            db.setDatabaseName(path);
            db.open();
            QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
            break;
        }
        case Obstacle::FolderIsAFile:
            QFile::remove(path);
            QDir().mkpath(path);
            break;
        case Obstacle::DiskFull: {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_limit);
            const rlimit small{4096, m_limit.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
            break;
        }
        case Obstacle::ReadOnlyFile:
            QFile::setPermissions(path, QFileDevice::ReadOwner);
            break;
        }
    }

    ~Blocker() { release(); }
    Blocker(const Blocker &) = delete;
    Blocker &operator=(const Blocker &) = delete;

    // A failed check must not leave the limit or the lock on for the next test.
    void release()
    {
        if (std::exchange(m_released, true))
            return;
        switch (m_obstacle) {
        case Obstacle::LockedByAnotherCopy:
            QSqlDatabase::removeDatabase(m_connection);
            break;
        case Obstacle::FolderIsAFile:
            QDir(m_path).removeRecursively();
            break;
        case Obstacle::DiskFull:
            setrlimit(RLIMIT_FSIZE, &m_limit);
            break;
        case Obstacle::ReadOnlyFile:
            QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            break;
        }
    }

private:
    Obstacle m_obstacle;
    QString m_path;
    QString m_connection = QStringLiteral("blocker");
    rlimit m_limit{};
    bool m_released = false;
};

} // namespace

class TestRecordWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!sqliteCliFound())
            QSKIP("sqlite3 is not installed");
    }

    void answersSurviveReopen_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("one, then one") << 1 << 1;
        QTest::newRow("twelve, then five") << 12 << 5;
    }
    void answersSurviveReopen()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/record.sqlite"));
        writeAnswers(path, 0, first);
        // As an older version left it: in write-ahead-log mode.
        QCOMPARE(sqliteCli(path, QStringLiteral("PRAGMA journal_mode = WAL")),
                 QStringLiteral("wal"));
        writeAnswers(path, first, second);
        QCOMPARE(answerCount(path), first + second);
        const QString typed =
            sqliteCli(path, QStringLiteral("SELECT group_concat(typed, ' ') "
                                           "FROM (SELECT typed FROM answer ORDER BY id)"));
        QStringList expected;
        for (int i = 0; i < first + second; ++i)
            expected << QString::number(i);
        QCOMPARE(typed, expected.join(u' '));
        // Every answer is in the file itself: a copy of it alone has them all.
        QCOMPARE(sqliteCli(path, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"));
        for (const char *side : {"-wal", "-shm", "-journal"})
            QVERIFY2(!QFileInfo::exists(path + QLatin1String(side)), side);
        QCOMPARE(sqliteCli(path, QStringLiteral("PRAGMA user_version")).toInt(),
                 record::schemaVersion);
        QCOMPARE(QFile::permissions(path) & 0x7777,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser);
    }

    void defaultPathIsInTheDataFolder()
    {
        QVERIFY(record::defaultRecordPath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/'));
        QVERIFY(record::defaultRecordPath().endsWith(QLatin1String("/record.sqlite")));
    }

    void damagedFileIsSetAside_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("truncated record") << "truncated";
        QTest::newRow("a page overwritten") << "overwritten";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("text file") << "text";
        QTest::newRow("another program's database") << "foreign";
    }
    void damagedFileIsSetAside()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        if (damage == QLatin1String("truncated")) {
            writeAnswers(path, 0, 400);
            const QByteArray whole = contentsOf(path);
            writeBytes(path, whole.left(whole.size() / 2));
        } else if (damage == QLatin1String("overwritten")) {
            writeAnswers(path, 0, 400);
            QByteArray whole = contentsOf(path);
            whole.replace(3 * 4096 + 8, 64, QByteArray(64, '\x7f'));
            writeBytes(path, whole);
        } else if (damage == QLatin1String("random")) {
            QByteArray bytes;
            for (int i = 0; i < 8192; ++i)
                bytes.append(char((i * 7919 + 13) % 251));
            writeBytes(path, bytes);
        } else if (damage == QLatin1String("text")) {
            writeBytes(path, "Appunti di geometria: il cateto al quadrato...\n");
        } else {
            sqliteCli(path, QStringLiteral(
                                "CREATE TABLE voti (nome TEXT); INSERT INTO voti VALUES ('x')"));
        }
        const QByteArray before = contentsOf(path);

        FakeClock clock;
        record::RecordWriter writer(path, clock);
        QSignalSpy trouble(&writer, &record::RecordWriter::trouble);
        QVERIFY(writer.addAnswer(numberedAnswer(0)));
        QVERIFY(writer.addAnswer(numberedAnswer(1)));

        QCOMPARE(trouble.size(), 1);
        const QStringList aside =
            QDir(dir.path()).entryList({QStringLiteral("record.sqlite.damaged-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY2(trouble.at(0).at(0).toString().contains(aside.at(0)),
                 qPrintable(trouble.at(0).at(0).toString()));
        QCOMPARE(contentsOf(dir.filePath(aside.at(0))), before);
        QCOMPARE(answerCount(path), 2);
    }

    void unwritableFileKeepsAnswersWaiting_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<bool>("whileOpen"); // the writer has the file open already
        QTest::newRow("locked by another copy") << Obstacle::LockedByAnotherCopy << false;
        QTest::newRow("locked while open") << Obstacle::LockedByAnotherCopy << true;
        QTest::newRow("a folder where the file goes") << Obstacle::FolderIsAFile << false;
        QTest::newRow("disk full") << Obstacle::DiskFull << false;
        QTest::newRow("disk full while open") << Obstacle::DiskFull << true;
        QTest::newRow("read-only file") << Obstacle::ReadOnlyFile << false;
    }
    void unwritableFileKeepsAnswersWaiting()
    {
        QFETCH(Obstacle, obstacle);
        QFETCH(bool, whileOpen);
        if (obstacle == Obstacle::ReadOnlyFile && geteuid() == 0)
            QSKIP("root writes to read-only files");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        writeAnswers(path, 0, 1);

        FakeClock clock;
        record::RecordWriter writer(path, clock);
        QSignalSpy trouble(&writer, &record::RecordWriter::trouble);
        if (whileOpen)
            QVERIFY(writer.addAnswer(numberedAnswer(10)));
        Blocker blocker(obstacle, path);
        QVERIFY(!writer.addAnswer(numberedAnswer(1)));
        QVERIFY(!writer.addAnswer(numberedAnswer(2)));
        QCOMPARE(writer.waiting(), 2);
        QCOMPARE(trouble.size(), 1);
        QVERIFY(trouble.at(0).at(0).toString().contains(QLatin1String("in memoria")));

        blocker.release();
        QVERIFY(writer.addAnswer(numberedAnswer(3)));
        QCOMPARE(writer.waiting(), 0);
        QCOMPARE(trouble.size(), 1);
        // The folder took the place of the old file.
        const int kept = (obstacle == Obstacle::FolderIsAFile ? 0 : 1) + (whileOpen ? 1 : 0) + 3;
        QCOMPARE(answerCount(path), kept);
    }

    void newerFileIsNeverRewritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        sqliteCli(path, QStringLiteral("CREATE TABLE answer (x); PRAGMA user_version = %1")
                            .arg(record::schemaVersion + 3));
        const QByteArray before = contentsOf(path);
        FakeClock clock;
        {
            record::RecordWriter writer(path, clock);
            QSignalSpy trouble(&writer, &record::RecordWriter::trouble);
            QVERIFY(!writer.addAnswer(numberedAnswer(0)));
            QVERIFY(!writer.addAnswer(numberedAnswer(1)));
            QCOMPARE(trouble.size(), 1);
            QVERIFY(trouble.at(0).at(0).toString().contains(QStringLiteral("più recente")));
            QCOMPARE(writer.waiting(), 2);
        }
        QCOMPARE(contentsOf(path), before);
    }

    void migrationKeepsEveryRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("empty version 1 file") << 0;
        QTest::newRow("version 1 file with 50 answers") << 50;
    }
    void migrationKeepsEveryRow()
    {
        QFETCH(int, rows);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        // A file as the first released version wrote it.
        QString sql = QStringLiteral(
            "CREATE TABLE session (id INTEGER PRIMARY KEY, started TEXT NOT NULL, ended TEXT,"
            " level INTEGER NOT NULL);"
            "CREATE TABLE answer (id INTEGER PRIMARY KEY, session INTEGER REFERENCES session(id),"
            " at TEXT NOT NULL, pupil TEXT NOT NULL, class TEXT NOT NULL, level INTEGER NOT NULL,"
            " kind TEXT NOT NULL, m INTEGER NOT NULL, n INTEGER NOT NULL, given1 REAL NOT NULL,"
            " given2 REAL NOT NULL, asked TEXT NOT NULL, expected REAL NOT NULL, typed TEXT NOT "
            "NULL,"
            " right INTEGER NOT NULL, seconds REAL NOT NULL, solution_opened INTEGER NOT NULL "
            "DEFAULT 0);"
            "PRAGMA user_version = 1;");
        for (int i = 0; i < rows; ++i)
            sql += QStringLiteral("INSERT INTO answer (at, pupil, class, level, kind, m, n, given1,"
                                  " given2, asked, expected, typed, right, seconds) VALUES"
                                  " ('2026-11-0%1T09:00:00.000', 'Ada', '3B', 1, 'AH:BH,HC', 3, 1,"
                                  " 1.8, 3.2, 'AH', 2.4, 'old%2', %3, 4.5);")
                       .arg(1 + i % 9)
                       .arg(i)
                       .arg(i % 2);
        sqliteCli(path, sql);
        const QString oldColumns = QStringLiteral(
            "id, session, at, pupil, class, level, kind, m, n, given1, given2, asked,"
            " expected, typed, right, seconds, solution_opened");
        const QString oldRows =
            sqliteCli(path, QStringLiteral("SELECT %1 FROM answer ORDER BY id").arg(oldColumns));

        writeAnswers(path, 0, 1);
        QCOMPARE(sqliteCli(path, QStringLiteral("PRAGMA user_version")).toInt(),
                 record::schemaVersion);
        QCOMPARE(answerCount(path), rows + 1);
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT %1 FROM answer WHERE id <= %2 ORDER BY id")
                                     .arg(oldColumns)
                                     .arg(rows)),
                 oldRows);
        QVERIFY(
            sqliteCli(path, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"))
                .split(u'\n')
                .contains(QStringLiteral("answer_at")));
        // Every row, old and new, has an id of its own that a UUID parser
        // reads, and waits to be sent.
        const QStringList ids =
            sqliteCli(path, QStringLiteral("SELECT uuid FROM answer WHERE sent = 0"))
                .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(ids.size(), rows + 1);
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), rows + 1);
        for (const QString &id : ids)
            QCOMPARE(QUuid::fromString(id).toString(QUuid::WithoutBraces), id);
    }

    void solutionOpenedMarksTheLastAnswer()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        record::RecordWriter writer(path, clock);
        for (int i = 0; i < 3; ++i)
            writer.addAnswer(numberedAnswer(i));
        QVERIFY(writer.markSolutionOpened());
        QCOMPARE(
            sqliteCli(path, QStringLiteral("SELECT typed FROM answer WHERE solution_opened = 1")),
            QStringLiteral("2"));
    }

    void sessionsAndWhoAreStamped()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        clock.later = {QDateTime(QDate(2026, 12, 8), QTime(10, 5)),
                       QDateTime(QDate(2026, 12, 8), QTime(10, 9))};
        {
            record::RecordWriter writer(path, clock);
            writer.setPupil(QStringLiteral("Zoë D'Amico"), QStringLiteral("3B"));
            writer.startSession(1);
            writer.addAnswer(numberedAnswer(0));
        }
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT started, ended, level FROM session")),
                 QStringLiteral("2026-12-08T10:00:00.000|2026-12-08T10:09:00.000|1"));
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT at, pupil, class, session FROM answer")),
                 QStringLiteral("2026-12-08T10:05:00.000|Zoë D'Amico|3B|1"));
    }

    void deleteRemovesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        record::RecordWriter writer(path, clock);
        writer.addAnswer(numberedAnswer(0));
        QVERIFY(writer.deleteRecord());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QVERIFY(writer.addAnswer(numberedAnswer(7)));
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT typed FROM answer")), QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(TestRecordWriter)
#include "tst_recordwriter.moc"
