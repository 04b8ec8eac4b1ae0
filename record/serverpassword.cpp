// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/serverpassword.h"

#include "files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace record {
namespace {

// A password file this large is not one a person keeps.
constexpr qint64 largestFile = 1 << 20;

QString escaped(QString field)
{
    return field.replace(u'\\', QStringLiteral("\\\\")).replace(u':', QStringLiteral("\\:"));
}

// The first four fields of a line as libpq reads them, escapes undone.
QStringList keyOf(const QString &line)
{
    QStringList fields(1);
    for (qsizetype i = 0; i < line.size() && fields.size() <= 4; ++i) {
        if (line[i] == u'\\' && i + 1 < line.size())
            fields.last() += line[++i];
        else if (line[i] == u':')
            fields.append(QString());
        else
            fields.last() += line[i];
    }
    fields.resize(4);
    return fields;
}

QString refused(const QString &path)
{
    return files::cannotWrite(
        path, QCoreApplication::translate(
                  "record", "non è un file normale di questo utente, lo lascio com'è"));
}

// The file's lines, read without following a link at its name.
std::optional<QString> readLines(const QString &path, QStringList &lines)
{
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        if (errno == ELOOP)
            return refused(path);
        return files::cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat status
    {
    };
    QFile file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::getuid() || status.st_size > largestFile ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return refused(path);
    }
    const QString text = QString::fromUtf8(file.readAll());
    lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return std::nullopt;
}

} // namespace

QString passwordFilePath()
{
    const QString named = qEnvironmentVariable("PGPASSFILE");
    return named.isEmpty() ? QDir::home().filePath(QStringLiteral(".pgpass")) : named;
}

std::optional<QString> keepServerPassword(const QString &file, const ServerAddress &address,
                                          const QString &password)
{
    QStringList lines;
    if (auto error = readLines(file, lines))
        return error;
    // libpq looks up its default socket folder, and no host at all, as localhost.
    const QString host = address.host.isEmpty() || address.host == u"/var/run/postgresql"
                             ? QStringLiteral("localhost")
                             : address.host;
    const QStringList key{host, QString::number(address.port), address.database, address.user};
    QStringList fields;
    for (const QString &field : key)
        fields << escaped(field);
    const QString ours = fields.join(u':') + u':' + escaped(password);
    // libpq takes the first line that fits: ours stands where the old one stood.
    bool placed = false;
    QStringList kept;
    for (const QString &line : std::as_const(lines)) {
        if (line.startsWith(u'#') || keyOf(line) != key) {
            kept << line;
        } else if (!placed) {
            kept << ours;
            placed = true;
        }
    }
    if (!placed)
        kept << ours;
    files::PrivateSaveFile save(file);
    if (auto error = save.open())
        return error;
    save.device().write((kept.join(u'\n') + u'\n').toUtf8());
    return save.commit();
}

} // namespace record
