// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordsharing.h"
#include "support/childprocess.h"
#include "support/sqlitecli.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QStringList sortedLines(const QByteArray &text)
{
    QStringList lines = QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

// The CSV report the real program makes over records, its rows sorted.
QStringList reportRows(const QString &csv, const QStringList &records)
{
    QStringList arguments{QStringLiteral("--report"), csv};
    for (const QString &record : records)
        arguments << QStringLiteral("--records") << record;
    QProcess teacher;
    teacher.start(QStringLiteral(SOLVETRA_BINARY), arguments);
    teacher.waitForFinished(60000);
    if (teacher.exitCode() != 0)
        return {QString::fromUtf8(teacher.readAllStandardError())};
    QFile file(csv);
    return file.open(QIODevice::ReadOnly) ? sortedLines(file.readAll()) : QStringList();
}

} // namespace

class TestClassFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!sqliteCliFound())
            QSKIP("sqlite3 is not installed");
    }

    void twoPupilsCopyIntoOneFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("classe")));
        const QString folder = dir.filePath(QStringLiteral("classe"));
        constexpr int each = 30;
        QStringList records;
        std::vector<std::unique_ptr<QProcess>> children;
        for (const QString &pupil : {QStringLiteral("Ada"), QStringLiteral("Bruno")}) {
            records << dir.filePath(pupil + QStringLiteral(".sqlite"));
            children.push_back(startChild(QStringLiteral(SHARING_CHILD),
                {records.last(), QString::number(each), pupil, QStringLiteral("10"),
                 QStringLiteral("--copy"),
                 QDir(folder).filePath(record::classCopyName(pupil.toLower(), QStringLiteral("pc")))}));
        }
        for (auto &child : children) {
            QVERIFY(child->waitForFinished(60000));
            QCOMPARE(child->exitCode(), 0);
            QVERIFY(child->readAllStandardError().isEmpty());
        }
        // Each copy is its pupil's whole record, read by a reader apart.
        const QStringList copies = QDir(folder).entryList(QDir::Files);
        QCOMPARE(copies.size(), 2);
        for (const QString &copy : copies) {
            QCOMPARE(sqliteCli(QDir(folder).filePath(copy),
                               QStringLiteral("SELECT count(DISTINCT typed), count(*) FROM answer")),
                     QStringLiteral("%1|%1").arg(each));
        }
        QCOMPARE(reportRows(dir.filePath(QStringLiteral("folder.csv")), {folder}),
                 reportRows(dir.filePath(QStringLiteral("files.csv")), records));
    }

    // A roaming account copies the same record from two computers.
    void aRecordCopiedTwiceIsCountedOnce()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("classe"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("classe")));
        const QString record = dir.filePath(QStringLiteral("elena.sqlite"));
        auto child = startChild(QStringLiteral(SHARING_CHILD), {record, QStringLiteral("20"), QStringLiteral("Elena"),
                                 QStringLiteral("1")});
        QVERIFY(child->waitForFinished(60000));
        for (const QString &host : {QStringLiteral("pc1"), QStringLiteral("pc2")})
            QVERIFY(QFile::copy(record, QDir(folder).filePath(record::classCopyName(
                                            QStringLiteral("elena"), host))));
        const QStringList once = reportRows(dir.filePath(QStringLiteral("one.csv")), {record});
        QCOMPARE(once.size(), 21); // the header and the answers
        QCOMPARE(reportRows(dir.filePath(QStringLiteral("folder.csv")), {folder}), once);

        // A copy that was being made when the share went is not read.
        auto other = startChild(QStringLiteral(SHARING_CHILD), {dir.filePath(QStringLiteral("franco.sqlite")),
                                 QStringLiteral("5"), QStringLiteral("Franco"), QStringLiteral("1")});
        QVERIFY(other->waitForFinished(60000));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("franco.sqlite")),
                            QDir(folder).filePath(QStringLiteral("franco@pc.sqlite.part-4242"))));
        QCOMPARE(reportRows(dir.filePath(QStringLiteral("folder.csv")), {folder}), once);
    }

    void folderGoneMidSessionLosesNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("classe"));
        const QString away = dir.filePath(QStringLiteral("smontata"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("classe")));
        constexpr int count = 50;
        const QString record = dir.filePath(QStringLiteral("carla.sqlite"));
        const QString copy = QDir(folder).filePath(record::classCopyName(QStringLiteral("carla"),
                                                                         QStringLiteral("pc")));
        auto child = startChild(QStringLiteral(SHARING_CHILD), {record, QString::number(count), QStringLiteral("Carla"),
                                 QStringLiteral("40"), QStringLiteral("--copy"), copy});
        QVERIFY(acknowledgedUpTo(*child, 10) >= 10);
        // The share goes: where it was there is nothing, as when it is unmounted.
        QVERIFY(QDir().rename(folder, away));
        QVERIFY(acknowledgedUpTo(*child, 30) >= 30);
        QVERIFY(QDir().rename(away, folder));
        // Back while the pupil still plays: what was given meanwhile is there.
        QVERIFY(acknowledgedUpTo(*child, 40) >= 40);
        QTRY_VERIFY(sqliteCli(copy, QStringLiteral("SELECT count(*) FROM answer")).toInt() > 31);
        QVERIFY(child->waitForFinished(60000));

        QCOMPARE(sqliteCli(copy, QStringLiteral("SELECT count(DISTINCT typed), count(*) FROM answer")),
                 QStringLiteral("%1|%1").arg(count));
        const QStringList trouble = QString::fromUtf8(child->readAllStandardError())
                                        .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(trouble.size(), 1);
        QVERIFY2(trouble.first().contains(QStringLiteral("cartella della classe")),
                 qPrintable(trouble.first()));
        // Nothing half-made was left in the folder.
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QFileInfo(copy).fileName()});
    }

    void folderReplacedByAFileLosesNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("classe"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("classe")));
        const QString record = dir.filePath(QStringLiteral("dario.sqlite"));
        const QString copy = QDir(folder).filePath(QStringLiteral("dario@pc.sqlite"));
        constexpr int count = 40;
        auto child = startChild(QStringLiteral(SHARING_CHILD), {record, QString::number(count), QStringLiteral("Dario"),
                                 QStringLiteral("40"), QStringLiteral("--copy"), copy});
        QVERIFY(acknowledgedUpTo(*child, 5) >= 5);
        QVERIFY(QDir().rename(folder, folder + QStringLiteral(".old")));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(acknowledgedUpTo(*child, 25) >= 25);
        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().rename(folder + QStringLiteral(".old"), folder));
        QVERIFY(child->waitForFinished(60000));
        QCOMPARE(sqliteCli(copy, QStringLiteral("SELECT count(DISTINCT typed) FROM answer")),
                 QString::number(count));
    }
};

QTEST_GUILESS_MAIN(TestClassFolder)
#include "tst_classfolder.moc"
