// SPDX-License-Identifier: GPL-3.0-or-later
// An assignment played in the window against its sheet, printed by the real
// program and read back with pdftotext.
#include "support/modalboxes.h"
#include "support/solvetrarun.h"
#include "support/sqlitecli.h"
#include "support/tavolafixture.h"
#include "support/worksheetkey.h"

#include "format/language.h"
#include "quiz/assignment.h"
#include "ui/dialogs/assignmentdialog.h"
#include "ui/window/appsetup.h"
#include "ui/window/assignmentsettings.h"

#include <QAction>
#include <QApplication>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

using format::Language;
using quiz::Assignment;
using quiz::Level;
using quiz::TheoremChoice;

namespace {

const QStringList letters{"BH", "HC", "AB", "AC", "BC", "AH"};

// One problem as a page or the window poses it: the length asked and the
// two given, by their letters.
struct Posed
{
    QString asked;
    QMap<QString, QString> givens;

    friend bool operator==(const Posed &, const Posed &) = default;
};

char *toString(const Posed &posed)
{
    QStringList givens;
    for (auto it = posed.givens.begin(); it != posed.givens.end(); ++it)
        givens << it.key() + u'=' + it.value();
    return qstrdup(qPrintable(posed.asked + QStringLiteral(" from ") + givens.join(u", ")));
}

// The problems of a sheet in its order: "7. AH = ________ cm", then the
// drawing with "BH = 21,6 cm", "HC = 38,4 cm" and "AH = ?".
QList<Posed> sheetProblems(const QString &pdf)
{
    const QString flat = pdfText(pdf).simplified();
    static const QRegularExpression question(uR"((\d+)\. (\w\w) = ________ cm)"_qs);
    static const QRegularExpression given(uR"((BH|HC|AB|AC|BC|AH) = ([\d,]+) cm)"_qs);
    QList<Posed> problems;
    QList<qsizetype> ends;
    for (const auto &match : question.globalMatch(flat)) {
        if (match.captured(1).toInt() != problems.size() + 1)
            return {};
        problems.append({match.captured(2), {}});
        ends.append(match.capturedEnd());
    }
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const qsizetype next = i + 1 < ends.size() ? ends[i + 1] : flat.size();
        for (const auto &match : given.globalMatch(flat.mid(ends[i], next - ends[i])))
            problems[i].givens.insert(match.captured(1), match.captured(2));
    }
    return problems;
}

// The right answer, from the exact triangle whose lengths the two givens are.
QString rightAnswer(const Posed &posed)
{
    for (const auto &exact : everyExactTriangle()) {
        bool fits = true;
        for (auto it = posed.givens.begin(); it != posed.givens.end(); ++it)
            fits = fits && decimalText(exact[size_t(letters.indexOf(it.key()))]) == it.value();
        if (fits)
            return decimalText(exact[size_t(letters.indexOf(posed.asked))]);
    }
    return {};
}

} // namespace

class TestAssignmentPlay : public QObject, TavolaFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playsTheSheetsProblems_data();
    void playsTheSheetsProblems();
    void goesOnAfterARestart();
    void codeBoxRefusesSlips_data();
    void codeBoxRefusesSlips();
    void leavingAsksFirst_data();
    void leavingAsksFirst();

private:
    Posed posedNow() const;
    QString lastPanel() const;
    // Answers the problem on display, ten seconds after it was posed, then
    // asks for the next one unless it was the last.
    void answer(const QString &text, bool last);
    void startOn(const Assignment &assignment, const QString &record = {});

    QTime m_posedAt;
};

void TestAssignmentPlay::init()
{
    format::useLanguage(Language::Italian);
    ui::assignmentsettings::forget();
    m_clock.now = QTime(9, 0);
}

void TestAssignmentPlay::cleanup()
{
    dropWindow();
}

Posed TestAssignmentPlay::posedNow() const
{
    Posed posed;
    const QString caption = label(QStringLiteral("Label5"))->text();
    posed.asked = caption.right(2);
    for (qsizetype i = 0; i < windowtests::valueLabels.size(); ++i) {
        const QLabel *value = label(windowtests::valueLabels[i]);
        if (value->isVisibleTo(m_tavola.get()))
            posed.givens.insert(letters[i], value->text().trimmed());
    }
    return posed;
}

QString TestAssignmentPlay::lastPanel() const
{
    return m_tavola->statusBar()->findChild<QLabel *>(QStringLiteral("Panel4"))->text();
}

