// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's window over a folder tree of real record files: the same
// figures as the PDF report of the same records, the bars beside their rows,
// the spreadsheet read back by another program, a long read cancelled, and
// the school's server read with the teacher's password.
#include "record/recordrows.h"
#include "support/fakes.h"
#include "support/pgserver.h"
#include "support/sqlitecli.h"

#include "format/displaylocale.h"
#include "format/language.h"
#include "print/classreport.h"
#include "quiz/assignment.h"
#include "record/recordsharing.h"
#include "record/recordwriter.h"
#include "record/serverpassword.h"
#include "record/xlsxreport.h"
#include "ui/teacher/pupilpage.h"
#include "ui/teacher/resultspage.h"
#include "ui/teacher/serversource.h"
#include "ui/teacher/tablechart.h"
#include "ui/teacher/teacherwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

Q_DECLARE_METATYPE(format::Language)

namespace {

// A pupil's free answers, then the first answered problems of the assignment.
void writePupil(const QString &path, const QString &name, int answers,
                const quiz::Assignment &assignment, int answered)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    FakeClock clock;
    record::RecordWriter writer(path, clock);
    writer.setPupil(name, QStringLiteral("3C"));
    writer.startSession(1);
    for (int i = 0; i < answers; ++i)
        QVERIFY(writer.addAnswer(numberedAnswer(i)));
    const QList<quiz::ProblemDraw> problems = quiz::assignmentProblems(assignment);
    for (int k = 0; k < answered; ++k) {
        quiz::Problem problem = quiz::problemOf(problems[k], format::DisplayLocale::current());
        problem.level = assignment.level;
        problem.assignment = quiz::assignmentCode(assignment);
        QVERIFY(
            writer.addAnswer(record::answerRowOf(problem, QStringLiteral("1"), k % 3 != 2, 4.5)));
    }
    writer.endSession();
}

QString pdfLayoutText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString text(const QStandardItemModel *model, int row, int column)
{
    return model->item(row, column)->text();
}

} // namespace

class TestTeacher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowShowsTheReportsFigures();
    void spreadsheetReadBack_data();
    void spreadsheetReadBack();
    void cancelReturnsQuickly();
    void chartsStandBesideTheirRows_data();
    void chartsStandBesideTheirRows();
    void serverReadAsItsReport_data();
    void serverReadAsItsReport();
    void passwordFileLeavesWhatIsNotOurs_data();
    void passwordFileLeavesWhatIsNotOurs();
    void keysDistinctInEveryLanguage_data();
    void keysDistinctInEveryLanguage();

private:
    QTemporaryDir m_dir;
    QStringList m_records;
    quiz::Assignment m_assignment;
    record::RecordContents m_contents;
    std::unique_ptr<PgServer> m_server;
    QString m_serverReport; // "answers right pupils" of --report over the server

    QString startServer();
};

