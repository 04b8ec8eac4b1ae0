// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The password for the first server among records that wants one libpq
// could not find (PGPASSWORD, ~/.pgpass), asked on the terminal with the
// typing hidden; empty when none is wanted or there is no terminal.
QString askServerPassword(const QStringList &records);

} // namespace app
