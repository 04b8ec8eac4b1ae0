// SPDX-License-Identifier: GPL-3.0-or-later
// The real program given targets a careless or hostile user would give it.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray standardError;
};

Run runSolvetra(const QList<QByteArray> &arguments, const QString &standardOutput = {})
{
    QProcess process;
    QStringList decoded;
    for (const QByteArray &argument : arguments)
        decoded << QFile::decodeName(argument);
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
    process.start(QStringLiteral(SOLVETRA_BINARY), decoded);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

enum class Special { Fifo, Socket, CharacterDevice };

bool makeSpecial(Special kind, const QByteArray &path)
{
    switch (kind) {
    case Special::Fifo:
        return ::mkfifo(path.constData(), 0600) == 0;
    case Special::CharacterDevice:
        // Our own null device, in our own folder.
        return ::mknod(path.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    case Special::Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound;
    }
    }
    return false;
}

mode_t typeOf(const QByteArray &path)
{
    struct stat status
    {
    };
    ::lstat(path.constData(), &status);
    return status.st_mode & S_IFMT;
}

} // namespace

class BadInput : public QObject
{
    Q_OBJECT

private slots:
    void specialTargetIsLeftAlone_data()
    {
        QTest::addColumn<Special>("kind");
        QTest::newRow("fifo") << Special::Fifo;
        QTest::newRow("socket") << Special::Socket;
        QTest::newRow("character device") << Special::CharacterDevice;
    }
    void specialTargetIsLeftAlone()
    {
        QFETCH(Special, kind);
        if (kind == Special::CharacterDevice && ::geteuid() != 0)
            QSKIP("making a device needs root");
        QTemporaryDir folder;
        const QByteArray target = QFile::encodeName(folder.filePath(QStringLiteral("t.pdf")));
        QVERIFY(makeSpecial(kind, target));
        const mode_t before = typeOf(target);
        const Run run = runSolvetra({"--worksheet", target});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(typeOf(target), before);
        QCOMPARE(run.standardError.count('\n'), 1);
    }

    void linkToRegularFileStillWorks()
    {
        QTemporaryDir folder;
        const QString real = folder.filePath(QStringLiteral("real.pdf"));
        const QString link = folder.filePath(QStringLiteral("link.pdf"));
        QVERIFY(QFile::link(real, link));
        QCOMPARE(runSolvetra({"--worksheet", QFile::encodeName(link)}).exitCode, 0);
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo(real).size() > 0);
    }

    void nameKeptOrRefused()
    {
        QTemporaryDir folder;
        // QProcess takes text, so the shell makes the Latin-1 byte itself.
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("exec \"$0\" --worksheet \"$(printf 'sch\\351da.pdf')\""),
                       QStringLiteral(SOLVETRA_BINARY)});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray name = QFile::encodeName(folder.path()) + "/sch\xe9"
                                                                   "da.pdf";
        const QStringList written = QDir(folder.path()).entryList(QDir::Files);
        // Either the exact bytes exist, or nothing was written and it said so.
        if (process.exitCode() == 0)
            QCOMPARE(typeOf(name), mode_t(S_IFREG));
        else
            QVERIFY2(written.isEmpty() && !process.readAllStandardError().isEmpty(),
                     qPrintable(written.join(u' ')));
    }

    // Each fault names its own reason, as the system words it.
    void failureSaysWhy_data()
    {
        QTest::addColumn<QString>("name"); // inside a fresh folder
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("limit"); // a shell limit for the run
        QTest::newRow("missing folder") << "no/x.pdf" << ENOENT << "";
        QTest::newRow("a folder") << "sub.pdf" << EISDIR << "";
        QTest::newRow("read-only folder") << "ro/x.pdf" << EACCES << "";
        QTest::newRow("name too long") << QString(300, u'a') + ".pdf" << ENAMETOOLONG << "";
        // The size limit fails the write as a full disk does.
        QTest::newRow("full disk (size limit)") << "x.pdf" << EFBIG << "trap '' XFSZ; ulimit -f 1;";
    }
    void failureSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(int, error);
        QFETCH(QString, limit);
        if (error == EACCES && ::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub.pdf")));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("ro")));
        QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("ro")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       limit + QStringLiteral(" exec \"$0\" --worksheet \"$1\""),
                       QStringLiteral(SOLVETRA_BINARY), folder.filePath(name)});
        QVERIFY(process.waitForFinished(60000));
        const QString line = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(line.count(u'\n'), 1);
        QVERIFY2(line.contains(QString::fromLocal8Bit(std::strerror(error))), qPrintable(line));
    }

    void fullStandardOutputFails_data()
    {
        QTest::addColumn<QByteArray>("option");
        QTest::newRow("version") << QByteArray("--version");
        QTest::newRow("help") << QByteArray("--help");
    }
    void fullStandardOutputFails()
    {
        QFETCH(QByteArray, option);
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        const Run run = runSolvetra({option}, QStringLiteral("/dev/full"));
        QVERIFY(run.exitCode != 0);
        QVERIFY(!run.standardError.isEmpty());
    }
};

QTEST_GUILESS_MAIN(BadInput)
#include "tst_badinput.moc"