void TestTeacher::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Kept on demand, to look at the files the test made.
    if (qEnvironmentVariableIsSet("SOLVETRA_KEEP_TEST_FILES")) {
        m_dir.setAutoRemove(false);
        qInfo("files in %s", qPrintable(m_dir.path()));
    }
    m_assignment.count = 6;
    m_assignment.seed = 4242;
    const QString tree = m_dir.filePath(QStringLiteral("classe"));
    // Anna finished it, Bruno (in a folder of his own) began it, Carla never did.
    m_records = {tree + QStringLiteral("/anna.sqlite"),
                 tree + QStringLiteral("/bruno/bruno.sqlite"),
                 tree + QStringLiteral("/carla.sqlite")};
    writePupil(m_records[0], QStringLiteral("Anna"), 13, m_assignment, 6);
    writePupil(m_records[1], QStringLiteral("Bruno"), 9, m_assignment, 2);
    writePupil(m_records[2], QStringLiteral("Carla"), 21, m_assignment, 0);
    QFile bad(tree + QStringLiteral("/rotto.sqlite"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a record at all");
    bad.close();
    // A link back up the tree is named, not walked again.
    QVERIFY(QFile::link(tree, tree + QStringLiteral("/bruno/giro")));
    m_contents = record::RecordReader().read(m_records);
    QCOMPARE(m_contents.files.size(), 3);
}

void TestTeacher::windowShowsTheReportsFigures()
{
    if (!sqliteCliFound() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("sqlite3 or pdftotext missing");
    ui::teacher::TeacherWindow window;
    ui::teacher::ResultsPage *page = window.results();
    QSignalSpy finished(page, &ui::teacher::ResultsPage::readFinished);
    page->readFrom({m_dir.filePath(QStringLiteral("classe"))});
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);

    // The bad file and the loop are named with their reasons.
    const QStringList skipped = [page] {
        QStringList lines;
        for (int i = 0; i < page->skippedList()->count(); ++i)
            lines << page->skippedList()->item(i)->text();
        return lines;
    }();
    QCOMPARE(skipped.size(), 2);
    QVERIFY2(skipped.filter(QStringLiteral("rotto.sqlite")).size() == 1,
             qPrintable(skipped.join('\n')));
    QVERIFY2(skipped.filter(QStringLiteral("giro")).size() == 1, qPrintable(skipped.join('\n')));

    const QString pdf = m_dir.filePath(QStringLiteral("resoconto.pdf"));
    QVERIFY(!print::writeClassReportPdf(pdf, m_contents, {}));
    const QStringList report = pdfLayoutText(pdf).split(u'\n');

    const QStandardItemModel *pupils = page->pupilsModel();
    QCOMPARE(pupils->rowCount(), 3);
    for (int row = 0; row < pupils->rowCount(); ++row) {
        const QString name = text(pupils, row, 0);
        const QString file =
            *std::find_if(m_records.cbegin(), m_records.cend(),
                          [&](const QString &f) { return f.contains(name.toLower()); });
        // The answers against a reader apart from ours.
        QCOMPARE(text(pupils, row, 2),
                 sqliteCli(file, QStringLiteral("SELECT count(*) FROM answer;")));
        QCOMPARE(text(pupils, row, 3),
                 sqliteCli(file, QStringLiteral("SELECT sum(right) FROM answer;")));
        // The report's row of that pupil holds the same figures.
        const QStringList lines = report.filter(
            QRegularExpression(QStringLiteral("^\\s*") + name + QStringLiteral("\\s")));
        QVERIFY2(!lines.isEmpty(), qPrintable(name));
        const QString line = lines.first().simplified();
        for (int column : {2, 4, 5, 6})
            QVERIFY2(line.contains(text(pupils, row, column)),
                     qPrintable(line + QStringLiteral(" / ") + text(pupils, row, column)));
    }
    // Enter on a pupil's row opens that pupil's page, with every answer.
    QTableView *view = page->pupilsView();
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    const auto *pupilPage = page->findChild<ui::teacher::PupilPage *>();
    QVERIFY(pupilPage);
    const QString opened = view->model()->index(1, 0).data().toString();
    QVERIFY(pupilPage->windowTitle().startsWith(opened));
    QCOMPARE(QString::number(pupilPage->answersModel()->rowCount()),
             view->model()->index(1, 2).data().toString());

    // Done, begun, not begun: as the report's assignment page counts them.
    const QStandardItemModel *assignments = page->assignmentsModel();
    const auto found = assignments->findItems(quiz::assignmentCode(m_assignment));
    QCOMPARE(found.size(), 1);
    const int row = found.first()->row();
    const QString counts =
        QStringLiteral("Fatto: %1 · Iniziato: %2 · Non iniziato: %3")
            .arg(text(assignments, row, 1), text(assignments, row, 2), text(assignments, row, 3));
    QVERIFY2(report.join(u'\n').contains(counts), qPrintable(counts));
    QCOMPARE(counts, QStringLiteral("Fatto: 1 · Iniziato: 1 · Non iniziato: 1"));
    // The class's total answers, against sqlite3 over the three files.
    int total = 0;
    for (const QString &file : std::as_const(m_records))
        total += sqliteCli(file, QStringLiteral("SELECT count(*) FROM answer;")).toInt();
    QCOMPARE(text(page->summaryModel(), 0, 2).toInt(), total);
}

void TestTeacher::spreadsheetReadBack_data()
{
    // Each sheet, a column, the type openpyxl must read there, and the SQL
    // whose sum over the files the column's sum must equal (empty: no sum).
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("sql");
    QTest::newRow("pupils' answers") << "Alunni"
                                     << "C"
                                     << "number"
                                     << "SELECT count(*) FROM answer";
    QTest::newRow("pupils' right") << "Alunni"
                                   << "D"
                                   << "number"
                                   << "SELECT sum(right) FROM answer";
    QTest::newRow("pupils' time") << "Alunni"
                                  << "G"
                                  << "number"
                                  << "SELECT sum(seconds) FROM answer";
    QTest::newRow("kinds' answers") << "Tipi"
                                    << "B"
                                    << "number"
                                    << "SELECT count(*) FROM answer";
    QTest::newRow("answers' times") << "Risposte"
                                    << "A"
                                    << "datetime"
                                    << "";
    QTest::newRow("answers' right") << "Risposte"
                                    << "M"
                                    << "bool"
                                    << "SELECT sum(right) FROM answer";
    QTest::newRow("answers' seconds") << "Risposte"
                                      << "N"
                                      << "number"
                                      << "SELECT sum(seconds) FROM answer";
    QTest::newRow("assignment's problems done") << "Compiti"
                                                << "E"
                                                << "number"
                                                << "";
    QTest::newRow("assignment finished on") << "Compiti"
                                            << "I"
                                            << "datetime"
                                            << "";
}

void TestTeacher::spreadsheetReadBack()
{
    QFETCH(QString, sheet);
    QFETCH(QString, column);
    QFETCH(QString, type);
    QFETCH(QString, sql);
    if (!sqliteCliFound())
        QSKIP("sqlite3 missing");
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        QSKIP("Python's openpyxl missing (python3-openpyxl)");

    const QString xlsx = m_dir.filePath(QStringLiteral("resoconto.xlsx"));
    if (!QFileInfo::exists(xlsx))
        QVERIFY(!record::writeReportXlsx(xlsx, m_contents.answers, m_contents.answers));
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"),
         QStringLiteral(
             "import json,sys,openpyxl,datetime\n"
             "ws=openpyxl.load_workbook(sys.argv[1])[sys.argv[2]]\n"
             "cells=[r[0] for r in ws.iter_rows(min_row=2,min_col=ws[sys.argv[3]+'1'].column,"
             "max_col=ws[sys.argv[3]+'1'].column,values_only=True) if r[0] is not None]\n"
             "def kind(v):\n"
             " if isinstance(v,bool): return 'bool'\n"
             " if isinstance(v,datetime.datetime): return 'datetime'\n"
             " if isinstance(v,(int,float)): return 'number'\n"
             " return type(v).__name__\n"
             "print(json.dumps({'types':sorted(set(kind(v) for v in cells)),'count':len(cells),"
             "'sum':sum(float(v) for v in cells if not isinstance(v,(str,datetime.datetime))),"
             "'frozen':ws.freeze_panes,'width':ws.column_dimensions[sys.argv[3]].width}))"),
         xlsx, sheet, column});
    QVERIFY(python.waitForFinished(60000));
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    QVERIFY2(!read.isEmpty(), python.readAllStandardError().constData());
    QVERIFY(read[u"count"].toInt() > 0);
    QCOMPARE(read[u"types"].toArray(), QJsonArray{type});
    QCOMPARE(read[u"frozen"].toString(), QStringLiteral("A2"));
    QVERIFY(read[u"width"].toDouble() > 5);
    if (sql.isEmpty())
        return;
    double expected = 0;
    for (const QString &file : std::as_const(m_records))
        expected += sqliteCli(file, sql + u';').toDouble();
    QVERIFY2(qAbs(read[u"sum"].toDouble() - expected) < 1e-6,
             qPrintable(QStringLiteral("%1 != %2").arg(read[u"sum"].toDouble()).arg(expected)));
}

