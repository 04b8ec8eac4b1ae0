// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/artwork.h"

#include <QImageReader>

#include <array>
#include <cmath>

namespace ui::artwork {
namespace {

constexpr std::array<int, 3> scales{1, 2, 3};
// The window system is handed every size at once, so only those it uses; the
// larger files are for the desktop entry.
constexpr std::array<int, 6> windowIconSizes{16, 24, 32, 48, 64, 128};

QString pathOf(const QString &name, int scale)
{
    const QString base = QStringLiteral(":/artwork/") + name;
    return scale == 1 ? base + QStringLiteral(".png")
                      : base + QStringLiteral("@%1x.png").arg(scale);
}

int scaleFor(qreal devicePixelRatio)
{
    return std::clamp(int(std::ceil(devicePixelRatio - 0.01)), scales.front(), scales.back());
}

QPixmap scaledPixmap(const QString &name, int scale)
{
    QPixmap picture = QPixmap::fromImage(readPng(pathOf(name, scale)));
    picture.setDevicePixelRatio(scale);
    return picture;
}

} // namespace

QImage readPng(const QString &path)
{
    QImageReader reader(path, "png");
    // Without this the reader offers the file to every image plugin first.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap pixmap(const QString &name, qreal devicePixelRatio)
{
    return scaledPixmap(name, scaleFor(devicePixelRatio));
}

QIcon icon(const QString &name)
{
    QIcon icon;
    for (int scale : scales)
        icon.addPixmap(scaledPixmap(name, scale));
    return icon;
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addPixmap(
            QPixmap::fromImage(readPng(QStringLiteral(":/artwork/tavola-%1.png").arg(size))));
    return icon;
}

QCursor pointer(qreal devicePixelRatio)
{
    // Qt takes the hotspot in the picture's designed pixels.
    return QCursor(pixmap(QStringLiteral("pointer"), devicePixelRatio), 2, 2);
}

} // namespace ui::artwork
