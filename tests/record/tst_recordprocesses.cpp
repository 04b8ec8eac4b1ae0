// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/childprocess.h"
#include "support/sqlitecli.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <signal.h>

namespace {

// Reads the child's lines until one is until (or it ends, or a minute
// passes); returns all it said.
QStringList linesUntil(QProcess &child, const QString &until)
{
    QStringList said;
    const QDeadlineTimer deadline(60000);
    while (!said.contains(until) && !deadline.hasExpired()) {
        if (!child.canReadLine() && !child.waitForReadyRead(1000) &&
            child.state() == QProcess::NotRunning)
            break;
        while (child.canReadLine())
            said << QString::fromUtf8(child.readLine().trimmed());
    }
    return said;
}

// The record file alone, as a teacher copies it: no journal beside it.
QString copiedAlone(const QString &path, const QTemporaryDir &dir)
{
    const QString copy = dir.filePath(QStringLiteral("teacher/record.sqlite"));
    QDir().mkpath(QFileInfo(copy).absolutePath());
    QFile::remove(copy);
    return QFile::copy(path, copy) ? copy : QString();
}

} // namespace

class TestRecordProcesses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!sqliteCliFound())
            QSKIP("sqlite3 is not installed");
    }

    void killedRightAfterAnAnswerLosesNothing_data()
    {
        QTest::addColumn<int>("killAfter");
        QTest::newRow("after the first answer") << 0;
        QTest::newRow("after 30 answers") << 29;
    }
    void killedRightAfterAnAnswerLosesNothing()
    {
        QFETCH(int, killAfter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        auto child = startChild(
            QStringLiteral(RECORDWRITER_CHILD),
            {path, QStringLiteral("100000"), QStringLiteral("Ada"), QStringLiteral("--hang")});
        const int acknowledged = acknowledgedUpTo(*child, killAfter);
        ::kill(pid_t(child->processId()), SIGKILL);
        child->waitForFinished();
        QVERIFY(acknowledged >= killAfter);

        // Every answer up to the last acknowledged one is there, each once.
        const QString sql = QStringLiteral("SELECT count(DISTINCT typed), count(*) FROM answer "
                                           "WHERE CAST(typed AS INTEGER) <= %1")
                                .arg(acknowledged);
        QCOMPARE(sqliteCli(path, sql), QStringLiteral("%1|%1").arg(acknowledged + 1));
    }

    void everyWayOutKeepsTheAnswers_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("exit button answered Yes") << "exit";
        QTest::newRow("SIGTERM") << "TERM";
        QTest::newRow("SIGHUP at logout") << "HUP";
        QTest::newRow("kill -9 once the file said it holds them") << "KILL";
    }
    // The window itself, ended each way a session ends: the file alone holds
    // every answer the pupil saw judged, and the session's end but after a
    // kill -9, which nothing can catch.
    void everyWayOutKeepsTheAnswers()
    {
        QFETCH(QString, ending);
        constexpr int count = 10;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char *folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            environment.insert(QString::fromLatin1(folder),
                               dir.filePath(QString::fromLatin1(folder)));
        child.setProcessEnvironment(environment);
        QStringList arguments{path, QString::number(count)};
        if (ending == QLatin1String("exit"))
            arguments << QStringLiteral("--exit");
        child.start(QStringLiteral(PLAYING_CHILD), arguments);
        QVERIFY(child.waitForStarted());
        QStringList said = linesUntil(child, ending == QLatin1String("KILL")
                                                 ? QStringLiteral("stored %1").arg(count)
                                                 : QStringLiteral("played"));
        QCOMPARE(said.filter(QStringLiteral("verdict")).size(), count);

        const int signal = ending == QLatin1String("TERM")   ? SIGTERM
                           : ending == QLatin1String("HUP")  ? SIGHUP
                           : ending == QLatin1String("KILL") ? SIGKILL
                                                             : 0;
        if (signal != 0)
            ::kill(pid_t(child.processId()), signal);
        QVERIFY(child.waitForFinished(30000));
        said << QString::fromUtf8(child.readAllStandardOutput()).split(u'\n');
        if (signal == 0) {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 0);
            QVERIFY(!said.contains(QStringLiteral("still running after the exit")));
        } else {
            QCOMPARE(child.exitStatus(), QProcess::CrashExit); // ended by the signal, as asked
        }

        const QString copy = copiedAlone(path, dir);
        QVERIFY(!copy.isEmpty());
        QCOMPARE(sqliteCli(copy, QStringLiteral("SELECT count(*), sum(right) FROM answer")),
                 QStringLiteral("%1|%1").arg(count));
        if (signal != SIGKILL)
            QCOMPARE(
                sqliteCli(copy, QStringLiteral("SELECT count(*) FROM session WHERE ended IS NULL")),
                QStringLiteral("0"));
    }

    // A small disk: the answers that do not fit wait, the file does not grow
    // beyond what the disk allows, and with room again every answer goes in.
    void fullDiskWaitsForRoom()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        auto before = startChild(QStringLiteral(RECORDWRITER_CHILD),
                                 {path, QStringLiteral("300"), QStringLiteral("Ada")});
        QVERIFY(before->waitForFinished(60000));
        const qint64 full = QFileInfo(path).size() + 2048;
        constexpr int count = 40;
        QProcess child;
        child.start(QStringLiteral(RECORDWRITER_CHILD),
                    {path, QString::number(count), QStringLiteral("Bruno"),
                     QStringLiteral("--limit"), QString::number(full)});
        QVERIFY(child.waitForStarted());
        // Some of them may go in, not all: the disk is full, and the child says so.
        QVERIFY(linesUntil(child, QStringLiteral("trouble")).contains(QStringLiteral("trouble")));
        const auto bruno = [&] {
            return sqliteCli(path,
                             QStringLiteral("SELECT count(*) FROM answer WHERE pupil = 'Bruno'"))
                .toInt();
        };
        QVERIFY2(bruno() < count, qPrintable(QString::number(bruno())));
        QVERIFY(QFileInfo(path).size() <= full);
        QVERIFY(QFileInfo(path + QStringLiteral("-journal")).size() <= full);

        child.write("room\n");
        QVERIFY(child.waitForFinished(60000));
        QVERIFY(
            QString::fromUtf8(child.readAllStandardOutput()).contains(QStringLiteral("waiting 0")));
        QCOMPARE(bruno(), count);
        QCOMPARE(
            sqliteCli(path, QStringLiteral(
                                "SELECT count(DISTINCT typed) FROM answer WHERE pupil = 'Bruno'")),
            QString::number(count));
    }

    void twoCopiesWritingAtOnceLoseNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        constexpr int each = 150;
        auto first = startChild(QStringLiteral(RECORDWRITER_CHILD),
                                {path, QString::number(each), QStringLiteral("Ada")});
        auto second = startChild(QStringLiteral(RECORDWRITER_CHILD),
                                 {path, QString::number(each), QStringLiteral("Bruno")});
        QVERIFY(first->waitForFinished(100000));
        QVERIFY(second->waitForFinished(100000));
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT pupil, count(DISTINCT typed) FROM answer"
                                                " GROUP BY pupil ORDER BY pupil")),
                 QStringLiteral("Ada|%1\nBruno|%1").arg(each));
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT count(*) FROM session")),
                 QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestRecordProcesses)
#include "tst_recordprocesses.moc"
