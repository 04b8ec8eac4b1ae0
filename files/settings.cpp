// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings.h"

#include "files/safewrite.h"
#include "format/echo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

constexpr mode_t privateMode = S_IRUSR | S_IWUSR;

// Made empty and private before Qt writes it, so it is never readable by
// others, whatever the umask; an existing file is narrowed to the user too.
void makePrivate(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).path());
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, privateMode);
    if (fd >= 0)
        ::close(fd);
    ::chmod(name.constData(), privateMode);
}

void sayIgnored(const QString &path)
{
    const QString line = QCoreApplication::translate(
        "files", "solvetra: il file delle impostazioni %1 non è un file normale: lo ignoro, "
                 "lo lascio com'è e parto con le impostazioni iniziali.\n");
    std::fputs(line.arg(format::echoed(path)).toLocal8Bit().constData(), stderr);
}

} // namespace

Settings &Settings::user()
{
    static Settings settings(userPath());
    return settings;
}

QString Settings::userPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

const Settings &Settings::system()
{
    static const Settings settings(systemPath());
    return settings;
}

QString Settings::systemPath()
{
    QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (folders.isEmpty())
        folders = QStringLiteral("/etc/xdg");
    return folders.section(u':', 0, 0) + u'/' + QCoreApplication::organizationName() + u'/' +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

Settings::Settings(const QString &path) : m_path(path)
{
    if (isSpecialFile(path)) {
        sayIgnored(path);
        return;
    }
    // An explicit file, so Qt reads no fallback files that could be pipes too.
    m_file = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

Settings::~Settings() = default;

QVariant Settings::value(const QString &key, const QVariant &fallback) const
{
    if (!m_file)
        return m_memory.value(key, fallback);
    return m_file->value(key, fallback);
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    if (!m_file) {
        m_memory.insert(key, value);
        return;
    }
    m_file->setValue(key, value);
    writeOut();
}

void Settings::clear()
{
    m_memory.clear();
    if (!m_file)
        return;
    m_file->clear();
    writeOut();
}

void Settings::writeOut()
{
    makePrivate(m_path);
    m_file->sync();
    // Qt replaces the file with a new one; keep the new one private too.
    ::chmod(QFile::encodeName(m_path).constData(), privateMode);
}

} // namespace files
