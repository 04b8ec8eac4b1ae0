// SPDX-License-Identifier: GPL-3.0-or-later
// Hands numbered answers to a record, as the window does, and says the
// number of the last one the file holds each time it grows, so a test can
// kill it at any moment and know what it was told.
// Arguments: FILE COUNT NAME [--hang] [--limit BYTES]
// With --limit no file may grow beyond BYTES (a small disk) until a line
// "room" comes on the standard input. "trouble" when the file refuses.
#include "record/recordservice.h"
#include "recordrows.h"

#include "quiz/clock.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead
    const rlimit limit{bytes, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4)
        return 2;
    const int count = arguments.at(2).toInt();
    const bool hang = arguments.contains(QStringLiteral("--hang"));
    const qsizetype limitAt = arguments.indexOf(QStringLiteral("--limit"));
    if (limitAt > 0)
        limitFileSize(rlim_t(arguments.value(limitAt + 1).toLongLong()));

    quiz::SystemClock clock;
    auto record = std::make_unique<record::RecordThread>(arguments.at(1), clock);
    int stored = 0;
    QObject::connect(record.get(), &record::RecordThread::answersStored, &app, [&](int now) {
        stored = now;
        std::printf("%d\n", now - 1);
        std::fflush(stdout);
        if (stored == count && !hang)
            app.quit();
    });
    QObject::connect(record.get(), &record::RecordThread::trouble, &app, [] {
        std::printf("trouble\n");
        std::fflush(stdout);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[16] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) > 0 && QByteArray(line).startsWith("room"))
            limitFileSize(RLIM_INFINITY);
    });
    record->setPupil(arguments.at(3), QStringLiteral("3B"));
    record->startSession(1);
    for (int i = 0; i < count; ++i)
        record->addAnswer(numberedAnswer(i));
    std::printf("handed\n");
    std::fflush(stdout);
    QTimer::singleShot(100000, &app, &QCoreApplication::quit);
    if (stored < count || hang)
        app.exec();
    record.reset();
    std::printf("waiting %d\n", count - stored);
    return 0;
}
