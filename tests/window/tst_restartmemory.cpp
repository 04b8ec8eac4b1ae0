// SPDX-License-Identifier: GPL-3.0-or-later
// Live heap stays flat over restarts once Qt's caches have filled.
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/restartloop.h"
#include "ui/window/tavola.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

// The offscreen platform warns at every maximising; a restart maximises.
QtMessageHandler qtTestHandler = nullptr;
void dropPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        qtTestHandler(type, context, message);
}

} // namespace

class TestRestartMemory : public QObject
{
    Q_OBJECT

private slots:
    void heapFlatOverRestarts();
};

void TestRestartMemory::heapFlatOverRestarts()
{
    if (!liveheap::measurable())
        QSKIP(
            "this allocator does not report the live heap through mallinfo2 (a sanitizer build?)");
    qtTestHandler = qInstallMessageHandler(dropPlatformNoise);
    FakeClock clock;
    quiz::MixingRandomSource random(1); // keeps no record of its draws
    FakePlatform platform;
    ui::Tavola tavola(clock, random, platform);
    tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));

    QStringList curve;
    const long long growth = restartloop::growthAfterWarmUp(
        [&tavola] { restartloop::restart(&tavola); },
        [&curve](int i, long long bytes) { curve << QStringLiteral("%1: %2").arg(i).arg(bytes); });
    qInstallMessageHandler(qtTestHandler);
    qInfo("live heap after restarts %s; growth from %d to %d: %lld bytes",
          qPrintable(curve.join(u' ')), restartloop::warmUp, restartloop::rounds, growth);
    QVERIFY2(growth <= restartloop::allowedGrowth,
             qPrintable(QStringLiteral("grew %1 bytes").arg(growth)));
}

int main(int argc, char *argv[])
{
    liveheap::withoutThreadCache(argv);
    QApplication app(argc, argv);
    TestRestartMemory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_restartmemory.moc"
