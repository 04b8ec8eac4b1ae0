// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/safewrite.h"

#include "format/echo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

// stat, not lstat: a symbolic link to a regular file keeps working.
int statOf(const QString &path, struct stat &status)
{
    return ::stat(QFile::encodeName(path).constData(), &status);
}

// Why what stands at path may not be written over: nothing when it is a
// regular file or nothing at all. A link is looked through or not, as said.
std::optional<QString> refusalFor(const QString &path, bool throughLinks)
{
    struct stat status
    {
    };
    const int found =
        throughLinks ? statOf(path, status) : ::lstat(QFile::encodeName(path).constData(), &status);
    if (found != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISREG(status.st_mode))
        return std::nullopt;
    if (S_ISDIR(status.st_mode))
        return cannotWrite(path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    return cannotWrite(path, QCoreApplication::translate(
                                 "files", "esiste già e non è un file normale, lo lascio com'è"));
}

} // namespace

bool isSpecialFile(const QString &path)
{
    struct stat status
    {
    };
    return statOf(path, status) == 0 && !S_ISREG(status.st_mode);
}

std::optional<QString> refusalToWrite(const QString &path)
{
    return refusalFor(path, true);
}

std::optional<QString> PrivateSaveFile::open()
{
    if (auto refusal = refusalToReplace(m_path))
        return refusal;
    // A new name of its own, made exclusively and mode 0600 from the start.
    m_file.setFileTemplate(QFileInfo(m_path).absolutePath() + QStringLiteral("/.solvetra-XXXXXX"));
    if (!m_file.open())
        return cannotWrite(m_path, m_file.errorString());
    return std::nullopt;
}

std::optional<QString> PrivateSaveFile::commit()
{
    if (!m_file.flush() || ::fsync(m_file.handle()) != 0)
        return cannotWrite(m_path, m_file.errorString());
    if (auto refusal = refusalToReplace(m_path))
        return refusal;
    // rename(2) replaces a link planted meanwhile, never what it points to.
    if (std::rename(QFile::encodeName(m_file.fileName()).constData(),
                    QFile::encodeName(m_path).constData()) != 0)
        return cannotWrite(m_path, QString::fromLocal8Bit(std::strerror(errno)));
    m_file.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> refusalToReplace(const QString &path)
{
    return refusalFor(path, false);
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("files", "impossibile scrivere il file %1: %2")
        .arg(format::echoed(QFileInfo(path).absoluteFilePath()), reason);
}

} // namespace files
