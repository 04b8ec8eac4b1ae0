// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace record {

// Writes a consistent copy of the record file at from to to, even while
// another copy of the program writes into from: SQLite makes the copy in one
// read transaction, into a temporary name beside to, which is then renamed
// over to. The copy is the user's only (0600). Returns an empty text when
// done, else the reason in the user's words; to is then left as it was.
QString copyRecord(const QString &from, const QString &to);

} // namespace record
