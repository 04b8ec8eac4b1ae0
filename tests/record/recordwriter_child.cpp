// SPDX-License-Identifier: GPL-3.0-or-later
// Writes numbered answers to a record and says each one once it is
// committed, so a test can kill it at any moment and know what it was told.
// Arguments: FILE COUNT NAME [--hang]
#include "record/recordwriter.h"
#include "recordrows.h"

#include "quiz/clock.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4)
        return 2;
    quiz::SystemClock clock;
    record::RecordWriter writer(arguments.at(1), clock);
    writer.setPupil(arguments.at(3), QStringLiteral("3B"));
    writer.startSession(1);
    const int count = arguments.at(2).toInt();
    for (int i = 0; i < count; ++i) {
        if (writer.addAnswer(numberedAnswer(i)))
            std::printf("%d\n", i);
        std::fflush(stdout);
    }
    while (arguments.contains(QStringLiteral("--hang")))
        QThread::sleep(1);
    writer.endSession();
    std::printf("waiting %lld\n", static_cast<long long>(writer.waiting()));
    return 0;
}