void TestAssignmentPlay::answer(const QString &text, bool last)
{
    m_clock.now = m_posedAt.addSecs(10);
    QTest::keyClicks(answerBox(), text);
    QTest::keyClick(answerBox(), Qt::Key_Return);
    if (last)
        return;
    m_posedAt = m_clock.now.addSecs(50); // a pause between problems does not count
    m_clock.now = m_posedAt;
    control<QPushButton>(QStringLiteral("cmdNext"))->click();
}

void TestAssignmentPlay::startOn(const Assignment &assignment, const QString &record)
{
    makeWindow();
    if (!record.isEmpty())
        m_tavola->keepRecord(record);
    m_tavola->openOnAssignment(assignment);
    m_posedAt = m_clock.now;
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
}

void TestAssignmentPlay::playsTheSheetsProblems_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<Assignment>("assignment");
    QTest::newRow("Italian, level 1, both theorems")
        << Language::Italian << Assignment{Level::OneStep, TheoremChoice::Both, 12, 5};
    QTest::newRow("German, level 2, leg theorem")
        << Language::German << Assignment{Level::AllSides, TheoremChoice::Leg, 8, 4000000000u};
    QTest::newRow("German, level 3, altitude theorem")
        << Language::German << Assignment{Level::TwoSteps, TheoremChoice::Altitude, 6, 77};
}

// Problem k on screen is problem k on paper; the last panel and the screen
// reader say which; at the end a box gives the score, the time and the code.
void TestAssignmentPlay::playsTheSheetsProblems()
{
    QFETCH(Language, language);
    QFETCH(Assignment, assignment);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot read the sheet back");
    const QString code = quiz::assignmentCode(assignment);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("compito.pdf"));
    QCOMPARE(runSolvetra({"--language", format::languageCode(language), "--worksheet", pdf,
                          "--assignment", code, "--key", "none"})
                 .exitCode,
             0);
    const QList<Posed> sheet = sheetProblems(pdf);
    QCOMPARE(sheet.size(), assignment.count);

    format::useLanguage(language);
    ModalBoxes boxes({QMessageBox::Ok});
    const QString record = dir.filePath(QStringLiteral("record.sqlite"));
    startOn(assignment, record);
    int right = 0;
    for (int k = 1; k <= assignment.count; ++k) {
        QCOMPARE(posedNow(), sheet[k - 1]);
        QVERIFY2(lastPanel().contains(code) &&
                     lastPanel().contains(QStringLiteral(" %1 ").arg(k)) &&
                     lastPanel().endsWith(QString::number(assignment.count)),
                 qPrintable(lastPanel()));
        if (language == Language::Italian)
            QCOMPARE(lastPanel(),
                     QStringLiteral("Compito %1: %2 di %3").arg(code).arg(k).arg(assignment.count));
        QVERIFY(answerBox()->accessibleDescription().startsWith(lastPanel()));
        // Every other one right: the score must be counted, not assumed.
        const QString given = k % 2 ? rightAnswer(sheet[k - 1]) : QStringLiteral("0,01");
        QVERIFY(!given.isEmpty());
        right += k % 2;
        answer(given, k == assignment.count);
    }
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 5000);
    const QString end = boxes.seen.first().text;
    const auto saysNumber = [&end](int number) {
        return end.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(number)));
    };
    QVERIFY2(end.contains(code) && saysNumber(right) && saysNumber(assignment.count),
             qPrintable(end));
    const qint64 seconds = 10 * assignment.count;
    QVERIFY2(end.contains(QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60)),
             qPrintable(end));
    // Over: the window draws its own problems again.
    QVERIFY(!m_tavola->assignmentRun());
    QVERIFY(lastPanel().isEmpty());
    // Each answer is in the record with the code, as sqlite3 reads the file.
    if (sqliteCliFound()) {
        const QString sql = QStringLiteral("SELECT count(*), sum(right) FROM answer WHERE "
                                           "assignment = '%1';")
                                .arg(code);
        QTRY_COMPARE_WITH_TIMEOUT(sqliteCli(record, sql),
                                  QStringLiteral("%1|%2").arg(assignment.count).arg(right), 5000);
    }
}