void TestTeacher::cancelReturnsQuickly()
{
    if (!sqliteCliFound())
        QSKIP("sqlite3 missing");
    const QString big = m_dir.filePath(QStringLiteral("grande.sqlite"));
    QFile::copy(m_records[0], big);
    sqliteCli(big, QStringLiteral(
                       "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < "
                       "%1) INSERT INTO answer (session, at, pupil, class, level, kind, m, n, "
                       "given1, given2, asked, expected, typed, right, seconds, uuid) SELECT "
                       "session, at, pupil, class, level, kind, m, n, given1, given2, asked, "
                       "expected, typed, right, seconds, lower(hex(randomblob(16))) FROM k, "
                       "(SELECT * FROM answer LIMIT 1);")
                       .arg(150000 - 19));
    QCOMPARE(sqliteCli(big, QStringLiteral("SELECT count(*) FROM answer;")).toInt(), 150000);

    auto *page = new ui::teacher::ResultsPage(QString());
    QSignalSpy finished(page, &ui::teacher::ResultsPage::readFinished);
    page->readFrom({big});
    QVERIFY(page->reading());
    QElapsedTimer timer;
    timer.start();
    page->cancel();
    QVERIFY(!page->reading());
    // Deleting the page waits for the reading thread: it must have stopped.
    delete page;
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < 200, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QCOMPARE(finished.size(), 0);
    // The bound means something only if the whole read takes longer.
    timer.restart();
    QCOMPARE(record::RecordReader().read({big}).answers.size(), 150000);
    const qint64 whole = timer.elapsed();
    qInfo("cancelled after %lld ms; the whole read takes %lld ms", elapsed, whole);
    QVERIFY2(whole > elapsed, "the read ended before it was cancelled");
}

