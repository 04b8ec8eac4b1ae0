// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QSqlDatabase;

namespace record {

// The layout of a record file, kept in PRAGMA user_version. A file at 0 is
// new; each version above it is one step of migrate().
inline constexpr int schemaVersion = 4;

// The version written in db, or -1 when it cannot be read.
int versionOf(QSqlDatabase &db);

// Brings db from its version up to schemaVersion, each step in its own
// transaction, so a failure leaves the file at the last whole version.
bool migrate(QSqlDatabase &db);

} // namespace record
