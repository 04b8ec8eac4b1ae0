// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordcopy.h"

#include "record/recordfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <unistd.h>

namespace record {

namespace {

// lupdate files a free tr() call under the enclosing namespace.
QString tr(const char *text)
{
    return QCoreApplication::translate("record", text);
}

// SQLite writes into an empty file it is given, keeping the file's mode.
bool createEmptyPrivateFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString temporaryNameBeside(const QString &to)
{
    return to + QStringLiteral(".part-%1").arg(::getpid());
}

} // namespace

QString copyRecord(const QString &from, const QString &to)
{
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
    const QString part = temporaryNameBeside(to);
    if (!createEmptyPrivateFile(part))
        return tr("non si può scrivere in %1").arg(QFileInfo(to).absolutePath());
    QSqlQuery query(source.database());
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(part);
    if (!query.exec()) {
        QFile::remove(part);
        return tr("la copia in %1 non è riuscita: %2").arg(to, query.lastError().text());
    }
    // rename(2) replaces to in one step: a reader sees the old copy or the new.
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(to).constData()) != 0) {
        QFile::remove(part);
        return tr("non si può scrivere %1").arg(to);
    }
    return {};
}

} // namespace record
