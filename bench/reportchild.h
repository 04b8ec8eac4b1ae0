// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QStringList>
#include <QTemporaryFile>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

// One run of the program's report command in a process of its own: how long
// it took, from start to exit, and the most memory it held.
struct ChildRun
{
    double seconds = 0;
    long peakMb = 0;
    int status = -1;
};

// The peak comes from /usr/bin/time, a small process of its own: a child
// spawned straight from a large benchmark would count the benchmark's pages
// as its own until it runs the program.
inline ChildRun runChild(const QString &program, const QStringList &arguments,
                         const QList<QByteArray> &extraEnvironment = {})
{
    QTemporaryFile peak;
    peak.open();
    QList<QByteArray> storage{"/usr/bin/time",      "-f", "%M", "-o", peak.fileName().toLocal8Bit(),
                              program.toLocal8Bit()};
    for (const QString &argument : arguments)
        storage << argument.toLocal8Bit();
    QList<char *> argv;
    for (QByteArray &item : storage)
        argv << item.data();
    argv << nullptr;
    QList<QByteArray> environment = extraEnvironment;
    for (char **variable = environ; *variable; ++variable)
        environment << QByteArray(*variable);
    QList<char *> envp;
    for (QByteArray &item : environment)
        envp << item.data();
    envp << nullptr;
    ChildRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.seconds = timer.nsecsElapsed() / 1e9;
    // After a line saying how the command failed, if it did.
    run.peakMb = peak.readAll().trimmed().split('\n').last().toLong() / 1024;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
