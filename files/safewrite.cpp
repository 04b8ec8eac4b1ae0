// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/safewrite.h"

#include "format/echo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace files {
namespace {

// stat, not lstat: a symbolic link to a regular file keeps working.
int statOf(const QString &path, struct stat &status)
{
    return ::stat(QFile::encodeName(path).constData(), &status);
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
    struct stat status
    {
    };
    if (statOf(path, status) != 0) {
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

QString cannotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("files", "impossibile scrivere il file %1: %2")
        .arg(format::echoed(QFileInfo(path).absoluteFilePath()), reason);
}

} // namespace files
