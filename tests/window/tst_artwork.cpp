// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "ui/sheet/artwork.h"
#include "ui/window/appsetup.h"
#include "ui/window/tavola.h"

#include <QApplication>

#include <QFile>
#include <QGuiApplication>
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
