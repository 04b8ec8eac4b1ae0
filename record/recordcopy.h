// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace record {

// Writes a consistent copy of the record file at from to to, even while
// another copy of the program writes into from: SQLite makes the copy in one
// read transaction, into a private folder; it goes into a new file beside to
// under a name nobody can guess, which is then renamed over to. The copy is
// the user's only (0600), or for a class folder also readable by the
// folder's group (0640), where the teacher is; only a regular file of this
// account's is replaced, and one that holds answers the copy lacks is kept
// beside it under a new name. Returns an empty text when done (or when from
// does not exist yet), else the reason in the user's words; to is then left
// as it was.
enum class CopyReaders { Owner, FolderGroup };
QString copyRecord(const QString &from, const QString &to,
                   CopyReaders readers = CopyReaders::Owner);

} // namespace record
