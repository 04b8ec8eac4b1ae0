// SPDX-License-Identifier: GPL-3.0-or-later
// A school of 1,000 pupils in 40 classes on one PostgreSQL server of its own
// (started in a temporary folder, commits reaching the disk), filled by the
// server itself to a quarter, half and all of a year's 2 million answers. At
// each size: the answers per second that 30 pupils' programs send at once,
// each answer through its own record file and its own commit as in the quiz;
// and the teacher's report over the year, run as the program's own command in
// a process of its own: the PDF for one class and for the whole school, from
// sums the server works out, beside psql running the same statements alone;
// and the school's answers as CSV, streamed. The time and the peak memory of
// each. The largest size is the first argument (2,000,000 if none).
#include "print/classreport.h"
#include "quiz/clock.h"
#include "record/answersender.h"
#include "record/recordreader.h"
#include "record/recordwriter.h"
#include "reportchild.h"
#include "support/pgserver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int pupils = 1000;
constexpr int clients = 30;
constexpr int answersPerClient = 200;
constexpr qint64 yearOfAnswers = 2'000'000;

// Answer g of the year: pupils in turn, days in order over 270 school days.
// 25 pupils a class, classes 1A..5H.
const QString generated = QStringLiteral(
    "INSERT INTO answer (uuid, at, pupil, class, level, kind, m, n, given1, given2, asked,"
    " expected, typed, \"right\", seconds, seq)"
    " SELECT gen_random_uuid(), timestamp '2025-09-15 08:00' + (g * 270 / %3) * interval '1 day'"
    " + (g % 300) * interval '1 second', 'Alunno ' || lpad((g % %4)::text, 4, '0'),"
    " ((g % %4) / 25 % 5 + 1)::text || chr(65 + (g % %4) / 125), 1 + g % 3,"
    " (ARRAY['AH:BH,HC','BH:AB,BC','HC:AC,BC','AB:BH,BC','AC:HC,BC'])[1 + g % 5], 3,"
    " 1 + g % 15, 1.8 * (1 + g % 15), 3.2 * (1 + g % 15), 'AH', 2.4 * (1 + g % 15),"
    " (g % 100)::text, g % 10 < 7, 3 + g % 11, g FROM generate_series(%1, %2) g");

class Client : public QThread
{
public:
    Client(QString record, record::ServerAddress server, int number)
        : m_record(std::move(record)), m_server(std::move(server)), m_number(number)
    {
    }

private:
    void run() override
    {
        quiz::SystemClock clock;
        record::RecordWriter writer(m_record, clock);
        writer.setPupil(QStringLiteral("Prova %1").arg(m_number), QStringLiteral("prova"));
        record::AnswerSender sender(m_record, m_server);
        for (int i = 0; i < answersPerClient; ++i) {
            // An answer the server's bounds take: the 3-4-5 triangle times n.
            record::AnswerRow row;
            row.kind = QStringLiteral("AH:BH,HC");
            row.asked = QStringLiteral("AH");
            row.m = 3;
            row.n = 1 + i % 15;
            row.given1 = 1.8 * row.n;
            row.given2 = 3.2 * row.n;
            row.expected = 2.4 * row.n;
            row.typed = QString::number(i);
            writer.addAnswer(row);
            if (!sender.sendWaiting())
                std::fprintf(stderr, "client %d: not sent\n", m_number);
        }
    }

    QString m_record;
    record::ServerAddress m_server;
    int m_number;
};

double insertRate(PgServer &server, const QString &folder, int round)
{
    std::vector<std::unique_ptr<Client>> running;
    for (int i = 0; i < clients; ++i)
        running.push_back(std::make_unique<Client>(
            QStringLiteral("%1/client-%2-%3.sqlite").arg(folder).arg(round).arg(i), server.pupil(),
            i));
    QElapsedTimer timer;
    timer.start();
    for (auto &client : running)
        client->start();
    for (auto &client : running)
        client->wait();
    return clients * answersPerClient / (timer.nsecsElapsed() / 1e9);
}

const QString teacherUrl(const PgServer &server)
{
    return server.url(QStringLiteral("solvetra_teacher"),
                      QString::fromLatin1(PgServer::teacherPassword));
}

