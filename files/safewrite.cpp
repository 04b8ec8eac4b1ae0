// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/safewrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace files {

std::optional<QString> refusalToWrite(const QString &path)
{
    struct stat status
    {
    };
    // stat, not lstat: a symbolic link to a regular file keeps working.
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISREG(status.st_mode))
        return std::nullopt;
    return cannotWrite(path, QCoreApplication::translate(
                                 "files", "esiste già e non è un file normale, lo lascio com'è"));
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("impossibile scrivere il file «%1»")
               .arg(QFileInfo(path).absoluteFilePath()) +
           QStringLiteral(": ") + reason;
}

} // namespace files