void TestTeacher::chartsStandBesideTheirRows_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::newRow("pupils by name") << 0 << 0 << Qt::AscendingOrder;
    QTest::newRow("pupils by share, most first") << 0 << 4 << Qt::DescendingOrder;
    QTest::newRow("kinds by answers, most first") << 1 << 1 << Qt::DescendingOrder;
    QTest::newRow("kinds by wrong answers") << 1 << 3 << Qt::AscendingOrder;
}

// Each bar, read off the painted chart, stands level with its row of the
// sorted table and shows that row's right and wrong answers: pupils as
// shares of one length, kinds as lengths by their answers.
void TestTeacher::chartsStandBesideTheirRows()
{
    QFETCH(int, tab);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    ui::teacher::TeacherWindow window;
    window.resize(1100, 760);
    window.tabs()->setCurrentWidget(window.results());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy finished(window.results(), &ui::teacher::ResultsPage::readFinished);
    window.results()->readFrom({m_dir.filePath(QStringLiteral("classe"))});
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
    auto *tables = window.results()->findChild<QTabWidget *>(QStringLiteral("tabelle"));
    tables->setCurrentIndex(tab);
    auto *view = tables->currentWidget()->findChild<QTableView *>();
    auto *chart = tables->currentWidget()->findChild<ui::teacher::TableChart *>();
    QVERIFY(view && chart);
    view->sortByColumn(column, order);
    QCoreApplication::processEvents();
    // A picture of the table beside it: named, never in the way of Tab.
    QCOMPARE(chart->focusPolicy(), Qt::NoFocus);
    QVERIFY(chart->accessibleName().contains(view->accessibleName()));

    const QImage image = chart->grab().toImage();
    const QAbstractItemModel *model = view->model();
    QList<std::array<int, 4>> bars; // answers, right, green pixels, red pixels
    for (int row = 0; row < model->rowCount(); ++row) {
        const QPoint centre = view->visualRect(model->index(row, 0)).center();
        const int y = chart->mapFromGlobal(view->viewport()->mapToGlobal(centre)).y();
        std::array<int, 4> bar{model->index(row, 2 - tab).data(Qt::UserRole).toInt(),
                               model->index(row, 3 - tab).data(Qt::UserRole).toInt(), 0, 0};
        for (int x = 0; x < image.width() && y < image.height(); ++x) {
            bar[2] += image.pixelColor(x, y) == ui::rightColour();
            bar[3] += image.pixelColor(x, y) == ui::wrongColour();
        }
        bars.append(bar);
    }
    QVERIFY(bars.size() >= 3);
    const auto most = *std::ranges::max_element(bars, {}, [](const auto &bar) { return bar[0]; });
    for (const auto &[answers, right, green, red] : bars) {
        const QString seen = QStringLiteral("%1 of %2: %3 green, %4 red")
                                 .arg(right)
                                 .arg(answers)
                                 .arg(green)
                                 .arg(red);
        QVERIFY2(qAbs(green - double(right) / answers * (green + red)) <= 1.5, qPrintable(seen));
        const double length = (most[2] + most[3]) * (tab == 0 ? 1.0 : double(answers) / most[0]);
        QVERIFY2(qAbs(green + red - length) <= 1.5, qPrintable(seen));
    }
}

