// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/schoolsettings.h"
#include "files/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeText(const QString &path, const QByteArray &text, QFileDevice::Permissions mode)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    QVERIFY(file.setPermissions(mode));
}

constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

class TestSchoolSettings : public QObject
{
    Q_OBJECT

private slots:
    // The user's file wins key by key over the computer's.
    void userScopeWinsKeyByKey_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("shown"); // the address as the user reads it, or empty
        QTest::newRow("nothing named") << QByteArray() << QByteArray() << QString();
        QTest::newRow("system only")
            << QByteArray("[server]\nhost=db.scuola\ndatabase=solvetra\n") << QByteArray()
            << QStringLiteral("solvetra_pupil@db.scuola/solvetra");
        QTest::newRow("user changes the port")
            << QByteArray("[server]\nhost=db.scuola\ndatabase=solvetra\n")
            << QByteArray("[server]\nport=6543\n")
            << QStringLiteral("solvetra_pupil@db.scuola:6543/solvetra");
        QTest::newRow("user names the server")
            << QByteArray() << QByteArray("[server]\nhost=h\ndatabase=d\nuser=u\n")
            << QStringLiteral("u@h/d");
        QTest::newRow("a port that is no port")
            << QByteArray("[server]\nhost=h\ndatabase=d\nport=99999\n") << QByteArray()
            << QStringLiteral("solvetra_pupil@h/d");
    }
    void userScopeWinsKeyByKey()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        writeText(dir.filePath(QStringLiteral("system.conf")), system, ownerOnly);
        writeText(dir.filePath(QStringLiteral("user.conf")), user, ownerOnly);
        const files::Settings systemScope(dir.filePath(QStringLiteral("system.conf")));
        const files::Settings userScope(dir.filePath(QStringLiteral("user.conf")));
        const app::SchoolSettings read = app::readSchoolSettings(
            systemScope, userScope, QStringLiteral("ada"), QStringLiteral("pc1"));
        QCOMPARE(read.places.server.isNamed(), !shown.isEmpty());
        if (!shown.isEmpty())
            QCOMPARE(read.places.server.shown(), shown);
    }

    // The password is read from the user's private file or a file that is
    // not open to everyone; never from the computer's settings, which all read.
    void passwordComesOnlyFromPrivatePlaces_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<int>("userFileMode");
        QTest::addColumn<QString>("passwordFile"); // what is at its name: a file, a pipe, ...
        QTest::addColumn<int>("passwordFileMode");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("warned");
        const QByteArray server("[server]\ndatabase=d\npasswordfile=PWFILE\n");
        const QByteArray userPassword("[server]\npassword=segreta\n");
        const QString file = QStringLiteral("file");
        QTest::newRow("from the user's settings")
            << server << userPassword << 0600 << file << 0600 << QStringLiteral("segreta") << false;
        QTest::newRow("not from the user's settings others can read")
            << server << userPassword << 0644 << file << 0600 << QStringLiteral("dal-file") << true;
        QTest::newRow("not from the computer's settings")
            << QByteArray("[server]\ndatabase=d\npassword=aperta\n") << QByteArray() << 0600 << file
            << 0600 << QString() << false;
        QTest::newRow("from a file for root and a group")
            << server << QByteArray() << 0600 << file << 0640 << QStringLiteral("dal-file")
            << false;
        QTest::newRow("not from a file everyone reads")
            << server << QByteArray() << 0600 << file << 0644 << QString() << true;
        QTest::newRow("not from a file the group may change")
            << server << QByteArray() << 0600 << file << 0660 << QString() << true;
        QTest::newRow("not from a file of another account")
            << server << QByteArray() << 0600 << QStringLiteral("nobody's") << 0640 << QString()
            << true;
        QTest::newRow("not from a pipe, without waiting")
            << server << QByteArray() << 0600 << QStringLiteral("pipe") << 0640 << QString()
            << true;
        QTest::newRow("not from a folder") << server << QByteArray() << 0600
                                           << QStringLiteral("folder") << 0750 << QString() << true;
    }
    void passwordComesOnlyFromPrivatePlaces()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(int, userFileMode);
        QFETCH(QString, passwordFile);
        QFETCH(int, passwordFileMode);
        QFETCH(QString, password);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("server-password"));
        if (passwordFile == QLatin1String("pipe")) {
            QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {path}), 0);
        } else if (passwordFile == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("dal-file\nnot this line\n");
        }
        if (passwordFile == QLatin1String("nobody's")) {
            if (::geteuid() != 0)
                QSKIP("needs root to give the file to a second account (nobody)");
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        }
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(passwordFileMode)), 0);
        writeText(dir.filePath(QStringLiteral("system.conf")),
                  system.replace("PWFILE", path.toUtf8()), ownerOnly);
        writeText(dir.filePath(QStringLiteral("user.conf")), user, ownerOnly);
        QCOMPARE(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("user.conf"))).constData(),
                         mode_t(userFileMode)),
                 0);
        const files::Settings systemScope(dir.filePath(QStringLiteral("system.conf")));
        const files::Settings userScope(dir.filePath(QStringLiteral("user.conf")));
        QElapsedTimer reading;
        reading.start();
        const app::SchoolSettings read = app::readSchoolSettings(
            systemScope, userScope, QStringLiteral("ada"), QStringLiteral("pc1"));
        QVERIFY(reading.elapsed() < 5000);
        QCOMPARE(read.places.server.password, password);
        QCOMPARE(!read.warnings.isEmpty(), warned);
    }

    // Copies from many computers meet in one folder: each name is one file
    // there, different for each account and computer, and stays inside it.
    void classCopyNamesStayApartAndInside_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("host");
        QTest::newRow("plain") << QStringLiteral("ada") << QStringLiteral("pc1");
        QTest::newRow("slashes") << QStringLiteral("../../etc") << QStringLiteral("a/b");
        QTest::newRow("dots") << QStringLiteral("..") << QStringLiteral("..");
        QTest::newRow("accents and spaces")
            << QStringLiteral("Zoë D'Amico") << QStringLiteral("aula 3");
    }
    void classCopyNamesStayApartAndInside()
    {
        QFETCH(QString, account);
        QFETCH(QString, host);
        QTemporaryDir dir;
        const QString name = record::classCopyName(account, host);
        const QString other = record::classCopyName(account + u'x', host);
        const QString otherHost = record::classCopyName(account, host + u'x');
        QVERIFY(name != other && name != otherHost);
        QVERIFY(!name.startsWith(u'.'));
        const QString path = QDir(dir.path()).filePath(name);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
    }
};

QTEST_GUILESS_MAIN(TestSchoolSettings)
#include "tst_schoolsettings.moc"
