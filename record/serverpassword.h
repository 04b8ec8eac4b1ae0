// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/serveraddress.h"

#include <QString>

#include <optional>

namespace record {

// The password file libpq reads by itself: $PGPASSFILE, else ~/.pgpass.
QString passwordFilePath();

// Keeps password for address's host, port, database and user in file, a
// libpq password file: that line replaced, every other line kept as it was.
// The file is written whole, mode 0600; a link, or anything but this user's
// own regular file, at its name is left as it is. Why not, or nothing.
std::optional<QString> keepServerPassword(const QString &file, const ServerAddress &address,
                                          const QString &password);

} // namespace record
