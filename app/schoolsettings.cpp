// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/schoolsettings.h"

#include "files/settings.h"
#include "format/echo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <optional>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

constexpr auto pupilRole = "solvetra_pupil";

// This file's texts, under its namespace's context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(app)
};

class Scopes
{
public:
    Scopes(const files::Settings &system, const files::Settings &user)
        : m_system(system), m_user(user)
    {
    }
    QString text(const QString &key, const QString &fallback = {}) const
    {
        return m_user.value(key, m_system.value(key, fallback)).toString().trimmed();
    }
    const files::Settings &user() const { return m_user; }

private:
    const files::Settings &m_system;
    const files::Settings &m_user;
};

// Whether the file's status allows a password in it: a regular file of
// root's or the user's that nobody else may change; else the Italian line.
std::optional<QString> refusalOfPasswordFile(const struct stat &status, const QString &path)
{
    if (!S_ISREG(status.st_mode) || (status.st_uid != 0 && status.st_uid != ::getuid()) ||
        (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return Texts::tr("solvetra: il file della password %1 non è un file normale di root con i "
                         "permessi 0640: non lo uso.")
            .arg(format::echoed(path));
    if ((status.st_mode & S_IROTH) != 0)
        return Texts::tr("solvetra: il file della password %1 è leggibile da tutti: non lo uso. "
                         "Deve avere i permessi 0640 (root e il gruppo degli alunni).")
            .arg(format::echoed(path));
    return std::nullopt;
}

// The first line of path. A file others may read or change is refused: the
// pupils' password must not be open to every account and service of the
// computer. A pipe, a device or a folder is refused before it is opened,
// and opened without waiting, so that nothing holds up the start.
QString passwordIn(const QString &path, QStringList &warnings)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {
    };
    if (::stat(name.constData(), &status) != 0)
        return {};
    if (const auto refusal = refusalOfPasswordFile(status, path)) {
        warnings << *refusal;
        return {};
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {}; // not in the pupils' group: libpq may still find ~/.pgpass
    QFile file;
    // Again on what was opened: the name may have changed meanwhile.
    if (::fstat(descriptor, &status) != 0 || refusalOfPasswordFile(status, path) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {};
    }
    return QString::fromUtf8(file.readLine(1024)).trimmed();
}

// The password in the user's own settings, unless others may read them.
QString userPassword(const files::Settings &user, QStringList &warnings)
{
    const QString password = user.value(QStringLiteral("server/password")).toString();
    struct stat status
    {
    };
    if (password.isEmpty() || ::stat(QFile::encodeName(user.path()).constData(), &status) != 0 ||
        (status.st_mode & (S_IRGRP | S_IROTH)) == 0)
        return password;
    warnings << Texts::tr("solvetra: le impostazioni %1 sono leggibili da altri utenti: non uso la "
                          "password che contengono. Devono avere i permessi 0600.")
                    .arg(format::echoed(user.path()));
    return {};
}

void readServer(const Scopes &scopes, SchoolSettings &settings)
{
    record::ServerAddress &server = settings.places.server;
    server.database = scopes.text(QStringLiteral("server/database"));
    if (server.database.isEmpty())
        return;
    server.host = scopes.text(QStringLiteral("server/host"));
    bool number = false;
    const int port =
        scopes.text(QStringLiteral("server/port"), QStringLiteral("5432")).toInt(&number);
    server.port = number && port > 0 && port < 65536 ? port : 5432;
    server.user = scopes.text(QStringLiteral("server/user"), QString::fromLatin1(pupilRole));
    server.sslmode = scopes.text(QStringLiteral("server/sslmode"));
    server.password = userPassword(scopes.user(), settings.warnings);
    if (server.password.isEmpty())
        server.password = passwordIn(scopes.text(QStringLiteral("server/passwordfile"),
                                                 QString::fromLatin1(defaultPasswordFile)),
                                     settings.warnings);
}

QString accountName()
{
    if (const passwd *entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::getuid());
}

} // namespace

SchoolSettings readSchoolSettings(const files::Settings &system, const files::Settings &user,
                                  const QString &account, const QString &host)
{
    SchoolSettings settings;
    const Scopes scopes(system, user);
    readServer(scopes, settings);
    const QString folder = scopes.text(QStringLiteral("class/folder"));
    if (!folder.isEmpty())
        settings.places.classCopy = QDir(folder).filePath(record::classCopyName(account, host));
    return settings;
}

SchoolSettings readSchoolSettings()
{
    return readSchoolSettings(files::Settings::machine(), files::Settings::user(), accountName(),
                              QSysInfo::machineHostName());
}

} // namespace app