const QStringList yearOptions = {QStringLiteral("--from"), QStringLiteral("2025-09-01"),
                                 QStringLiteral("--to"), QStringLiteral("2026-06-30")};

ChildRun report(const PgServer &server, const QString &output, const QString &className)
{
    QStringList arguments = QStringList{QStringLiteral("--report"), output,
                                        QStringLiteral("--records"), teacherUrl(server)} +
                            yearOptions;
    if (!className.isEmpty())
        arguments << QStringLiteral("--class") << className;
    const ChildRun run = runChild(QStringLiteral(SOLVETRA_BINARY), arguments);
    if (run.status != 0)
        std::fprintf(stderr, "the report %s failed: %d\n", qPrintable(output), run.status);
    return run;
}

// The statements the report has the server run, by psql alone.
double psqlSeconds(PgServer &server, const QString &className)
{
    record::RecordReader reader({QDate(2025, 9, 1), QDate(2026, 6, 30), className});
    QElapsedTimer timer;
    timer.start();
    server.psql(reader.serverStatements().join(QStringLiteral(";\n")),
                QStringLiteral("solvetra_teacher"), QString::fromLatin1(PgServer::teacherPassword));
    if (!server.error().isEmpty())
        std::fprintf(stderr, "psql: %s\n", qPrintable(server.error()));
    return timer.nsecsElapsed() / 1e9;
}

void printRun(const char *what, const ChildRun &run, const char *target)
{
    std::printf("    %-28s %6.2f s, peak %4ld MB (target %s)\n", what, run.seconds, run.peakMb,
                target);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the report command does: the zone read once, not at every time.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QGuiApplication application(argc, argv);
    if (!PgServer::installed()) {
        std::puts("PostgreSQL 15 is not installed (/usr/lib/postgresql/15/bin): nothing measured");
        return 0;
    }
    PgServer server;
    server.durable = true;
    if (const QString why = server.start(); !why.isEmpty()) {
        std::printf("the server did not start: %s\n", qPrintable(why));
        return 1;
    }
    QTemporaryDir folder;
    qint64 made = 0;
    int round = 0;
    // One size given on the command line measures that size only.
    const qint64 largest =
        argc > 1 ? std::clamp<qint64>(QByteArray(argv[1]).toLongLong(), 4, yearOfAnswers)
                 : yearOfAnswers;
    const QList<qint64> sizes{largest / 4, largest / 2, largest};
    for (const qint64 size : sizes) {
        QElapsedTimer making;
        making.start();
        server.psql(generated.arg(made).arg(size - 1).arg(yearOfAnswers).arg(pupils));
        server.psql(QStringLiteral("VACUUM ANALYZE answer"));
        made = size;
        std::printf("%lld answers (made by the server in %.1f s)\n", static_cast<long long>(size),
                    making.elapsed() / 1e3);
        std::printf("  %d clients at once: %.0f answers/s\n", clients,
                    insertRate(server, folder.path(), ++round));
        for (int run = 1; run <= 3; ++run) {
            std::printf("  run %d\n", run);
            const double alone = psqlSeconds(server, {});
            const ChildRun school =
                report(server, folder.filePath(QStringLiteral("school.pdf")), {});
            std::printf("    psql, the school's sums alone: %.2f s\n", alone);
            printRun("PDF of the whole school", school, "< 5 s, < 150 MB");
            std::printf("      %.2fx psql alone (target <= 1.5x)\n", school.seconds / alone);
            const double classAlone = psqlSeconds(server, QStringLiteral("3B"));
            const ChildRun oneClass =
                report(server, folder.filePath(QStringLiteral("3B.pdf")), QStringLiteral("3B"));
            std::printf("    psql, class 3B's sums alone: %.2f s\n", classAlone);
            printRun("PDF of class 3B", oneClass, "< 0.3 s");
            std::printf("      %.2fx psql alone\n", oneClass.seconds / classAlone);
            printRun("CSV of the whole school",
                     report(server, folder.filePath(QStringLiteral("school.csv")), {}),
                     "< 15 s at 2,000,000, < 150 MB");
        }
        std::fflush(stdout);
    }
    return 0;
}
