// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordsharing.h"
#include "record/recordwriter.h"
#include "recordrows.h"
#include "support/childprocess.h"
#include "support/fakes.h"
#include "support/pgserver.h"
#include "support/sqlitecli.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

QStringList troubleLines(QProcess &child)
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(child.readAllStandardError()).split(u'\n')) {
        if (line.startsWith(QLatin1String("trouble: ")))
            lines << line;
    }
    return lines;
}

QStringList sortedLines(const QString &text)
{
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

} // namespace

class TestSchoolServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!PgServer::installed())
            QSKIP("PostgreSQL 15 is not installed (/usr/lib/postgresql/15/bin): apt-get install "
                  "postgresql");
        if (!sqliteCliFound())
            QSKIP("sqlite3 is not installed");
        const QString why = m_server.start();
        QVERIFY2(why.isEmpty(), qPrintable(why));
        m_passwords = m_server.addPupils(
            {QStringLiteral("ada"), QStringLiteral("bruno"), QStringLiteral("dora")});
        QVERIFY2(m_passwords.size() == 3, qPrintable(m_server.error()));
    }

    void init()
    {
        m_server.psql(QStringLiteral("TRUNCATE answer, solution_opened, answers_per_day"));
        QCOMPARE(m_server.error(), QString());
    }

    void twoProgramsAnswersArriveOnceEach()
    {
        constexpr int each = 40;
        auto first = startChild(QStringLiteral(SHARING_CHILD), {m_dir.filePath(QStringLiteral("ada.sqlite")), QString::number(each),
                                 QStringLiteral("Ada"), QStringLiteral("5"), QStringLiteral("--server"),
                                 urlOf(QStringLiteral("ada"))});
        auto second = startChild(QStringLiteral(SHARING_CHILD), {m_dir.filePath(QStringLiteral("bruno.sqlite")),
                                  QString::number(each), QStringLiteral("Bruno"), QStringLiteral("5"),
                                  QStringLiteral("--server"), urlOf(QStringLiteral("bruno"))});
        QVERIFY(first->waitForFinished(100000));
        QVERIFY(second->waitForFinished(100000));
        QVERIFY(first->readAllStandardOutput().contains("unsent 0"));
        QVERIFY(second->readAllStandardOutput().contains("unsent 0"));

        QCOMPARE(m_server.psql(QStringLiteral("SELECT pupil, count(*), count(DISTINCT typed)"
                                              " FROM answer GROUP BY pupil ORDER BY pupil")),
                 QStringLiteral("Ada|%1|%1\nBruno|%1|%1").arg(each));
        // The same ids on both sides.
        const QString local =
            sqliteCli(m_dir.filePath(QStringLiteral("ada.sqlite")),
                      QStringLiteral("SELECT uuid FROM answer")) +
            u'\n' +
            sqliteCli(m_dir.filePath(QStringLiteral("bruno.sqlite")),
                      QStringLiteral("SELECT uuid FROM answer"));
        QCOMPARE(sortedLines(m_server.psql(QStringLiteral("SELECT uuid FROM answer"))),
                 sortedLines(local));
    }

    void reportFromServerEqualsReportFromFiles_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("filter");
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QTest::newRow("csv") << QStringLiteral("csv") << QStringList();
        QTest::newRow("pdf") << QStringLiteral("pdf") << QStringList();
        QTest::newRow("pdf of one class today")
            << QStringLiteral("pdf")
            << QStringList{QStringLiteral("--class"), QStringLiteral("3B"), QStringLiteral("--from"),
                           today, QStringLiteral("--to"), today};
    }
    void reportFromServerEqualsReportFromFiles()
    {
        QFETCH(QString, extension);
        QFETCH(QStringList, filter);
        QFile::remove(m_dir.filePath(QStringLiteral("ada.sqlite")));
        QFile::remove(m_dir.filePath(QStringLiteral("bruno.sqlite")));
        twoProgramsAnswersArriveOnceEach();
        {
            // One solution opened after its answer went: it reaches the report too.
            FakeClock clock;
            record::RecordWriter writer(m_dir.filePath(QStringLiteral("ada.sqlite")), clock);
            QVERIFY(writer.addAnswer(numberedAnswer(99)));
            QVERIFY(writer.markSolutionOpened());
            // Answers of one millisecond (the fake clock stands still): a
            // pupil's run of right answers depends on their order.
            writer.setPupil(QStringLiteral("Dora"), QStringLiteral("3B"));
            for (int i = 0; i < 12; ++i)
                QVERIFY(writer.addAnswer(numberedAnswer(i)));
            // Sent with Dora's own role: no name claims another.
            record::RecordSharing sharing(m_dir.filePath(QStringLiteral("ada.sqlite")),
                                          {pupilOf(QStringLiteral("dora")), {}});
        }
        QCOMPARE(m_server.psql(QStringLiteral("SELECT count(*) FROM solution_opened")),
                 QStringLiteral("1"));

        const QString fromServer = m_dir.filePath(QStringLiteral("server.") + extension);
        const QString fromFiles = m_dir.filePath(QStringLiteral("files.") + extension);
        QProcess teacher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGPASSWORD"), QString::fromLatin1(PgServer::teacherPassword));
        teacher.setProcessEnvironment(environment);
        teacher.start(QStringLiteral(SOLVETRA_BINARY),
                      QStringList{QStringLiteral("--report"), fromServer, QStringLiteral("--records"),
                                  m_server.url(QStringLiteral("solvetra_teacher"))} +
                          filter);
        QVERIFY(teacher.waitForFinished(60000));
        QVERIFY2(teacher.exitCode() == 0, teacher.readAllStandardError().constData());
        teacher.start(QStringLiteral(SOLVETRA_BINARY),
                      QStringList{QStringLiteral("--report"), fromFiles, QStringLiteral("--records"),
                                  m_dir.filePath(QStringLiteral("ada.sqlite")),
                                  QStringLiteral("--records"),
                                  m_dir.filePath(QStringLiteral("bruno.sqlite"))} +
                          filter);
        QVERIFY(teacher.waitForFinished(60000));
        QCOMPARE(teacher.exitCode(), 0);
        QCOMPARE(textOf(fromServer), textOf(fromFiles));
        QVERIFY(textOf(fromServer).size() > 81);
    }

    // On a terminal the teacher types the password, and it is not shown.
    void reportAsksThePasswordWithoutShowingIt()
    {
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("script (bsdutils) is not installed: no terminal to type into");
        QTemporaryDir home;
        QProcess teacher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("PGPASSWORD"));
        environment.remove(QStringLiteral("PGPASSFILE"));
        environment.insert(QStringLiteral("HOME"), home.path()); // no ~/.pgpass
        teacher.setProcessEnvironment(environment);
        const QString csv = home.filePath(QStringLiteral("report.csv"));
        const QString command = QStringLiteral("'%1' --report '%2' --records '%3'")
                                    .arg(QStringLiteral(SOLVETRA_BINARY), csv,
                                         m_server.url(QStringLiteral("solvetra_teacher")));
        teacher.start(script, {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")});
        QVERIFY(teacher.waitForStarted());
        QTest::qWait(1500); // until the prompt waits
        teacher.write(QByteArray(PgServer::teacherPassword) + '\n');
        QVERIFY(teacher.waitForFinished(30000));
        const QByteArray shown = teacher.readAll();
        QVERIFY2(shown.contains("Password di solvetra_teacher@"), shown.constData());
        QVERIFY2(!shown.contains(PgServer::teacherPassword), shown.constData());
        // The table was empty: the password was taken, and there was nothing to report.
        QVERIFY2(shown.contains("nessuna risposta"), shown.constData());
    }

    // A class name is text the teacher types: it reaches the server quoted.
    void classNameWithQuotesIsOnlyAName()
    {
        m_server.psql(QStringLiteral(
            "INSERT INTO answer (uuid, at, pupil, class, level, kind, m, n, given1, given2, asked,"
            " expected, typed, \"right\", seconds) VALUES (gen_random_uuid(), now(), 'Ada', '3B',"
            " 1, 'AH:BH,HC', 3, 1, 1.8, 3.2, 'AH', 2.4, '2,4', true, 4)"));
        QCOMPARE(m_server.error(), QString());
        QTemporaryDir dir;
        QProcess teacher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGPASSWORD"), QString::fromLatin1(PgServer::teacherPassword));
        teacher.setProcessEnvironment(environment);
        teacher.start(QStringLiteral(SOLVETRA_BINARY),
                      {QStringLiteral("--report"), dir.filePath(QStringLiteral("r.csv")),
                       QStringLiteral("--records"), m_server.url(QStringLiteral("solvetra_teacher")),
                       QStringLiteral("--class"), QStringLiteral("3B' OR ''='")});
        QVERIFY(teacher.waitForFinished(30000));
        QCOMPARE(teacher.exitCode(), 2);
        QVERIFY2(teacher.readAllStandardError().contains("nessuna risposta"), "not a plain name");
    }

    void pupilsRoleCannotRead_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("select") << QStringLiteral("SELECT count(*) FROM answer");
        QTest::newRow("update") << QStringLiteral("UPDATE answer SET typed = 'x'");
        QTest::newRow("delete") << QStringLiteral("DELETE FROM answer");
        QTest::newRow("select opened") << QStringLiteral("SELECT count(*) FROM solution_opened");
    }
    void pupilsRoleCannotRead()
    {
        QFETCH(QString, sql);
        m_server.psql(sql, QStringLiteral("solvetra_pupil"),
                      QString::fromLatin1(PgServer::pupilPassword));
        QVERIFY2(m_server.error().contains(QStringLiteral("permission denied")),
                 qPrintable(m_server.error()));
    }

    void serverStoppedMidSessionLosesNothing()
    {
        constexpr int count = 60;
        const QString path = m_dir.filePath(QStringLiteral("carla.sqlite"));
        auto child = startChild(QStringLiteral(SHARING_CHILD), {path, QString::number(count), QStringLiteral("Carla"),
                                 QStringLiteral("40"), QStringLiteral("--server"),
                                 m_server.url(QStringLiteral("solvetra_pupil"),
                                              QString::fromLatin1(PgServer::pupilPassword))});
        QVERIFY(acknowledgedUpTo(*child, 15) >= 15);
        QVERIFY(m_server.stop());
        QVERIFY(acknowledgedUpTo(*child, 35) >= 35);
        const QString why = m_server.resume();
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QVERIFY(child->waitForFinished(100000));
        QVERIFY(child->readAllStandardOutput().contains("unsent 0"));

        QCOMPARE(m_server.psql(QStringLiteral("SELECT count(*), count(DISTINCT typed) FROM answer"
                                              " WHERE pupil = 'Carla'")),
                 QStringLiteral("%1|%1").arg(count));
        const QStringList trouble = troubleLines(*child);
        QCOMPARE(trouble.size(), 1);
        QVERIFY2(trouble.first().contains(QStringLiteral("non risponde")),
                 qPrintable(trouble.first()));
    }

    // A server that takes the connection and then says nothing, as one
    // behind a broken network: the answers are not held up, and it is said.
    void silentServerNeverHoldsUpTheAnswers()
    {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), length) == 0);
        QVERIFY(::listen(listener, 8) == 0);
        QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        record::RecordWriter writer(path, clock);
        record::SharePlaces places{m_server.pupil(), {}};
        places.server.host = QStringLiteral("127.0.0.1");
        places.server.port = ntohs(address.sin_port);
        {
            record::RecordSharing sharing(path, places, std::chrono::milliseconds(100));
            QSignalSpy trouble(&sharing, &record::RecordSharing::trouble);
            QElapsedTimer answering;
            answering.start();
            for (int i = 0; i < 20; ++i) {
                QVERIFY(writer.addAnswer(numberedAnswer(i)));
                sharing.answerWritten();
            }
            QVERIFY2(answering.elapsed() < 1000, qPrintable(QString::number(answering.elapsed())));
            QTRY_COMPARE_WITH_TIMEOUT(trouble.size(), 1, 10000);
            QVERIFY(trouble.first().first().toString().contains(QStringLiteral("non risponde")));
        }
        ::close(listener);
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT count(*) FROM answer WHERE sent = 0")),
                 QStringLiteral("20"));
    }

    void refusingServerIsSaidOnceAndAnswersWait_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("host"); // empty: the socket
        QTest::addColumn<QString>("sslmode");
        QTest::addColumn<QString>("said");
        const QString pupil = QStringLiteral("solvetra_pupil");
        const QString good = QString::fromLatin1(PgServer::pupilPassword);
        const QString db = QString::fromLatin1(PgServer::database);
        QTest::newRow("wrong password") << pupil << QStringLiteral("sbagliata") << db << QString()
                                        << QString() << QStringLiteral("password");
        QTest::newRow("no such role") << QStringLiteral("nessuno") << good << db << QString()
                                      << QString() << QStringLiteral("password");
        QTest::newRow("no such database") << pupil << good << QStringLiteral("altra") << QString()
                                          << QString() << QStringLiteral("banca dati non esiste");
        // Over TCP the server takes only TLS connections.
        QTest::newRow("TLS required") << pupil << good << db << QStringLiteral("127.0.0.1")
                                      << QStringLiteral("disable") << QStringLiteral("cifrata");
        // The teacher's role may read but not add.
        QTest::newRow("permission denied")
            << QStringLiteral("solvetra_teacher") << QString::fromLatin1(PgServer::teacherPassword)
            << db << QString() << QString() << QStringLiteral("permesso");
    }
    void refusingServerIsSaidOnceAndAnswersWait()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, database);
        QFETCH(QString, host);
        QFETCH(QString, sslmode);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        record::RecordWriter writer(path, clock);
        record::SharePlaces places{m_server.pupil(), {}};
        places.server.user = user;
        places.server.password = password;
        places.server.database = database;
        places.server.sslmode = sslmode;
        if (!host.isEmpty())
            places.server.host = host;
        record::RecordSharing sharing(path, places, std::chrono::milliseconds(50));
        QSignalSpy trouble(&sharing, &record::RecordSharing::trouble);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(writer.addAnswer(numberedAnswer(i)));
            sharing.answerWritten();
            QTest::qWait(100);
        }
        QTRY_COMPARE(trouble.size(), 1);
        QTest::qWait(300); // several more retries, none said again
        QCOMPARE(trouble.size(), 1);
        QVERIFY2(trouble.first().first().toString().contains(said),
                 qPrintable(trouble.first().first().toString()));
        QCOMPARE(sqliteCli(path, QStringLiteral("SELECT count(*) FROM answer WHERE sent = 0")),
                 QStringLiteral("5"));
        QCOMPARE(m_server.psql(QStringLiteral("SELECT count(*) FROM answer")), QStringLiteral("0"));
    }

    // What a pupil's role does to its own defaults or password stops only
    // that pupil, if anyone: the program sets what it needs at each connection.
    void aPupilsRoleCannotStopTheSending_data()
    {
        QTest::addColumn<QString>("sql"); // run by bruno's role on itself
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("undo"); // by the superuser
        QTest::newRow("read-only by default")
            << "ALTER ROLE bruno SET default_transaction_read_only = on"
            << "bruno"
            << "ALTER ROLE bruno RESET ALL";
        QTest::newRow("a search path of its own") << "ALTER ROLE bruno SET search_path = nowhere"
                                                  << "bruno"
                                                  << "ALTER ROLE bruno RESET ALL";
        QTest::newRow("a new password locks out only its own role")
            << "ALTER ROLE bruno PASSWORD 'mia'"
            << "ada"
            << QStringLiteral("ALTER ROLE bruno PASSWORD '%1'")
                   .arg(m_passwords.value(QStringLiteral("bruno")));
    }
    void aPupilsRoleCannotStopTheSending()
    {
        QFETCH(QString, sql);
        QFETCH(QString, sender);
        QFETCH(QString, undo);
        m_server.psql(sql, QStringLiteral("bruno"), m_passwords.value(QStringLiteral("bruno")));
        QCOMPARE(m_server.error(), QString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        record::RecordWriter writer(path, clock);
        for (int i = 0; i < 5; ++i)
            QVERIFY(writer.addAnswer(numberedAnswer(i)));
        {
            record::RecordSharing sharing(path, {pupilOf(sender), {}});
            QSignalSpy trouble(&sharing, &record::RecordSharing::trouble);
            QTRY_COMPARE_WITH_TIMEOUT(
                sqliteCli(path, QStringLiteral("SELECT count(*) FROM answer WHERE sent = 0")),
                QStringLiteral("0"), 20000);
            QCOMPARE(trouble.size(), 0);
        }
        m_server.psql(undo);
        QCOMPARE(m_server.psql(QStringLiteral("SELECT sender, count(*) FROM answer GROUP BY 1")),
                 sender + QStringLiteral("|5"));
    }

    // Whatever a pupil sends by hand, the server keeps only what an answer
    // can be, and who sent it is the server's word.
    void theServerKeepsOnlyWhatAnAnswerCanBe_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("values");
        const QString columns = QStringLiteral(
            "uuid, at, pupil, class, level, kind, m, n, given1, given2, asked, expected, typed,"
            " \"right\", seconds");
        const auto row = [](const QString &at, const QString &pupil, const QString &level,
                            const QString &seconds) {
            return QStringLiteral("gen_random_uuid(), %1, %2, '3B', %3, 'AH:BH,HC', 3, 1, 1.8,"
                                  " 3.2, 'AH', 2.4, '2,4', true, %4")
                .arg(at, pupil, level, seconds);
        };
        const QString now = QStringLiteral("localtimestamp");
        QTest::newRow("level -5") << columns << row(now, "'Ada'", "-5", "4");
        QTest::newRow("negative seconds") << columns << row(now, "'Ada'", "1", "-35791394");
        QTest::newRow("seconds not a number") << columns << row(now, "'Ada'", "1", "'NaN'");
        QTest::newRow("seconds without end") << columns << row(now, "'Ada'", "1", "'Infinity'");
        QTest::newRow("dated 2099") << columns << row("'2099-01-01'", "'Ada'", "1", "4");
        QTest::newRow("a name of 61 characters")
            << columns << row(now, "repeat('x', 61)", "1", "4");
        QTest::newRow("another sender")
            << columns + QStringLiteral(", sender") << row(now, "'Ada'", "1", "4") + ", 'bruno'";
        QTest::newRow("a receiving time of its own")
            << columns + QStringLiteral(", received")
            << row(now, "'Ada'", "1", "4") + ", '2026-01-01'";
    }
    void theServerKeepsOnlyWhatAnAnswerCanBe()
    {
        QFETCH(QString, columns);
        QFETCH(QString, values);
        m_server.psql(QStringLiteral("INSERT INTO answer (%1) VALUES (%2)").arg(columns, values),
                      QStringLiteral("ada"), m_passwords.value(QStringLiteral("ada")));
        QVERIFY2(m_server.error().contains(QStringLiteral("ERROR")), "taken");
        QCOMPARE(m_server.psql(QStringLiteral("SELECT count(*) FROM answer")), QStringLiteral("0"));
    }

    // A flood from one role stops at the day's limit; the others go on.
    void aFloodStopsAtTheDaysLimit()
    {
        const QString flood = QStringLiteral(
            "INSERT INTO answer (uuid, at, pupil, class, level, kind, m, n, given1, given2, asked,"
            " expected, typed, \"right\", seconds) SELECT gen_random_uuid(), localtimestamp,"
            " 'Ada', '3B', 1, 'AH:BH,HC', 3, 1, 1.8, 3.2, 'AH', 2.4, '2,4', true, 4"
            " FROM generate_series(1, %1)");
        const QString ada = m_passwords.value(QStringLiteral("ada"));
        m_server.psql(flood.arg(2001), QStringLiteral("ada"), ada);
        QVERIFY(m_server.error().contains(QStringLiteral("more answers today")));
        m_server.psql(flood.arg(2000), QStringLiteral("ada"), ada);
        QCOMPARE(m_server.error(), QString());
        m_server.psql(flood.arg(1), QStringLiteral("ada"), ada);
        QVERIFY(!m_server.error().isEmpty());
        m_server.psql(flood.arg(1), QStringLiteral("bruno"),
                      m_passwords.value(QStringLiteral("bruno")));
        QCOMPARE(m_server.error(), QString());
        QCOMPARE(m_server.psql(QStringLiteral("SELECT sender, count(*) FROM answer GROUP BY 1"
                                              " ORDER BY 1")),
                 QStringLiteral("ada|2000\nbruno|1"));
        // And no role may hold the server's connections.
        QCOMPARE(m_server.psql(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname IN"
                                              " ('ada', 'bruno', 'dora', 'solvetra_pupil')"
                                              " AND rolconnlimit > 0")),
                 QStringLiteral("4"));
    }

    // The report names the role that sent an answer whose name says another.
    void theReportNamesTheSenderWhereTheNameSaysAnother()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        {
            record::RecordWriter writer(path, clock);
            writer.setPupil(QStringLiteral("Ada"), QStringLiteral("3B"));
            QVERIFY(writer.addAnswer(numberedAnswer(0)));
            record::RecordSharing sharing(path, {pupilOf(QStringLiteral("bruno")), {}});
        }
        {
            record::RecordWriter writer(dir.filePath(QStringLiteral("ada.sqlite")), clock);
            writer.setPupil(QStringLiteral("Ada"), QStringLiteral("3B"));
            QVERIFY(writer.addAnswer(numberedAnswer(1)));
            record::RecordSharing sharing(dir.filePath(QStringLiteral("ada.sqlite")),
                                          {pupilOf(QStringLiteral("ada")), {}});
        }
        QCOMPARE(m_server.psql(QStringLiteral("SELECT count(*) FROM answer")), QStringLiteral("2"));
        const QString csv = dir.filePath(QStringLiteral("report.csv"));
        QProcess teacher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGPASSWORD"),
                           QString::fromLatin1(PgServer::teacherPassword));
        teacher.setProcessEnvironment(environment);
        teacher.start(QStringLiteral(SOLVETRA_BINARY),
                      {QStringLiteral("--report"), csv, QStringLiteral("--records"),
                       m_server.url(QStringLiteral("solvetra_teacher"))});
        QVERIFY(teacher.waitForFinished(60000));
        QCOMPARE(teacher.exitCode(), 0);
        QStringList names =
            sortedLines(textOf(csv))
                .replaceInStrings(QRegularExpression(QStringLiteral("^[^,]*,([^,]*),.*$")),
                                  QStringLiteral("\\1"));
        names.sort();
        QCOMPARE(names.filter(QStringLiteral("Ada")),
                 (QStringList{QStringLiteral("Ada"), QStringLiteral("Ada [bruno]")}));
    }

    // No pupil's values are in the statements' text, which the server's
    // activity view and log show: they go apart from it.
    void valuesGoApartFromTheStatement()
    {
        m_server.psql(QStringLiteral("ALTER DATABASE solvetra SET log_statement = 'all'"));
        m_server.psql(QStringLiteral("ALTER DATABASE solvetra SET log_parameter_max_length = 0"));
        QCOMPARE(m_server.error(), QString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        FakeClock clock;
        {
            record::RecordWriter writer(path, clock);
            writer.setPupil(QStringLiteral("Zebedeo"), QStringLiteral("3Zeta"));
            QVERIFY(writer.addAnswer(numberedAnswer(0)));
            record::RecordSharing sharing(path, {pupilOf(QStringLiteral("ada")), {}});
        }
        m_server.psql(QStringLiteral("ALTER DATABASE solvetra RESET log_statement"));
        m_server.psql(QStringLiteral("ALTER DATABASE solvetra RESET log_parameter_max_length"));
        QCOMPARE(m_server.psql(QStringLiteral("SELECT pupil FROM answer")),
                 QStringLiteral("Zebedeo"));
        QFile log(m_server.socketFolder() + QStringLiteral("/server.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray logged = log.readAll();
        QVERIFY(logged.contains("INSERT INTO answer"));
        QVERIFY(!logged.contains("Zebedeo") && !logged.contains("3Zeta"));
    }

private:
    QString urlOf(const QString &role) const { return m_server.url(role, m_passwords.value(role)); }
    record::ServerAddress pupilOf(const QString &role) const
    {
        return m_server.pupil(role, m_passwords.value(role));
    }

    static QString textOf(const QString &path)
    {
        if (path.endsWith(QLatin1String(".csv"))) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly)
                       ? sortedLines(QString::fromUtf8(file.readAll())).join(u'\n')
                       : QString();
        }
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        pdftotext.waitForFinished(30000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    PgServer m_server;
    QMap<QString, QString> m_passwords; // of the pupils' own roles
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSchoolServer)
#include "tst_schoolserver.moc"
