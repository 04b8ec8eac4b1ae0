// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupprobe.h"

#include "app/schoolsettings.h"
#include "record/recordfile.h"
#include "ui/window/appsetup.h"
#include "ui/window/program.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace ui::startupprobe {
namespace {

constexpr int quietMs = 200;

// VmHWM: the most resident memory the process has held so far.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void report(const char *what, long long ns)
{
    std::printf("%s %lld %ld\n", what, ns, peakResidentKb());
    std::fflush(stdout);
}

// Watches every paint. A zero timer posted at a paint runs once the paint
// has been flushed to the screen.
class PaintWatch : public QObject
{
public:
    PaintWatch(std::function<bool(QObject *)> awaited, End end)
        : m_awaited(std::move(awaited)), m_end(end)
    {
        m_quiet.setSingleShot(true);
        m_quiet.setInterval(quietMs);
        connect(&m_quiet, &QTimer::timeout, this, &PaintWatch::settle);
    }

    void settle()
    {
        if (!m_painted || m_settled)
            return;
        m_settled = true;
        m_quiet.stop();
        report("settled", m_lastChange);
        if (m_end == End::WhenSettled)
            QCoreApplication::quit();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_settled)
            return false;
        const bool first = !m_painted && m_awaited(watched);
        if (first)
            m_painted = true;
        if (m_painted && !m_stampPending) {
            m_stampPending = true;
            QTimer::singleShot(0, this, [this, first] { stamp(first); });
        }
        return false;
    }

private:
    void stamp(bool first)
    {
        m_stampPending = false;
        m_lastChange = monotonicNs();
        if (first) {
            report("painted", m_lastChange);
            if (m_end == End::AtFirstPaint)
                ::_exit(0); // nothing after the first flush is counted
        }
        m_quiet.start();
    }

    std::function<bool(QObject *)> m_awaited;
    End m_end;
    QTimer m_quiet;
    long long m_lastChange = 0;
    bool m_painted = false;
    bool m_stampPending = false;
    bool m_settled = false;
};

} // namespace

int run(int argc, char *argv[], Window window, End end)
{
    if (window == Window::Bare) {
        QApplication app(argc, argv);
        // Shown maximised as the quiz is, so that both fill the same screen
        // (and backing store); its first paint counts once it is maximised.
        QLabel label(QStringLiteral("Solvetra"));
        label.adjustSize();
        const QSize unplaced = label.size();
        PaintWatch watch(
            [&label, unplaced](QObject *watched) {
                return watched == &label && label.isMaximized() && label.size() != unplaced;
            },
            end);
        app.installEventFilter(&watch);
        label.showMaximized();
        return app.exec();
    }

    // What the program's entry does, then wait for the question to be painted.
    if (window == Window::Quiz)
        prepareEnvironment();
    QApplication app(argc, argv);
    PaintWatch watch(
        [](QObject *watched) {
            const auto *label = qobject_cast<QLabel *>(watched);
            return label && label->objectName() == QLatin1String("Label5") &&
                   !label->text().isEmpty();
        },
        end);
    app.installEventFilter(&watch);
    Program program(app);
    program.window().keepRecord(record::defaultRecordPath(), app::readSchoolSettings().places);
    program.window().start();
    if (auto *clock = program.window().findChild<QTimer *>(QStringLiteral("Timer1")))
        QObject::connect(clock, &QTimer::timeout, &watch, &PaintWatch::settle);
    return app.exec();
}

} // namespace ui::startupprobe
