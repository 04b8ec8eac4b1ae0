// SPDX-License-Identifier: GPL-3.0-or-later
// "I miei risultati" after answers written by the window to a real record
// file: its tables as a screen reader reads them (through QAccessible),
// held against the sqlite3 tool's own sums over the same file.
#include "support/playing.h"
#include "support/sqlitecli.h"
#include "support/tavolafixture.h"

#include "files/settings.h"
#include "format/language.h"
#include "record/recordrows.h"
#include "record/recordwriter.h"
#include "record/summary.h"
#include "ui/results/resultstables.h"
#include "ui/results/resultswindow.h"
#include "ui/results/tallychart.h"

#include <QAccessible>
#include <QImage>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(format::Language)

namespace {

// The cells of a table, row by row, as the accessibility interface gives them.
QList<QStringList> readCells(QTableWidget *table)
{
    QList<QStringList> rows;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(table);
    if (!face || !face->tableInterface())
        return rows;
    QAccessibleTableInterface *cells = face->tableInterface();
    for (int r = 0; r < cells->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < cells->columnCount(); ++c)
            row << cells->cellAt(r, c)->text(QAccessible::Name);
        rows << row;
    }
    return rows;
}

// "29,4 %" read back with the Italian rules.
double percentOf(const QString &cell)
{
    bool ok = false;
    const double value = QLocale(QLocale::Italian).toDouble(cell.chopped(2), &ok);
    return ok ? value : -1;
}

} // namespace

class TestResults : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void tablesAgreeWithTheFile_data();
    void tablesAgreeWithTheFile();
    void escapeClosesAndSmallScreenScrolls();
    void daysInTheLanguagesOwnWay_data();
    void daysInTheLanguagesOwnWay();

private:
    ui::ResultsWindow *openResults();
    // Right, wrong, total and % of the rows the condition takes.
    void checkRow(const QStringList &cells, const QString &where);

    QTemporaryDir m_dir;
    QString m_path;
};

void TestResults::initTestCase()
{
    // As the program names itself, which names its settings files.
    QCoreApplication::setOrganizationName(QStringLiteral("Solvetra"));
    QCoreApplication::setApplicationName(QStringLiteral("solvetra"));
    if (!sqliteCliFound())
        QSKIP("the sqlite3 tool is not installed");
    QStandardPaths::setTestModeEnabled(true);
    files::Settings::user().clear();
}

void TestResults::cleanup()
{
    dropWindow();
    files::Settings::user().clear();
}

ui::ResultsWindow *TestResults::openResults()
{
    m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("risultati"))->trigger();
    // It opens once the record's thread has read the answers.
    if (!QTest::qWaitFor([this] { return m_tavola->findChild<ui::ResultsWindow *>(); }, 10000))
        return nullptr;
    auto *results = m_tavola->findChild<ui::ResultsWindow *>();
    if (results && !QTest::qWaitForWindowExposed(results))
        return nullptr;
    return results;
}

void TestResults::checkRow(const QStringList &cells, const QString &where)
{
    const QStringList sums =
        sqliteCli(m_path, QStringLiteral("SELECT total(right), count(*) - total(right), count(*) "
                                         "FROM answer WHERE pupil = 'Eva' AND %1")
                              .arg(where))
            .split(u'|');
    QCOMPARE(cells.size(), 5);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(cells[i + 1].toInt(), int(sums[i].toDouble()));
    const double total = sums[2].toDouble();
    if (total == 0) {
        QCOMPARE(cells[4], QStringLiteral("—")); // nothing yet, not "0,0 %"
        return;
    }
    QVERIFY2(qAbs(percentOf(cells[4]) - 100 * sums[0].toDouble() / total) < 0.051,
             qPrintable(cells[4]));
}

void TestResults::tablesAgreeWithTheFile_data()
{
    QTest::addColumn<QList<bool>>("yesterday");
    QTest::addColumn<QList<bool>>("today");
    QTest::newRow("two days") << QList<bool>{true, false, true, true} << QList<bool>{false, true};
    QTest::newRow("today only, all wrong") << QList<bool>{} << QList<bool>{false, false, false};
    QTest::newRow("nothing yet today") << QList<bool>{true, false} << QList<bool>{};
    QTest::newRow("twenty answers")
        << QList<bool>{true, true, false, true, false, true, true, true, false, true}
        << QList<bool>{true, false, false, true, true, true, true, false, true, true};
}

