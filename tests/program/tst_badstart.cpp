// SPDX-License-Identifier: GPL-3.0-or-later
// The real program started the ways a careless or hostile user would start
// it: odd platforms and displays, a bad scale factor, a settings file that is
// a pipe, a command line with a name missing.
#include "files/settings.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Started
{
    bool stillRunning = false; // the window came up and painted
    int exitCode = -1;
    bool crashed = false;
    QString standardError;
};

// Qt's widget painting log says when the window's content reaches the screen.
const QString paintLog = QStringLiteral("qt.widgets.painting");

bool windowPainted(const QString &line)
{
    return line.startsWith(paintLog) && line.contains(QLatin1String("Flushing")) &&
           line.contains(QLatin1String("Tavola"));
}

// Runs the program with no display unless the row gives one. With window,
// waits until the window has painted (then kills it) or the program ends;
// else waits for its end. Says what happened, the painting log left out.
Started start(const QStringList &arguments, const QStringList &variables,
              const QString &configHome = {}, bool window = false)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    if (!configHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    // Whatever the program keeps stays out of the user's home folder.
    const QTemporaryDir home;
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    if (window)
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), paintLog + QStringLiteral("=true"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SOLVETRA_BINARY), arguments);
    process.setReadChannel(QProcess::StandardError);
    QStringList lines;
    Started started;
    const QDeadlineTimer deadline(60000);
    while (window && !started.stillRunning && !deadline.hasExpired() &&
           (process.canReadLine() || process.waitForReadyRead(1000) ||
            process.state() == QProcess::Running)) {
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine());
            started.stillRunning = started.stillRunning || windowPainted(line);
            if (!line.startsWith(paintLog))
                lines << line;
        }
    }
    if (started.stillRunning) {
        process.kill();
        process.waitForFinished(5000);
    } else {
        process.waitForFinished(int(deadline.remainingTime()));
        started.crashed = process.exitStatus() != QProcess::NormalExit;
        started.exitCode = process.exitCode();
    }
    for (const QString &line : QString::fromLocal8Bit(process.readAllStandardError()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(paintLog))
            lines << line + u'\n';
    started.standardError = lines.join(QString());
    return started;
}

mode_t modeOf(const QString &path)
{
    struct stat status
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode;
}

} // namespace