// A server of its own with two pupils' answers sent the pupils' way, and
// "answers right pupils" of the teacher's --report over it, read by Python.
QString TestTeacher::startServer()
{
    if (m_server)
        return m_serverReport.isEmpty() ? QStringLiteral("the server did not start") : QString();
    if (!PgServer::installed())
        return QStringLiteral("PostgreSQL 15 missing");
    m_server = std::make_unique<PgServer>();
    if (const QString why = m_server->start(); !why.isEmpty())
        return why;
    for (const int i : {0, 1}) {
        const QString path = m_dir.filePath(QStringLiteral("server/%1.sqlite").arg(i));
        writePupil(path, QStringLiteral("Pupil %1").arg(i), 7 + 5 * i, m_assignment, 3 * i);
        record::RecordSharing sharing(path, {m_server->pupil(), {}});
    }
    const QString csv = m_dir.filePath(QStringLiteral("server.csv"));
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGPASSWORD"),
                       QString::fromLatin1(PgServer::teacherPassword));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(SOLVETRA_BINARY),
              {QStringLiteral("--report"), csv, QStringLiteral("--records"),
               m_server->url(QStringLiteral("solvetra_teacher"))});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return QStringLiteral("--report: ") + QString::fromLocal8Bit(run.readAllStandardError());
    run.start(QStringLiteral("/usr/bin/python3"),
              {QStringLiteral("-c"),
               QStringLiteral("import csv,sys\n"
                              "rows=list(csv.DictReader(open(sys.argv[1],encoding='utf-8-sig')))\n"
                              "print(len(rows),sum(r['Esatta']=='sì' for r in rows),"
                              "len({(r['Classe'],r['Alunno']) for r in rows}))"),
               csv});
    run.waitForFinished(60000);
    m_serverReport = QString::fromUtf8(run.readAllStandardOutput()).trimmed();
    return m_serverReport.isEmpty() ? QString::fromLocal8Bit(run.readAllStandardError())
                                    : QString();
}

