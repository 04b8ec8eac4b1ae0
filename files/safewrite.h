// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryFile>

#include <optional>

namespace files {

// Whether path exists and, after following symbolic links, is not a regular
// file: a device, a pipe, a socket or a folder, which the program never
// replaces and never reads as its own.
bool isSpecialFile(const QString &path);

// Why the program will not write to path, or nothing when it may.
std::optional<QString> refusalToWrite(const QString &path);
// The same for a file that is replaced whole: path, without following a
// link, must be a regular file, or not be there at all.
std::optional<QString> refusalToReplace(const QString &path);

// The one line that says a file could not be written, and why.
QString cannotWrite(const QString &path, const QString &reason);

// A file written whole or not at all and readable by its owner alone, for
// what holds every pupil's results. It replaces only a regular file at its
// name, and never writes through a symbolic link someone planted there.
class PrivateSaveFile
{
public:
    explicit PrivateSaveFile(const QString &path) : m_path(path) {}

    // Why it cannot be written, or nothing when it is open.
    std::optional<QString> open();
    QIODevice &device() { return m_file; }
    // Puts it in place; why it could not, or nothing. Without it the file
    // is left out and nothing changes.
    std::optional<QString> commit();

private:
    QString m_path;
    QTemporaryFile m_file;
};

} // namespace files
