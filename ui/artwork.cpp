// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QHash>
#include <QIcon>

namespace ui::artwork {
namespace {

QString pathOf(const char *file)
{
    return QStringLiteral(":/artwork/") + QString::fromLatin1(file);
}

// Keyed by file and size; 0 stands for the size as drawn.
QHash<std::pair<QString, int>, QPixmap> &loaded()
{
    static QHash<std::pair<QString, int>, QPixmap> pixmaps;
    return pixmaps;
}

} // namespace

QPixmap picture(const char *file)
{
    if (!*file)
        return {};
    QPixmap &pixmap = loaded()[{QString::fromLatin1(file), 0}];
    if (pixmap.isNull())
        pixmap = QPixmap(pathOf(file));
    return pixmap;
}

QPixmap icon(const char *file, int size)
{
    if (!*file)
        return {};
    QPixmap &pixmap = loaded()[{QString::fromLatin1(file), size}];
    if (pixmap.isNull())
        pixmap = QIcon(pathOf(file)).pixmap(size, size);
    return pixmap;
}

} // namespace ui::artwork