void TestTeacher::serverReadAsItsReport_data()
{
    QTest::addColumn<QString>("password"); // the role's, typed unless "typed" says
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("before"); // the password file; %1 host, %2 port, %3 password
    QTest::addColumn<QString>("after");  // "-": no file
    QTest::addColumn<QString>("problem");
    const QString ours = QStringLiteral("%1:%2:solvetra:solvetra_teacher:%3\n");
    const QString others =
        QStringLiteral("# scuola\ndb.lan:5432:solvetra:solvetra_teacher:altra\n");
    const QString teacher = QString::fromLatin1(PgServer::teacherPassword);
    QTest::newRow("typed, not kept") << teacher << teacher << false << "-"
                                     << "-" << QString();
    QTest::newRow("kept in a new file") << teacher << teacher << true << "-" << ours << QString();
    QTest::newRow("kept among other lines, the old one replaced")
        << teacher << teacher << true << others + ours.arg("%1", "%2", "old") + "*:*:*:io:mia\n"
        << others + ours + "*:*:*:io:mia\n"
        << QString();
    QTest::newRow("a colon and a backslash kept")
        << "do:c\\ente"
        << "do:c\\ente" << true << "-" << ours.arg("%1", "%2", "do\\:c\\\\ente") << QString();
    QTest::newRow("wrong password, not kept") << teacher << "sbagliata" << false << others << others
                                              << "non accetta l'utente o la password";
    QTest::newRow("none typed, none kept") << teacher << "" << false << "-"
                                           << "-"
                                           << "non accetta l'utente o la password";
    QTest::newRow("no server there") << teacher << teacher << false << "-"
                                     << "-"
                                     << "non risponde";
}

// The page reads the server as the command-line report does, or says in
// the window why not, with no table that looks like a class; the password
// lands in libpq's own 0600 file only when asked, and libpq finds it there.
void TestTeacher::serverReadAsItsReport()
{
    QFETCH(QString, password);
    QFETCH(QString, typed);
    QFETCH(bool, keep);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, problem);
    if (const QString why = startServer(); !why.isEmpty())
        QSKIP(qPrintable(why));
    m_server->psql(QStringLiteral("ALTER ROLE solvetra_teacher PASSWORD '%1'").arg(password));
    QVERIFY2(m_server->error().isEmpty(), qPrintable(m_server->error()));
    const QString file = m_dir.filePath(QStringLiteral("pgpass-%1").arg(QTest::currentDataTag()));
    qunsetenv("PGPASSWORD");
    qputenv("PGPASSFILE", QFile::encodeName(file));
    const auto filled = [&](const QString &text) {
        return text.arg(m_server->socketFolder()).arg(m_server->port()).arg(password).toUtf8();
    };
    QFile kept(file);
    if (before != u"-")
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(filled(before)) > 0 &&
                kept.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    kept.close();
    record::ServerAddress address = m_server->pupil(QStringLiteral("solvetra_teacher"), {});
    address.port += problem == u"non risponde";

    const auto totalsRead = [&](const QString &given, bool keepIt) {
        ui::teacher::ResultsPage page{QString()};
        QSignalSpy finished(&page, &ui::teacher::ResultsPage::readFinished);
        page.readFromServer(address.url(), given, keepIt);
        if (!QTest::qWaitFor([&] { return finished.size() == 1; }, 30000))
            return QStringLiteral("no end");
        const QStandardItemModel *sums = page.summaryModel();
        if (sums->rowCount() == 0 && page.pupilsModel()->rowCount() == 0)
            return page.sourceLabel()->text();
        return QStringList{text(sums, 0, 2), text(sums, 0, 3), text(sums, 0, 1)}.join(u' ');
    };
    const QString shown = totalsRead(typed, keep);
    if (problem.isEmpty())
        QCOMPARE(shown, m_serverReport);
    else // in the window's words, not the driver's
        QVERIFY2(shown.contains(problem) && !shown.contains(QLatin1String("FATAL")),
                 qPrintable(shown));
    if (after == u"-") {
        QVERIFY(!kept.exists());
        return;
    }
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(kept.readAll()), QString::fromUtf8(filled(after)));
    struct stat status
    {
    };
    QCOMPARE(::lstat(QFile::encodeName(file).constData(), &status), 0);
    QCOMPARE(status.st_mode, mode_t(S_IFREG | 0600));
    if (keep) // libpq itself takes the kept password
        QCOMPARE(totalsRead(QString(), false), m_serverReport);
}

