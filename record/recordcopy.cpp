// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordcopy.h"

#include "files/safewrite.h"
#include "record/recordfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace record {

namespace {

// lupdate files a free tr() call under the enclosing namespace.
QString tr(const char *text)
{
    return QCoreApplication::translate("record", text);
}

// The answer ids of a record, or nothing when they cannot all be read.
std::optional<QSet<QString>> answerIds(const QString &path, RecordFile::Mode mode)
{
    RecordFile file(path, mode, QDeadlineTimer(std::chrono::seconds(20)));
    if (file.state() != FileState::Ready)
        return std::nullopt;
    QSqlQuery query(file.database());
    if (!query.exec(QStringLiteral("SELECT uuid FROM answer")))
        return std::nullopt;
    QSet<QString> ids;
    while (query.next())
        ids.insert(query.value(0).toString());
    if (query.lastError().isValid())
        return std::nullopt;
    return ids;
}

// Whether the copy at to holds an answer the new one lacks: after a record
// set aside as damaged, or deleted, the older copy is all that is left of it.
bool holdsMore(const QString &to, const QString &copy)
{
    if (!QFileInfo::exists(to))
        return false;
    const auto older = answerIds(to, RecordFile::Mode::Inspect);
    const auto newer = answerIds(copy, RecordFile::Mode::Read);
    return !older || !newer || !newer->contains(*older);
}

// A new name beside to, never used before; nothing ever deletes it.
QString keptName(const QString &to)
{
    const QString stem = to.endsWith(QLatin1String(".sqlite")) ? to.chopped(7) : to;
    const QString base = stem + QStringLiteral(".kept-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = base + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = base + QStringLiteral("-%1.sqlite").arg(n);
    return kept;
}

// The copy goes into a file made here, under a name nobody can guess,
// exclusively (never through a link planted at it).
QString placeCopy(const QString &copy, const QString &to, CopyReaders readers)
{
    const QString folder = QFileInfo(to).absolutePath();
    QTemporaryFile part(to + QStringLiteral(".part-XXXXXX"));
    QFile source(copy);
    if (!part.open() || !source.open(QIODevice::ReadOnly))
        return tr("non si può scrivere in %1").arg(folder);
    struct stat folderStatus
    {
    };
    if (readers == CopyReaders::FolderGroup &&
        ::stat(QFile::encodeName(folder).constData(), &folderStatus) == 0) {
        // Not in the folder's group, the pupil cannot give it (a setgid
        // folder gave it to the file already); a share without modes
        // keeps its own. Either way the copy goes on.
        const bool grouped = ::fchown(part.handle(), uid_t(-1), folderStatus.st_gid) == 0;
        const bool readable = ::fchmod(part.handle(), S_IRUSR | S_IWUSR | S_IRGRP) == 0;
        Q_UNUSED(grouped);
        Q_UNUSED(readable);
    }
    while (!source.atEnd()) {
        const QByteArray piece = source.read(1 << 20);
        if (piece.isEmpty() || part.write(piece) != piece.size())
            return tr("non si può scrivere %1").arg(to);
    }
    if (!part.flush() || ::fsync(part.handle()) != 0)
        return tr("non si può scrivere %1").arg(to);
    // rename(2) replaces to in one step: a reader sees the old copy or the new.
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(to).constData()) != 0)
        return tr("non si può scrivere %1").arg(to);
    part.setAutoRemove(false);
    return {};
}

} // namespace

QString copyRecord(const QString &from, const QString &to, CopyReaders readers)
{
    // Before the first answer there is nothing to copy, and nothing wrong.
    if (!QFileInfo::exists(from) && !QFileInfo(from).isSymLink())
        return {};
    RecordFile source(from, RecordFile::Mode::Read);
    switch (source.state()) {
    case FileState::Ready:
    case FileState::Newer: // copied as it is, never rewritten
        break;
    case FileState::Unwritable:
        return tr("il registro %1 non si può leggere").arg(from);
    case FileState::Damaged:
    case FileState::NotRecord:
        return tr("%1 non è un registro di risposte valido").arg(from);
    }
    // Only a regular file of this account's is ever replaced.
    if (const auto refusal = files::refusalToReplace(to))
        return *refusal;
    struct stat target
    {
    };
    if (::lstat(QFile::encodeName(to).constData(), &target) == 0 && target.st_uid != ::geteuid())
        return files::cannotWrite(to, tr("è di un altro utente, lo lascio com'è"));
    // SQLite opens the file it vacuums into by its name: a private folder,
    // where nobody else can plant a link.
    const QTemporaryDir privateFolder;
    const QString copy = privateFolder.filePath(QStringLiteral("copy.sqlite"));
    QSqlQuery query(source.database());
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(copy);
    if (!privateFolder.isValid() || !query.exec())
        return tr("la copia in %1 non è riuscita: %2").arg(to, query.lastError().text());
    if (holdsMore(to, copy) && std::rename(QFile::encodeName(to).constData(),
                                           QFile::encodeName(keptName(to)).constData()) != 0)
        return tr("non si può scrivere %1").arg(to);
    return placeCopy(copy, to, readers);
}

} // namespace record
