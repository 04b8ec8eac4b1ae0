// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "ui/sheet/artwork.h"
#include "ui/window/appsetup.h"
#include "ui/window/tavola.h"

#include <QApplication>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QTest>

namespace {

// Image plugins this process has mapped so far.
QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString text = QString::fromLocal8Bit(line);
        if (text.contains(QStringLiteral("/imageformats/")))
            plugins << text.section(u'/', -1);
    }
    plugins.removeDuplicates();
    return plugins;
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void everyScaleIsTheDesignedSizeSharper_data();
    void everyScaleIsTheDesignedSizeSharper();
    void windowIconHasEverySize();
    void pointerHotspotStaysOnTheNose_data();
    void pointerHotspotStaysOnTheNose();
    void figureNamesItsPoints_data();
    void figureNamesItsPoints();
    void noImagePluginIsLoaded();
};

void TestArtwork::everyScaleIsTheDesignedSizeSharper_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("designed");

    QTest::newRow("triangle") << "triangle" << QSize(482, 259);
    QTest::newRow("sage") << "sage" << QSize(93, 146);
    for (const char *name :
         {"face-smile", "face-neutral", "face-laugh", "no-entry", "stopwatch", "pointer"})
        QTest::newRow(name) << name << QSize(32, 32);
}

void TestArtwork::everyScaleIsTheDesignedSizeSharper()
{
    QFETCH(QString, name);
    QFETCH(QSize, designed);

    for (qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        for (qreal sheetScale : {1.0, 0.5, 0.6, 1.25}) {
            const QString what =
                QStringLiteral("%1 at %2 x %3").arg(name).arg(ratio).arg(sheetScale);
            const QPixmap picture = ui::artwork::picture(name, ratio, sheetScale);
            QVERIFY2(!picture.isNull(), qPrintable(what));
            // Lays out at its designed size times the sheet's scale, with as
            // many pixels as the screen has there.
            const QSizeF laidOut = QSizeF(designed) * sheetScale;
            QVERIFY2(qAbs(picture.deviceIndependentSize().width() - laidOut.width()) < 1 &&
                         qAbs(picture.deviceIndependentSize().height() - laidOut.height()) < 1,
                     qPrintable(what));
            QVERIFY2(picture.width() >= qFloor(laidOut.width() * ratio), qPrintable(what));
            QVERIFY(picture.hasAlphaChannel());
        }
    }
}

void TestArtwork::windowIconHasEverySize()
{
    // The icon is decoded on first use: what a window system gets is a drawn
    // picture of each size it is offered, not an empty one.
    const QIcon icon = ui::artwork::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY2(image.pixelColor(size / 2, size / 2).alpha() > 0,
                 qPrintable(QString::number(size)));
    }
}

void TestArtwork::pointerHotspotStaysOnTheNose_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("3x") << 3.0;
}

void TestArtwork::pointerHotspotStaysOnTheNose()
{
    QFETCH(qreal, ratio);
    const QCursor cursor = ui::artwork::pointer(ratio);
    QCOMPARE(cursor.pixmap().width(), qRound(32 * ratio));
    QCOMPARE(cursor.hotSpot(), QPoint(2, 2));
    // The hotspot pixel, scaled, is drawn (the nose tip), not transparent.
    const QImage image = cursor.pixmap().toImage();
    const int tip = qRound(2 * ratio) + int(ratio) / 2;
    QVERIFY(qAlpha(image.pixel(tip, tip)) > 0);
}

void TestArtwork::figureNamesItsPoints_data()
{
    QTest::addColumn<QPointF>("pointTwips"); // the designed point on the window
    QTest::addColumn<QRect>("where");        // where its letter belongs, in the 1x picture
    QTest::addColumn<bool>("white");         // drawn white on the blue, else dark
    // Image4 lies at (1680, 2040) twips; the printed worksheet puts A above
    // the right angle, B left of B, C right of C and H inside, left of the foot.
    QTest::newRow("A above the right angle")
        << QPointF(3470, 2690) << QRect(79, 0, 80, 43) << false;
    QTest::newRow("B left of B") << QPointF(2070, 5290) << QRect(0, 190, 25, 60) << false;
    QTest::newRow("C right of C") << QPointF(8500, 5300) << QRect(456, 190, 26, 60) << false;
    QTest::newRow("H inside, left of the foot")
        << QPointF(3480, 5280) << QRect(80, 176, 40, 40) << true;
}

// The rendered figure carries each letter near its point, each a glyph's
// size, not covering the point itself.
void TestArtwork::figureNamesItsPoints()
{
    QFETCH(QPointF, pointTwips);
    QFETCH(QRect, where);
    QFETCH(bool, white);
    const QPointF point = (pointTwips - QPointF(1680, 2040)) / 15;
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        const QImage image = ui::artwork::picture(QStringLiteral("triangle"), ratio, 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        const qreal scale = image.width() / 482.0;
        QRectF glyph;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QPointF at = QPointF(x + 0.5, y + 0.5) / scale;
                const QColor c = image.pixelColor(x, y);
                const bool ink =
                    c.alpha() > 200 && (white ? c.lightness() > 200 : c.lightness() < 60);
                if (ink && where.contains(at.toPoint()))
                    glyph |= QRectF(at, QSizeF(1, 1) / scale);
            }
        const QString what = QStringLiteral("at %1x: glyph (%2, %3) %4 x %5")
                                 .arg(ratio)
                                 .arg(glyph.x())
                                 .arg(glyph.y())
                                 .arg(glyph.width())
                                 .arg(glyph.height());
        QVERIFY2(glyph.width() > 6 && glyph.width() < 20 && glyph.height() > 8 &&
                     glyph.height() < 20,
                 qPrintable(what));
        QVERIFY2(QLineF(glyph.center(), point).length() < 25, qPrintable(what));
        QVERIFY2(!glyph.adjusted(-1, -1, 1, 1).contains(point), qPrintable(what));
    }
}

// Runs after the other slots have read every picture.
void TestArtwork::noImagePluginIsLoaded()
{
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        QSKIP("needs /proc to list the loaded libraries");
    ui::artwork::picture(QStringLiteral("face-smile"), 1.5, 0.8);
    QCOMPARE(loadedImagePlugins(), QStringList());

    // Nor does the window, set up as the program sets it up, up to its first problem.
    ui::prepareApplication(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    FakeClock clock;
    quiz::MixingRandomSource random(1);
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    QCOMPARE(loadedImagePlugins(), QStringList());
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