void TestTeacher::passwordFileLeavesWhatIsNotOurs_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("a link to a file of ours") << "link";
    QTest::newRow("a dangling link") << "dangling";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("another user's file") << "other";
}

// Nothing is written through what stands at the password file's name
// unless it is this user's own regular file.
void TestTeacher::passwordFileLeavesWhatIsNotOurs()
{
    QFETCH(QString, planted);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral(".pgpass"));
    const QString target = dir.filePath(QStringLiteral("target"));
    QFile mine(target);
    QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine\n") == 5);
    mine.close();
    if (planted == u"other" && ::geteuid() != 0)
        QSKIP("a file of another user needs root to make");
    QVERIFY(planted == u"link"       ? QFile::link(target, file)
            : planted == u"dangling" ? QFile::link(dir.filePath(QStringLiteral("no")), file)
            : planted == u"folder"
                ? QDir().mkdir(file)
                : QFile::copy(target, file) &&
                      ::chown(QFile::encodeName(file).constData(), 65534, 65534) == 0);
    struct stat before
    {
    }, after{};
    QCOMPARE(::lstat(QFile::encodeName(file).constData(), &before), 0);
    const auto error = record::keepServerPassword(
        file, {QStringLiteral("db"), 5432, QStringLiteral("d"), QStringLiteral("t"), {}, {}},
        QStringLiteral("segreta"));
    QVERIFY(error && error->contains(file));
    QCOMPARE(::lstat(QFile::encodeName(file).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QVERIFY(mine.open(QIODevice::ReadOnly) && mine.readAll() == "mine\n");
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no"))));
}

void TestTeacher::keysDistinctInEveryLanguage_data()
{
    QTest::addColumn<format::Language>("language");
    for (const format::Language language : format::allLanguages)
        QTest::newRow(qPrintable(format::languageCode(language))) << language;
}

// A keyboard user reaches every control of a tab with Alt and its letter:
// two controls on one tab, or one and a tab's own name, must not share it.
void TestTeacher::keysDistinctInEveryLanguage()
{
    QFETCH(format::Language, language);
    format::useLanguage(language);
    ui::teacher::TeacherWindow window;
    const auto keyOf = [](const QString &text) {
        const qsizetype at = text.indexOf(u'&');
        return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toLower();
    };
    // Each tab with the tabs' own names, and the server's dialog, whose
    // Annulla is Esc.
    ui::teacher::ServerSourceDialog dialog(QString{});
    QList<QWidget *> pages{&dialog};
    for (int tab = 0; tab < window.tabs()->count(); ++tab)
        pages << window.tabs()->widget(tab);
    for (QWidget *page : std::as_const(pages)) {
        QHash<QChar, QString> used;
        for (int tab = 0; tab < window.tabs()->count() && page != &dialog; ++tab)
            used.insert(keyOf(window.tabs()->tabText(tab)), window.tabs()->tabText(tab));
        QStringList texts;
        for (const QAbstractButton *button : page->findChildren<QAbstractButton *>())
            if (!button->text().isEmpty() && (page != &dialog || button->text().contains(u'&')))
                texts << button->text(); // not a tab bar's scroll arrows
        for (const QLabel *label : page->findChildren<QLabel *>())
            if (label->buddy())
                texts << label->text();
        QVERIFY(texts.size() >= 4);
        for (const QString &text : std::as_const(texts)) {
            const QChar key = keyOf(text);
            QVERIFY2(!key.isNull(), qPrintable(text + QStringLiteral(": no key")));
            QVERIFY2(!used.contains(key),
                     qPrintable(text + QStringLiteral(" and ") + used.value(key)));
            used.insert(key, text);
        }
    }
    format::useLanguage(format::Language::Italian);
}

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
