// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupprobe.h"

#include "ui/window/program.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace ui::startupprobe {
namespace {

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

// Reports once, after the paint that shows what was awaited has finished.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(std::function<bool(QObject *)> awaited) : m_awaited(std::move(awaited)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && m_awaited(watched)) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("painted %ld\n", peakResidentKb());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    std::function<bool(QObject *)> m_awaited;
    bool m_seen = false;
};

} // namespace

int run(int argc, char *argv[], Window window)
{
    QApplication app(argc, argv);
    if (window == Window::Bare) {
        QLabel label(QStringLiteral("Solvetra"));
        FirstPaint probe([&label](QObject *watched) { return watched == &label; });
        app.installEventFilter(&probe);
        label.show();
        return app.exec();
    }

    // What the program's entry does, then wait for the question to be painted.
    FirstPaint probe([](QObject *watched) {
        const auto *label = qobject_cast<QLabel *>(watched);
        return label && label->objectName() == QLatin1String("Label5") && !label->text().isEmpty();
    });
    app.installEventFilter(&probe);
    Program program(app);
    if (window == Window::QuizWithRecord)
        program.window().keepRecord(qEnvironmentVariable("SOLVETRA_BENCH_RECORD"));
    program.window().start();
    return app.exec();
}

} // namespace ui::startupprobe
