// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

#include <memory>

// A child program that writes answers and says the number of each one it
// has committed, a line each.
inline std::unique_ptr<QProcess> startChild(const QString &program, const QStringList &arguments)
{
    auto child = std::make_unique<QProcess>();
    child->start(program, arguments);
    child->waitForStarted();
    return child;
}

// Reads the child's output until it has said it took answer number atLeast;
// returns the last number it said, -1 for none.
inline int acknowledgedUpTo(QProcess &child, int atLeast)
{
    int last = -1;
    const QDeadlineTimer deadline(60000);
    while (last < atLeast && !deadline.hasExpired() && child.waitForReadyRead(5000)) {
        while (child.canReadLine()) {
            bool number = false;
            const int i = child.readLine().trimmed().toInt(&number);
            if (number)
                last = i;
        }
    }
    return last;
}
