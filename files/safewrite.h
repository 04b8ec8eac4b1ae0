// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace files {

// Why the program will not write to path, or nothing when it may. A target
// that exists and is not a regular file (a device, a pipe, a socket, a
// folder), after following symbolic links, is never replaced.
std::optional<QString> refusalToWrite(const QString &path);

// The one line that says a file could not be written, and why.
QString cannotWrite(const QString &path, const QString &reason);

} // namespace files
