// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace files {

// Whether path exists and, after following symbolic links, is not a regular
// file: a device, a pipe, a socket or a folder, which the program never
// replaces and never reads as its own.
bool isSpecialFile(const QString &path);

// Why the program will not write to path, or nothing when it may.
std::optional<QString> refusalToWrite(const QString &path);

// The one line that says a file could not be written, and why.
QString cannotWrite(const QString &path, const QString &reason);

} // namespace files
