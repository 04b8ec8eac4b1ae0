// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's program as far as the record goes: answers one every PAUSE
// milliseconds into its own record, which it shares with the server and/or
// the class folder, saying on standard output the number of each answer the
// record took and on standard error each trouble line. At the end it waits
// (at most a minute) until no answer waits to be sent, then exits.
// Arguments: RECORD COUNT NAME PAUSE [--server URL] [--copy PATH]
#include "record/recordsharing.h"
#include "record/recordwriter.h"
#include "recordrows.h"

#include "quiz/clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

QString option(const QStringList &arguments, const QString &name)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

int unsent(const QString &path)
{
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT count(*) FROM answer WHERE sent = 0")) &&
            query.next())
            count = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 5)
        return 2;
    const QString path = arguments.at(1);
    const int count = arguments.at(2).toInt();
    record::SharePlaces places;
    if (const QString url = option(arguments, QStringLiteral("--server")); !url.isEmpty())
        places.server = record::serverAddressOf(url).value_or(record::ServerAddress{});
    places.classCopy = option(arguments, QStringLiteral("--copy"));

    quiz::SystemClock clock;
    record::RecordWriter writer(path, clock);
    writer.setPupil(arguments.at(3), QStringLiteral("3B"));
    writer.startSession(1);
    auto sharing = std::make_unique<record::RecordSharing>(path, places,
                                                           std::chrono::milliseconds(200));
    QObject::connect(sharing.get(), &record::RecordSharing::trouble, &app, [](const QString &line) {
        std::fprintf(stderr, "trouble: %s\n", qPrintable(line));
    });

    int given = 0;
    QTimer answers;
    answers.setInterval(arguments.at(4).toInt());
    QObject::connect(&answers, &QTimer::timeout, &app, [&] {
        if (given == count) {
            answers.stop();
            app.quit();
            return;
        }
        if (writer.addAnswer(numberedAnswer(given)))
            std::printf("%d\n", given);
        std::fflush(stdout);
        sharing->answerWritten();
        ++given;
    });
    answers.start();
    app.exec();

    writer.endSession();
    const QDeadlineTimer deadline(places.server.isNamed() ? 60000 : 0);
    while (!deadline.hasExpired() && unsent(path) != 0) {
        QCoreApplication::processEvents();
        QThread::msleep(50);
    }
    sharing.reset();
    std::printf("unsent %d\n", unsent(path));
    return 0;
}
