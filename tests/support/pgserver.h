// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/serveraddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A real PostgreSQL 15 of its own in a temporary folder, reached only by
// the Unix socket in that folder, with the school's schema and roles as a
// technician makes them from the project's SQL file. As root it runs as the
// postgres system user, since initdb refuses root.
class PgServer
{
public:
    static constexpr auto pupilPassword = "alunni-prova";
    static constexpr auto teacherPassword = "docente-prova";
    static constexpr auto database = "solvetra";

    // Commits reach the disk, as on a real server; tests need not wait for it.
    bool durable = false;

    static QString bin(const QString &tool)
    {
        return QStringLiteral("/usr/lib/postgresql/15/bin/") + tool;
    }
    static bool installed()
    {
        return QFileInfo(bin(QStringLiteral("initdb"))).isExecutable() &&
               QFileInfo(bin(QStringLiteral("psql"))).isExecutable();
    }

    // Empty when the server runs with the schema in place, else what failed.
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        if (::geteuid() == 0 &&
            !run(QStringLiteral("chown"), {QStringLiteral("postgres:postgres"), m_dir.path()}, false))
            return QStringLiteral("chown: ") + m_output;
        if (!run(bin(QStringLiteral("initdb")),
                 {QStringLiteral("-D"), dataFolder(), QStringLiteral("-U"), QStringLiteral("postgres"),
                  QStringLiteral("--auth-local=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                  QStringLiteral("--locale=C")}))
            return QStringLiteral("initdb: ") + m_output;
        // The superuser as the socket's owner; everyone else by password,
        // and over TCP only with TLS, as a school may want it.
        if (!run(QStringLiteral("sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("printf 'local all postgres trust\\nlocal all all scram-sha-256\\n"
                                 "hostssl all all 127.0.0.1/32 scram-sha-256\\n' > '%1/pg_hba.conf'"
                                 " && openssl req -x509 -newkey rsa:2048 -nodes -days 1"
                                 " -subj /CN=localhost -keyout '%1/server.key' -out '%1/server.crt'"
                                 " 2>/dev/null && chmod 0600 '%1/server.key'")
                      .arg(dataFolder())}))
            return QStringLiteral("pg_hba or certificate: ") + m_output;
        m_port = freePort();
        if (const QString why = resume(); !why.isEmpty())
            return why;
        if (!run(bin(QStringLiteral("createdb")),
                 {QStringLiteral("-h"), socketFolder(), QStringLiteral("-p"), QString::number(m_port),
                  QStringLiteral("-U"), QStringLiteral("postgres"), QString::fromLatin1(database)}))
            return QStringLiteral("createdb: ") + m_output;
        // psql runs as the server's user, who may not read the checkout
        // (a clone under /root): it reads a copy in the server's folder.
        const QString script = m_dir.filePath(QStringLiteral("school-server.sql"));
        QFile::remove(script);
        if (!QFile::copy(QStringLiteral(SOLVETRA_SOURCE_DIR "/sql/school-server.sql"), script) ||
            !QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther))
            return QStringLiteral("school-server.sql: cannot copy it to ") + script;
        if (!run(bin(QStringLiteral("psql")),
                 {QStringLiteral("-h"), socketFolder(), QStringLiteral("-p"), QString::number(m_port),
                  QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), QString::fromLatin1(database), QStringLiteral("-q"),
                  QStringLiteral("-v"), QStringLiteral("pupil_password=") + pupilPassword,
                  QStringLiteral("-v"), QStringLiteral("teacher_password=") + teacherPassword,
                  QStringLiteral("-f"), script}))
            return QStringLiteral("school-server.sql: ") + m_output;
        return {};
    }

    ~PgServer()
    {
        if (m_running)
            stop();
    }

