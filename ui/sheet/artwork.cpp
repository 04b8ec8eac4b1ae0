// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/artwork.h"

#include <QHash>
#include <QIconEngine>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cmath>

namespace ui::artwork {
namespace {

constexpr std::array<int, 3> fileScales{1, 2, 3};
// The window system is handed every size at once, so only those it uses; the
// larger files are for the desktop entry.
constexpr std::array<int, 6> windowIconSizes{16, 24, 32, 48, 64, 128};
constexpr QPoint pointerHotSpot(2, 2);

QString pathOf(const QString &name, int scale)
{
    const QString base = QStringLiteral(":/artwork/") + name;
    return scale == 1 ? base + QStringLiteral(".png")
                      : base + QStringLiteral("@%1x.png").arg(scale);
}

// The smallest file with at least as many pixels as the ratio asks for.
int fileScaleFor(qreal ratio)
{
    return std::clamp(int(std::ceil(ratio - 0.01)), fileScales.front(), fileScales.back());
}

// A restart reuses what the first start read.
QPixmap file(const QString &name, int scale)
{
    static QHash<std::pair<QString, int>, QPixmap> loaded;
    QPixmap &pixmap = loaded[{name, scale}];
    if (pixmap.isNull()) {
        pixmap = QPixmap::fromImage(readPng(pathOf(name, scale)));
        pixmap.setDevicePixelRatio(scale);
    }
    return pixmap;
}

QIcon decodedWindowIcon()
{
    QIcon icon;
    for (int size : windowIconSizes)
        icon.addPixmap(
            QPixmap::fromImage(readPng(QStringLiteral(":/artwork/tavola-%1.png").arg(size))));
    return icon;
}

// Decodes the window icon's files when a picture of it is first asked for:
// a window system that shows no icon never pays for them.
class WindowIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return decoded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : windowIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine *clone() const override { return new WindowIconEngine(*this); }

private:
    const QIcon &decoded()
    {
        if (m_decoded.isNull())
            m_decoded = decodedWindowIcon();
        return m_decoded;
    }

    QIcon m_decoded;
};

} // namespace

QImage readPng(const QString &path)
{
    QImageReader reader(path, "png");
    // Without this the reader offers the file to every image plugin first.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap picture(const QString &name, qreal devicePixelRatio, qreal sheetScale)
{
    if (name.isEmpty())
        return {};
    const qreal ratio = devicePixelRatio * sheetScale;
    const int scale = fileScaleFor(ratio);
    const QPixmap source = file(name, scale);
    if (source.isNull())
        return source;
    // The file's pixels may be just right (a half-size sheet on a 2x screen)
    // but they are laid out at the screen's ratio.
    QPixmap scaled = qFuzzyCompare(ratio, qreal(scale))
                         ? source
                         : source.scaled((source.deviceIndependentSize() * ratio).toSize(),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

QIcon windowIcon()
{
    return QIcon(new WindowIconEngine);
}

QCursor pointer(qreal devicePixelRatio)
{
    // Qt takes the hotspot in the picture's designed pixels.
    return QCursor(picture(QStringLiteral("pointer"), devicePixelRatio), pointerHotSpot.x(),
                   pointerHotSpot.y());
}

} // namespace ui::artwork
