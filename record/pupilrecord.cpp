// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/pupilrecord.h"

#include "record/recordcopy.h"
#include "record/recordfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace record {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("record", text);
}

QString run(QSqlDatabase &db, const QString &sql, const Pupil &pupil = {}, bool bind = false)
{
    QSqlQuery query(db);
    query.prepare(sql);
    if (bind) {
        query.addBindValue(pupil.name);
        query.addBindValue(pupil.className);
    }
    return query.exec() ? QString() : query.lastError().text();
}

} // namespace

QString copyPupilRecord(const QString &from, const QString &to, const Pupil &pupil)
{
    // Whittled down under a name of its own, then put in place in one step.
    const QString part = to + QStringLiteral(".part");
    if (QString refusal = copyRecord(from, part); !refusal.isEmpty())
        return refusal;
    QString failure;
    {
        RecordFile copy(part, RecordFile::Mode::Write);
        if (copy.state() != FileState::Ready) {
            failure =
                copy.reason().isEmpty() ? tr("la copia non si può modificare") : copy.reason();
        } else {
            QSqlDatabase &db = copy.database();
            for (const auto &[sql, bind] : std::initializer_list<std::pair<QString, bool>>{
                     {QStringLiteral("DELETE FROM answer WHERE NOT (pupil = ? AND class = ?)"),
                      true},
                     {QStringLiteral("DELETE FROM session WHERE id NOT IN"
                                     " (SELECT session FROM answer WHERE session IS NOT NULL)"),
                      false},
                     // The others' answers must not linger in free pages.
                     {QStringLiteral("VACUUM"), false}}) {
                failure = run(db, sql, pupil, bind);
                if (!failure.isEmpty())
                    break;
            }
        }
    }
    if (failure.isEmpty() &&
        std::rename(QFile::encodeName(part).constData(), QFile::encodeName(to).constData()) != 0)
        failure = tr("non si può scrivere %1").arg(to);
    if (!failure.isEmpty()) {
        removeRecord(part);
        return tr("la copia in %1 non è riuscita: %2").arg(to, failure);
    }
    return {};
}

QString deletePupilAnswers(const QString &path, const Pupil &pupil)
{
    if (!QFileInfo::exists(path))
        return {}; // nothing kept yet, nothing to delete
    RecordFile file(path, RecordFile::Mode::Write);
    if (file.state() != FileState::Ready)
        return tr("il registro %1 non si può modificare").arg(path);
    return run(file.database(), QStringLiteral("DELETE FROM answer WHERE pupil = ? AND class = ?"),
               pupil, true);
}

} // namespace record