class BadStart : public QObject
{
    Q_OBJECT

private slots:
    void unusablePlatformSaysSo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("named"); // a word the line must hold
        QTest::newRow("-platform bogus")
            << QStringList{"-platform", "bogus"} << QStringList{} << "piattaforma";
        QTest::newRow("QT_QPA_PLATFORM=bogus")
            << QStringList{} << QStringList{"QT_QPA_PLATFORM=bogus"} << "piattaforma";
        QTest::newRow("-display :99999")
            << QStringList{"-display", ":99999"} << QStringList{} << "DISPLAY";
        QTest::newRow("-platform xcb, no display")
            << QStringList{"-platform", "xcb"} << QStringList{} << "DISPLAY";
        QTest::newRow("-platform wayland, no compositor")
            << QStringList{"-platform", "wayland"} << QStringList{} << "Wayland";
        QTest::newRow("QT_QPA_PLATFORM=wayland, no compositor")
            << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland"} << "Wayland";
        QTest::newRow("-platform outranks a usable QT_QPA_PLATFORM")
            << QStringList{"-platform", "bogus"} << QStringList{"QT_QPA_PLATFORM=offscreen"}
            << "piattaforma";
    }
    // Never Qt's abort (134) with its English text: one line of ours, status 1.
    void unusablePlatformSaysSo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(QString, named);
        const Started run = start(arguments, variables);
        QVERIFY2(!run.stillRunning && !run.crashed, qPrintable(run.standardError));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.standardError.count(u'\n'), 1);
        QVERIFY2(run.standardError.contains(named), qPrintable(run.standardError));
    }

    void headlessIgnoresThePlatform_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("-platform xcb") << QStringList{"-platform", "xcb"};
        QTest::newRow("-platform bogus") << QStringList{"-platform", "bogus"};
        QTest::newRow("-display :99999") << QStringList{"-display", ":99999"};
    }
    void headlessIgnoresThePlatform()
    {
        QFETCH(QStringList, options);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("x.pdf"));
        const Started run = start(QStringList{"--worksheet", pdf} + options, {});
        QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.standardError));
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

    // -display names a live server though DISPLAY is unset.
    void displayOptionReachesALiveServer()
    {
#ifdef SOLVETRA_SANITIZED_BUILD
        QSKIP(
            "under AddressSanitizer libxkbcommon-x11 overflows a buffer of its own on connecting");
#endif
        QProcess server;
        server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp"});
        if (!server.waitForStarted(5000))
            QSKIP("Xvfb is not installed");
        QVERIFY(server.waitForReadyRead(10000));
        const QString number = QString::fromLatin1(server.readLine().trimmed());
        // The server names its display once it listens; its socket shows it.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number),
                                 10000);
        const Started run = start({"-display", u':' + number}, {}, {}, true);
        // Terminated, not killed: the server then removes its lock and socket,
        // which the next server started here would otherwise trip over.
        server.terminate();
        server.waitForFinished(5000);
        QVERIFY2(run.stillRunning, qPrintable(run.standardError));
    }

    void unusableScaleFactorIsIgnored_data()
    {
        QTest::addColumn<QString>("factor");
        QTest::addColumn<bool>("ignored");
        QTest::newRow("0") << "0" << true;
        QTest::newRow("-1") << "-1" << true;
        QTest::newRow("1e9") << "1e9" << true;
        QTest::newRow("nan") << "nan" << true;
        QTest::newRow("inf") << "inf" << true;
        QTest::newRow("garbage") << "garbage" << true;
        QTest::newRow("number then garbage") << "2x" << true;
        QTest::newRow("1.5 is kept") << "1.5" << false;
        QTest::newRow("2 is kept") << "2" << false;
    }
    void unusableScaleFactorIsIgnored()
    {
        QFETCH(QString, factor);
        QFETCH(bool, ignored);
        const Started run =
            start({}, {"QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=" + factor}, {}, true);
        QVERIFY2(run.stillRunning, qPrintable(run.standardError));
        const QString line = QStringLiteral("QT_SCALE_FACTOR=«") + factor + u'»';
        QCOMPARE(run.standardError.count(line), ignored ? 1 : 0);
    }

    // A pipe would block the start; the program ignores it and leaves it be.
    void settingsFileNotRegularIsIgnored_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("fifo") << true;
        QTest::newRow("folder") << false;
    }
    void settingsFileNotRegularIsIgnored()
    {
        QFETCH(bool, fifo);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Solvetra")));
        const QString file = home.filePath(QStringLiteral("Solvetra/solvetra.conf"));
        QVERIFY(fifo ? ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0
                     : QDir(home.path()).mkpath(file));
        const mode_t before = modeOf(file);
        const Started run = start({}, {"QT_QPA_PLATFORM=offscreen"}, home.path(), true);
        QVERIFY2(run.stillRunning, qPrintable(run.standardError));
        QCOMPARE(run.standardError.count(QStringLiteral("solvetra.conf")), 1);
        QCOMPARE(modeOf(file), before);
    }

    void settingsStayInMemoryWhenIgnored()
    {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("s.conf"));
        QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        {
            files::Settings settings(file);
            QVERIFY(!settings.keptOnDisk());
            settings.setValue(QStringLiteral("zoom"), 1.5);
            QCOMPARE(settings.value(QStringLiteral("zoom")).toDouble(), 1.5);
        }
        QVERIFY(S_ISFIFO(modeOf(file)));
        QCOMPARE(QDir(home.path())
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                     .size(),
                 1);
    }

    void settingsAreTheUsersAlone_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<bool>("existingOpen"); // a file an earlier run left 0644
        QTest::newRow("umask 022, new file") << 022 << false;
        QTest::newRow("umask 000, new file") << 0 << false;
        QTest::newRow("umask 022, file left 0644") << 022 << true;
    }
    void settingsAreTheUsersAlone()
    {
        QFETCH(int, umask);
        QFETCH(bool, existingOpen);
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("Solvetra/solvetra.conf"));
        if (existingOpen) {
            QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Solvetra")));
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.close();
            QVERIFY(::chmod(QFile::encodeName(file).constData(), 0644) == 0);
        }
        const mode_t previous = ::umask(mode_t(umask));
        {
            files::Settings settings(file);
            settings.setValue(QStringLiteral("zoom"), 2.0);
        }
        ::umask(previous);
        QCOMPARE(modeOf(file) & 0777, mode_t(0600));
        QCOMPARE(files::Settings(file).value(QStringLiteral("zoom")).toDouble(), 2.0);
    }
};

QTEST_GUILESS_MAIN(BadStart)
#include "tst_badstart.moc"
