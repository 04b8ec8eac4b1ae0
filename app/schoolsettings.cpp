// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/schoolsettings.h"

#include "files/settings.h"
#include "format/echo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <pwd.h>
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
    QString userText(const QString &key) const { return m_user.value(key).toString(); }

private:
    const files::Settings &m_system;
    const files::Settings &m_user;
};

// The first line of path. A file others may read is refused: the pupils'
// password must not be open to every account and service of the computer.
QString passwordIn(const QString &path, QStringList &warnings)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther)) {
        warnings << Texts::tr(
                        "solvetra: il file della password %1 è leggibile da tutti: non lo uso. "
                        "Deve avere i permessi 0640 (root e il gruppo degli alunni).")
                        .arg(format::echoed(path));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {}; // not in the pupils' group: libpq may still find ~/.pgpass
    return QString::fromUtf8(file.readLine()).trimmed();
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
    server.password = scopes.userText(QStringLiteral("server/password"));
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
