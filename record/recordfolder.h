// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordreader.h"

#include <QList>
#include <QStringList>

namespace record {

struct FolderFiles
{
    QStringList files;          // by path
    QList<SkippedFile> skipped; // loops and unreadable entries, named
};

// The record files in a folder and all its sub-folders, as a teacher keeps
// the copies in a folder per pupil. A link back to a folder already walked
// and an entry that cannot be read are named, never followed.
FolderFiles recordFilesUnder(const QString &folder);

} // namespace record
