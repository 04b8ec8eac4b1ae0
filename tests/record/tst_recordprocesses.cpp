// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/childprocess.h"
#include "support/sqlitecli.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <signal.h>

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
        auto child = startChild(QStringLiteral(RECORDWRITER_CHILD),
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

    void twoCopiesWritingAtOnceLoseNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        constexpr int each = 150;
        auto first = startChild(QStringLiteral(RECORDWRITER_CHILD), {path, QString::number(each), QStringLiteral("Ada")});
        auto second = startChild(QStringLiteral(RECORDWRITER_CHILD), {path, QString::number(each), QStringLiteral("Bruno")});
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