void TestResults::tablesAgreeWithTheFile()
{
    QFETCH(QList<bool>, yesterday);
    QFETCH(QList<bool>, today);
    m_path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'));
    {
        // Another pupil on the same account: not Eva's.
        record::RecordWriter other(m_path, m_clock);
        other.setPupil(QStringLiteral("Ugo"), QStringLiteral("3B"));
        for (int i = 0; i < 6; ++i)
            QVERIFY(other.addAnswer(numberedAnswer(i)));
    }
    files::Settings::user().setValue(QStringLiteral("pupil/name"), QStringLiteral("Eva"));
    const QDate day = m_clock.today;
    const QList<QList<bool>> runs{yesterday, today};
    for (qsizetype run = 0; run < runs.size(); ++run) {
        const QList<bool> &answers = runs[run];
        m_clock.today = day.addDays(run - 1);
        // A run of the program, quit after it.
        startWith(std::make_unique<quiz::MixingRandomSource>(quint64(answers.size() + 1)));
        m_tavola->keepRecord(m_path);
        for (bool right : answers)
            playing::answer(*m_tavola, right);
        dropWindow();
    }
    m_clock.today = day;
    startWith(std::make_unique<quiz::MixingRandomSource>(99));
    m_tavola->keepRecord(m_path);
    ui::ResultsWindow *results = openResults();
    QVERIFY(results);

    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(results->totalsTable());
    QCOMPARE(face->role(), QAccessible::Table);
    QVERIFY(!face->text(QAccessible::Name).isEmpty());
    const QList<QStringList> totals = readCells(results->totalsTable());
    QCOMPARE(totals.size(), 2);
    checkRow(totals[0], QStringLiteral("at LIKE '%1%'").arg(day.toString(Qt::ISODate)));
    checkRow(totals[1], QStringLiteral("1"));

    // Each kind's line, found in the file by the letters it names.
    const QList<QStringList> kinds = readCells(results->kindTable());
    int answers = 0;
    static const QRegularExpression named(QStringLiteral("^(\\w+) da (\\w+) e (\\w+)$"));
    for (const QStringList &row : kinds) {
        const auto match = named.match(row.value(0));
        QVERIFY2(match.hasMatch(), qPrintable(row.value(0)));
        checkRow(row, QStringLiteral("kind = '%1:%2,%3'")
                          .arg(match.captured(1), match.captured(2), match.captured(3)));
        answers += row[3].toInt();
    }
    QCOMPARE(answers, int(yesterday.size() + today.size()));
    // The kinds most often wrong, each with its count, as sqlite3 ranks them.
    const QString mostWrong = results->findChild<QLabel *>(QStringLiteral("sbagliati"))->text();
    const QStringList ranked =
        sqliteCli(m_path, QStringLiteral("SELECT kind, count(*) FROM answer WHERE pupil = 'Eva' "
                                         "AND right = 0 GROUP BY kind ORDER BY 2 DESC, 1 LIMIT 5"))
            .split(u'\n', Qt::SkipEmptyParts);
    qsizetype from = 0;
    for (const QString &line : ranked) {
        const QStringList cells = line.split(u'|');
        const QString kind = QString(cells[0])
                                 .replace(u':', QStringLiteral(" da "))
                                 .replace(u',', QStringLiteral(" e "));
        const QString entry = QStringLiteral("%1 (%2 volt").arg(kind, cells[1]);
        const qsizetype at = mostWrong.indexOf(entry, from);
        QVERIFY2(at >= from, qPrintable(entry + QStringLiteral(" in ") + mostWrong));
        from = at + entry.size();
    }
    const QList<QStringList> levels = readCells(results->levelTable());
    QCOMPARE(levels.size(), 1);
    QVERIFY(levels[0][0].startsWith(u'1'));
    checkRow(levels[0], QStringLiteral("level = 1"));
}

void TestResults::escapeClosesAndSmallScreenScrolls()
{
    m_path = m_dir.filePath(QStringLiteral("small.sqlite"));
    startWith(std::make_unique<quiz::MixingRandomSource>(4));
    m_tavola->keepRecord(m_path);
    for (int i = 0; i < 12; ++i)
        playing::answer(*m_tavola, i % 3 != 0);
    ui::ResultsWindow *results = openResults();
    QVERIFY(results);
    // A 640 x 480 screen: the window fits, and what does not shows by scrolling.
    QVERIFY(results->minimumSizeHint().width() <= 640);
    QVERIFY(results->minimumSizeHint().height() <= 480);
    results->resize(620, 440);
    QCoreApplication::processEvents();
    auto *scroll = results->findChild<QScrollArea *>();
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QPointer<ui::ResultsWindow> open(results);
    results->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(results));
    QTest::keyClick(results, Qt::Key_Escape);
    QTRY_VERIFY(!open || !open->isVisible());
}

void TestResults::daysInTheLanguagesOwnWay_data()
{
    QTest::addColumn<format::Language>("language");
    QTest::addColumn<QString>("expected"); // 9 December
    QTest::newRow("Italian") << format::Language::Italian << "9/12";
    QTest::newRow("German") << format::Language::German << "09.12.";
    QTest::newRow("Spanish") << format::Language::Spanish << "9/12";
    QTest::newRow("English") << format::Language::English << "9 Dec";
}

// The days under the progress chart as the language writes them, and every
// label of every chart whole: the chart is as wide as its widest label.
void TestResults::daysInTheLanguagesOwnWay()
{
    QFETCH(format::Language, language);
    QFETCH(QString, expected);
    format::useLanguage(language);
    const auto restore = qScopeGuard([] { format::useLanguage(format::Language::Italian); });
    QList<record::AnswerRow> rows;
    for (int i = 0; i < 3; ++i) {
        record::AnswerRow row = numberedAnswer(i);
        row.when = QDateTime(QDate(2026, 12, 9 - i), QTime(10, 0));
        row.level = 1 + i;
        rows << row;
    }
    const record::RecordSummary summary(rows);
    const auto locale = format::DisplayLocale::from(format::localeOf(language));
    const auto days = ui::results::byDay(summary, 5, locale);
    QCOMPARE(days.size(), 3);
    QCOMPARE(days.last().label, expected);

    // Drawn at its least size, no chart's text reaches its left edge: a
    // label cut short would run off there.
    for (const auto &lines : {days, ui::results::byLevel(rows), ui::results::byKind(summary)})
        for (const auto direction :
             {ui::TallyChart::Direction::Across, ui::TallyChart::Direction::Upright}) {
            ui::TallyChart chart(direction, lines);
            chart.resize(chart.minimumSizeHint());
            QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            chart.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            // The upright chart's axis alone runs across the whole width.
            for (int y = 0; y < image.height(); ++y)
                QVERIFY2(qAlpha(image.pixel(0, y)) == 0 ||
                             qAlpha(image.pixel(image.width() - 1, y)) != 0,
                         qPrintable(lines.first().label));
        }
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
