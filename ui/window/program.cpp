// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/program.h"

#include "ui/window/appsetup.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace ui {
namespace {

// Runs before the members, so the window finds the fonts and the style ready.
quiz::MixingRandomSource prepared(QApplication &app)
{
    prepareApplication(app);
    return quiz::MixingRandomSource::fromEntropy();
}

// A signal handler may do next to nothing: it writes the signal's number
// into a pipe, and the event loop reads it there.
int signalPipe[2] = {-1, -1};

void onEndSignal(int signal)
{
    const char number = char(signal);
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &number, 1);
}

} // namespace

Program::Program(QApplication &app)
    : m_random(prepared(app)), m_window(m_clock, m_random, m_platform)
{
    // SIGTERM, and SIGHUP when the desktop session ends, close the record
    // before the program ends as the signal asks.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &m_window);
    QObject::connect(notifier, &QSocketNotifier::activated, &m_window, [this] {
        char number = 0;
        if (::read(signalPipe[1], &number, 1) != 1)
            return;
        m_window.endOnSignal();
        std::signal(number, SIG_DFL);
        std::raise(number);
    });
    struct sigaction action
    {
    };
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace ui