    bool stop()
    {
        m_running = !run(bin(QStringLiteral("pg_ctl")),
                         {QStringLiteral("-D"), dataFolder(), QStringLiteral("-m"),
                          QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")});
        return !m_running;
    }

    // Starts it again after stop(); empty when it runs.
    QString resume()
    {
        const QString options =
            QStringLiteral("-c listen_addresses='127.0.0.1' -c port=%2 -c ssl=on"
                           " -c unix_socket_directories='%1' -c fsync=%3")
                .arg(socketFolder())
                .arg(m_port)
                .arg(durable ? QStringLiteral("on") : QStringLiteral("off"));
        if (!run(bin(QStringLiteral("pg_ctl")),
                 {QStringLiteral("-D"), dataFolder(), QStringLiteral("-o"), options,
                  QStringLiteral("-l"), m_dir.filePath(QStringLiteral("server.log")),
                  QStringLiteral("-w"), QStringLiteral("start")}))
            return QStringLiteral("pg_ctl start: ") + m_output;
        m_running = true;
        return {};
    }

    // The rows psql prints for sql (unaligned, '|' between columns), run as
    // the superuser or as role with its password; error() has its stderr.
    QString psql(const QString &sql, const QString &role = QStringLiteral("postgres"),
                 const QString &password = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!password.isEmpty())
            environment.insert(QStringLiteral("PGPASSWORD"), password);
        process.setProcessEnvironment(environment);
        process.start(bin(QStringLiteral("psql")),
                      {QStringLiteral("-h"), socketFolder(), QStringLiteral("-p"),
                       QString::number(m_port), QStringLiteral("-U"), role,
                       QStringLiteral("-d"), QString::fromLatin1(database), QStringLiteral("-XAt"),
                       QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"),
                       sql});
        process.waitForFinished(60000);
        m_error = QString::fromUtf8(process.readAllStandardError());
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    QString error() const { return m_error; }

    // Roles of their own for names, as a technician makes them with the
    // project's script; each name's password, or nothing when it failed
    // (error() has why).
    QMap<QString, QString> addPupils(const QStringList &names)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PSQL"), bin(QStringLiteral("psql")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SOLVETRA_SOURCE_DIR "/sql/solvetra-add-pupils"),
                      {QStringLiteral("-h"), socketFolder(), QStringLiteral("-p"),
                       QString::number(m_port), QStringLiteral("-U"), QStringLiteral("postgres"),
                       QStringLiteral("-d"), QString::fromLatin1(database)});
        process.write(names.join(u'\n').toUtf8() + '\n');
        process.closeWriteChannel();
        process.waitForFinished(60000);
        m_error = QString::fromUtf8(process.readAllStandardError());
        QMap<QString, QString> passwords;
        // *:*:database:name:password, a ~/.pgpass line each.
        for (const QString &line :
             QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
            const QStringList fields = line.split(u':');
            if (fields.size() == 5)
                passwords.insert(fields[3], fields[4]);
        }
        return passwords;
    }

    QString socketFolder() const { return m_dir.path(); }
    int port() const { return m_port; }

    record::ServerAddress pupil() const
    {
        return {socketFolder(), m_port, QString::fromLatin1(database),
                QStringLiteral("solvetra_pupil"), QString::fromLatin1(pupilPassword), {}};
    }
    // The same for one pupil's own role.
    record::ServerAddress pupil(const QString &role, const QString &password) const
    {
        return {socketFolder(), m_port, QString::fromLatin1(database), role, password, {}};
    }
    // A URL the program reads, for role with password (none: from PGPASSWORD).
    QString url(const QString &role, const QString &password = {}) const
    {
        const QString who = password.isEmpty() ? role : role + u':' + password;
        return QStringLiteral("postgresql://%1@localhost:%4/%2?host=%3")
            .arg(who, QString::fromLatin1(database), socketFolder())
            .arg(m_port);
    }

private:
    // A TCP port nobody listens on just now, for the TLS-only entry.
    static int freePort()
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        int port = 0;
        if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        if (fd >= 0)
            ::close(fd);
        return port;
    }

    QString dataFolder() const { return m_dir.filePath(QStringLiteral("data")); }

    bool run(const QString &program, const QStringList &arguments, bool asServer = true)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(m_dir.path());
        if (asServer && ::geteuid() == 0)
            process.start(QStringLiteral("runuser"),
                          QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                      QStringLiteral("--"), program} +
                              arguments);
        else
            process.start(program, arguments);
        const bool done = process.waitForFinished(120000);
        m_output = QString::fromLocal8Bit(process.readAll());
        return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/pg-XXXXXX")};
    int m_port = 5432;
    bool m_running = false;
    QString m_output;
    QString m_error;
};
