// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/passwordprompt.h"

#include "record/serverlink.h"

#include <QCoreApplication>

#include <cstdio>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace app {

namespace {

// Reads one line from the terminal itself, so a redirected standard input
// is never taken for the password.
QString readHidden(const QString &prompt)
{
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (tty < 0)
        return {};
    termios saved{};
    const bool isTerminal = ::tcgetattr(tty, &saved) == 0;
    if (isTerminal) {
        termios hidden = saved;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(tty, TCSAFLUSH, &hidden);
    }
    const QByteArray text = prompt.toLocal8Bit();
    [[maybe_unused]] ssize_t shown = ::write(tty, text.constData(), size_t(text.size()));
    QByteArray line;
    char c = 0;
    while (::read(tty, &c, 1) == 1 && c != '\n')
        line.append(c);
    if (isTerminal)
        ::tcsetattr(tty, TCSAFLUSH, &saved);
    shown = ::write(tty, "\n", 1);
    ::close(tty);
    return QString::fromLocal8Bit(line);
}

} // namespace

QString askServerPassword(const QStringList &records)
{
    if (!::isatty(STDIN_FILENO))
        return {};
    for (const QString &url : records) {
        const auto address = record::serverAddressOf(url);
        if (!address || !address->password.isEmpty())
            continue;
        record::ServerLink link(*address);
        if (link.open() || link.problem() != record::ServerProblem::NoPassword)
            continue;
        return readHidden(QCoreApplication::translate("report", "Password di %1: ")
                              .arg(address->shown()));
    }
    return {};
}

} // namespace app