// A pupil who quits at problem 3 of 6 and starts again is offered to go on,
// and gets problems 4 to 6 of the same sheet, with the score and the time
// of the first three kept.
void TestAssignmentPlay::goesOnAfterARestart()
{
    const Assignment assignment{Level::OneStep, TheoremChoice::Both, 6, 2026};
    const QString code = quiz::assignmentCode(assignment);
    QList<Posed> whole;
    {
        ModalBoxes boxes({QMessageBox::Ok});
        startOn(assignment);
        for (int k = 1; k <= assignment.count; ++k) {
            whole.append(posedNow());
            answer(QStringLiteral("0,01"), k == assignment.count);
        }
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, 5000);
    }

    {
        ModalBoxes boxes;
        startOn(assignment);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(posedNow(), whole[k - 1]);
            answer(rightAnswer(whole[k - 1]), false);
        }
        QCOMPARE(boxes.seen.size(), 0);
        dropWindow(); // the pupil closes the window at problem 4
    }

    // Kept for the pupil who played: another on the same account starts afresh.
    QVERIFY(ui::assignmentsettings::unfinished({}));
    QVERIFY(!ui::assignmentsettings::unfinished({QStringLiteral("Bruno"), QStringLiteral("3C")}));
    ModalBoxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    makeWindow();
    m_posedAt = m_clock.now;
    m_tavola->start();
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY2(boxes.seen[0].text.contains(code) && boxes.seen[0].text.contains(u" 4 di 6"),
             qPrintable(boxes.seen[0].text));
    QCOMPARE(lastPanel(), QStringLiteral("Compito %1: 4 di 6").arg(code));
    for (int k = 4; k <= assignment.count; ++k) {
        QCOMPARE(posedNow(), whole[k - 1]);
        answer(QStringLiteral("0,01"), k == assignment.count);
    }
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 5000);
    QVERIFY2(boxes.seen[1].text.contains(u": 3 esatte su 6, in 1 min 0 s."),
             qPrintable(boxes.seen[1].text));

    // Finished: nothing more is offered.
    dropWindow();
    ModalBoxes none;
    makeWindow();
    m_tavola->start();
    QCOMPARE(none.seen.size(), 0);
    QVERIFY(!m_tavola->assignmentRun());
}

void TestAssignmentPlay::codeBoxRefusesSlips_data()
{
    const QString code = quiz::assignmentCode({Level::AllSides, TheoremChoice::Both, 15, 31});
    QString swapped = code;
    std::swap(swapped[1], swapped[2]);
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("as printed") << code << true;
    QTest::newRow("small letters, blanks for dashes") << code.toLower().replace(u'-', u' ') << true;
    QTest::newRow("two neighbours swapped") << swapped << false;
    QTest::newRow("one symbol short") << code.chopped(1) << false;
    QTest::newRow("nothing typed") << QString() << false;
}

// A slip is refused in the box, which stays open for the pupil to mend it.
void TestAssignmentPlay::codeBoxRefusesSlips()
{
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    ui::AssignmentDialog dialog;
    dialog.show();
    QTest::keyClicks(dialog.codeEdit(), typed);
    QTest::keyClick(dialog.codeEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result() == QDialog::Accepted, taken);
    QCOMPARE(dialog.isVisible(), !taken);
    QCOMPARE(dialog.refusal()->isVisible(), !taken);
    if (taken)
        QCOMPARE(dialog.chosenAssignment(),
                 (Assignment{Level::AllSides, TheoremChoice::Both, 15, 31}));
    else
        QCOMPARE(dialog.refusal()->text(), quiz::invalidAssignmentCode());
}

void TestAssignmentPlay::leavingAsksFirst_data()
{
    QTest::addColumn<bool>("newGame"); // else a level
    QTest::addColumn<bool>("leave");
    QTest::newRow("Nuovo gioco, stay") << true << false;
    QTest::newRow("Nuovo gioco, leave") << true << true;
    QTest::newRow("a level, stay") << false << false;
    QTest::newRow("a level, leave") << false << true;
}

void TestAssignmentPlay::leavingAsksFirst()
{
    QFETCH(bool, newGame);
    QFETCH(bool, leave);
    const Assignment assignment{Level::TwoSteps, TheoremChoice::Both, 5, 1};
    startOn(assignment);
    answer(QStringLiteral("1"), false);
    const Posed second = posedNow();
    ModalBoxes boxes({leave ? QMessageBox::Yes : QMessageBox::No});
    QAction *item = m_tavola->menuBar()->findChild<QAction *>(newGame ? QStringLiteral("new")
                                                                      : QStringLiteral("livello1"));
    QVERIFY(item);
    item->trigger();
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY(boxes.seen[0].text.contains(quiz::assignmentCode(assignment)));
    QCOMPARE(m_tavola->assignmentRun().has_value(), !leave);
    const QString panel = lastPanel();
    if (leave) {
        QVERIFY(panel.isEmpty());
    } else {
        QCOMPARE(panel, QStringLiteral("Compito %1: 2 di 5").arg(quiz::assignmentCode(assignment)));
        QCOMPARE(posedNow(), second);
        // The level shown stays the assignment's.
        QVERIFY(m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("livello3"))->isChecked());
    }
}

int main(int argc, char *argv[])
{
    // Where a pupil stopped is kept in the settings: in a folder of this run only.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestAssignmentPlay test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_assignmentplay.moc"
