// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfolder.h"

#include "format/echo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace record {
namespace {

QString shown(const QString &path)
{
    return format::cut(QDir::toNativeSeparators(path));
}

void walk(const QString &path, QSet<QString> &walked, FolderFiles &found)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    if (walked.contains(real)) {
        found.skipped.append({path, QCoreApplication::translate(
                                        "record", "«%1» riporta a una cartella già letta: non la "
                                                  "seguo.")
                                        .arg(shown(path))});
        return;
    }
    walked.insert(real);
    const QDir folder(path);
    const QFileInfoList entries = folder.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString entryPath = entry.filePath();
        if (!entry.isReadable() || (entry.isSymLink() && !entry.exists())) {
            found.skipped.append(
                {entryPath, QCoreApplication::translate("record", "«%1» non si può leggere.")
                                .arg(shown(entryPath))});
        } else if (entry.isDir()) {
            walk(entryPath, walked, found);
        } else if (entry.isFile() && RecordReader::isRecordName(entry.fileName())) {
            found.files << entryPath;
        }
    }
}

} // namespace

FolderFiles recordFilesUnder(const QString &folder)
{
    FolderFiles found;
    QSet<QString> walked;
    walk(folder, walked, found);
    return found;
}

} // namespace record
