// SPDX-License-Identifier: GPL-3.0-or-later
// Key to verdict with the pupil's record kept and without, in one run: two
// real windows, offscreen, answered in turn (alternating which goes first).
// Each answer is timed from Enter in the answer box to the verdict painted
// (the posted events delivered), and on to the event loop run dry, which
// takes in the handing of the answer to the record's thread. Prints the
// medians and the median of the per-pair ratios of both, first with the
// file free, then with another program (the sqlite3 tool) holding its
// write lock.
//     bench_record [answers]        (default 400)
#include "quiz/randomsource.h"
#include "ui/window/appsetup.h"
#include "ui/window/platform.h"
#include "ui/window/tavola.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Notes when the verdict's label is painted.
class PaintWatch : public QObject
{
public:
    QElapsedTimer *timer = nullptr;
    double paintedMs = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && timer && paintedMs < 0)
            paintedMs = double(timer->nsecsElapsed()) / 1e6;
        return false;
    }
};

struct Window
{
    explicit Window(quint64 seed) : random(seed), tavola(clock, random, platform) {}

    void watchVerdict()
    {
        tavola.findChild<QWidget *>(QStringLiteral("lblMessage"))->installEventFilter(&watch);
    }

    struct Times
    {
        double painted = 0; // the verdict on screen
        double idle = 0;    // and what runs after it
    };

    // Types an answer (right or wrong in turn, as a pupil would) and times
    // Enter to the verdict and on; then the next problem.
    Times answerOnce(int i)
    {
        auto *box = tavola.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
        const QString typed =
            i % 3 ? QString::number(tavola.state().ExpectedValue, 'g', 6).replace(u'.', u',')
                  : QStringLiteral("1");
        QTest::keyClicks(box, typed);
        QElapsedTimer timer;
        timer.start();
        watch.timer = &timer;
        watch.paintedMs = -1;
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        Times times;
        times.idle = double(timer.nsecsElapsed()) / 1e6;
        times.painted = watch.paintedMs < 0 ? times.idle : watch.paintedMs;
        watch.timer = nullptr;
        tavola.findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
        QCoreApplication::processEvents();
        return times;
    }

    quiz::SystemClock clock;
    quiz::MixingRandomSource random;
    ui::DesktopPlatform platform;
    ui::Tavola tavola;
    PaintWatch watch;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    // The settings of this run only: no remembered review or pupil.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    const int answers = argc > 1 ? std::max(10, std::atoi(argv[1])) : 400;

    Window kept(1), bare(1);
    kept.tavola.keepRecord(dir.filePath(QStringLiteral("record.sqlite")));
    kept.tavola.start();
    bare.tavola.start();
    kept.watchVerdict();
    bare.watchVerdict();
    for (int i = 0; i < 20; ++i) { // warm-up: the file made, caches filled
        kept.answerOnce(i);
        bare.answerOnce(i);
    }

    const auto measure = [&](const char *title) {
        std::vector<double> keptPainted, barePainted, paintedRatios, keptIdle, bareIdle, idleRatios;
        for (int i = 0; i < answers; ++i) {
            Window::Times withRecord, without;
            if (i % 2 == 0) {
                withRecord = kept.answerOnce(i);
                without = bare.answerOnce(i);
            } else {
                without = bare.answerOnce(i);
                withRecord = kept.answerOnce(i);
            }
            keptPainted.push_back(withRecord.painted);
            barePainted.push_back(without.painted);
            paintedRatios.push_back(withRecord.painted / without.painted);
            keptIdle.push_back(withRecord.idle);
            bareIdle.push_back(without.idle);
            idleRatios.push_back(withRecord.idle / without.idle);
        }
        std::printf("%d interleaved answers, offscreen, %s\n", answers, title);
        std::printf("key to verdict painted     record kept %7.3f ms   no record %7.3f ms   "
                    "median ratio %.3f\n",
                    median(keptPainted), median(barePainted), median(paintedRatios));
        std::printf("key to idle                record kept %7.3f ms   no record %7.3f ms   "
                    "median ratio %.3f\n",
                    median(keptIdle), median(bareIdle), median(idleRatios));
    };
    measure("the record's file free");

    QProcess holder;
    holder.start(QStringLiteral("sqlite3"), {dir.filePath(QStringLiteral("record.sqlite"))});
    // The tool keeps the transaction open while it waits for more input.
    holder.write("BEGIN IMMEDIATE;\nSELECT 'locked';\n");
    if (!holder.waitForReadyRead(10000)) {
        std::printf("no sqlite3 tool: the run with the lock held is left out\n");
        return 0;
    }
    measure("another program holding the file's write lock");
    holder.closeWriteChannel();
    holder.waitForFinished();
    return 0;
}
