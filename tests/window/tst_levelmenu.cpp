// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings.h"
#include "quiz/answer.h"
#include "quiz/level.h"
#include "quiz/problem.h"
#include "quiz/quizstate.h"
#include "support/exactlengths.h"
#include "support/tavolafixture.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QStandardPaths>

#include <map>

using quiz::Level;

// The level as the pupil meets it in the window: chosen in "Esercizi",
// kept over "Nuovo gioco" and the next run, and every problem of a level
// shown with its two givens and its question.
class TestLevelMenu : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void threeRadioItemsOneChecked();
    void choosingALevelRedrawsAnOpenQuestion();
    void levelOutlivesNewGameAndTheRun();
    void everyProblemOfALevelShowsTwoGivens_data();
    void everyProblemOfALevelShowsTwoGivens();
    void readerHearsTheChosenLevel_data();
    void readerHearsTheChosenLevel();

private:
    QAction *levelItem(Level level) const;
    void choose(Level level);
};

void TestLevelMenu::initTestCase()
{
    // The level is remembered: never in the real user's settings.
    QStandardPaths::setTestModeEnabled(true);
}

void TestLevelMenu::init()
{
    files::Settings::user().clear();
    startWith(std::make_unique<quiz::MixingRandomSource>(7));
}

void TestLevelMenu::cleanup()
{
    dropWindow();
    files::Settings::user().clear();
}

QAction *TestLevelMenu::levelItem(Level level) const
{
    return m_tavola->menuBar()->findChild<QAction *>(QStringLiteral("livello%1").arg(int(level)));
}

void TestLevelMenu::choose(Level level)
{
    QAction *item = levelItem(level);
    QVERIFY(item);
    item->trigger();
}

void TestLevelMenu::threeRadioItemsOneChecked()
{
    int checked = 0;
    for (const Level level : quiz::allLevels) {
        QAction *item = levelItem(level);
        QVERIFY2(item, qPrintable(quiz::levelName(level)));
        QVERIFY(item->isCheckable());
        QVERIFY(item->actionGroup() && item->actionGroup()->isExclusive());
        QVERIFY(item->text().contains(quiz::levelName(level)));
        checked += item->isChecked();
    }
    QCOMPARE(checked, 1);
    QVERIFY(levelItem(quiz::defaultLevel)->isChecked());
    // The designed menus come first and stay four.
    const QList<QAction *> menus = m_tavola->menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus.last()->objectName(), "esercizi");
}

void TestLevelMenu::choosingALevelRedrawsAnOpenQuestion()
{
    const quiz::QuizState before = m_tavola->state();
    choose(Level::TwoSteps);
    // Only a level of two steps gives a kind reached in two steps.
    QCOMPARE(m_tavola->state().TwoStepPick != 0, true);
    // Nothing was judged, so nothing was counted.
    QCOMPARE(label("lblScore2")->text(), "0");
    QCOMPARE(m_tavola->state().RightCount, before.RightCount);
    QCOMPARE(m_tavola->state().WrongCount, before.WrongCount);
}

void TestLevelMenu::levelOutlivesNewGameAndTheRun()
{
    choose(Level::AllSides);
    m_tavola->new_Click();
    QVERIFY(levelItem(Level::AllSides)->isChecked());
    // A new run: a new window reads what the last one chose.
    startWith(std::make_unique<quiz::MixingRandomSource>(8));
    QVERIFY(levelItem(Level::AllSides)->isChecked());
    QVERIFY(!levelItem(quiz::defaultLevel)->isChecked());
}

void TestLevelMenu::everyProblemOfALevelShowsTwoGivens_data()
{
    QTest::addColumn<Level>("level");
    for (const Level level : quiz::allLevels)
        QTest::newRow(qPrintable(quiz::levelName(level))) << level;
}

// The question of each problem on the sheet: exactly its two givens shown
// with their exact values, the asked one hidden and named by Label5, and
// the expected value the asked length's. Over many problems every kind of
// the level turns up.
void TestLevelMenu::everyProblemOfALevelShowsTwoGivens()
{
    QFETCH(Level, level);
    choose(level);
    const auto kinds = quiz::kindsOfLevel(level);
    std::map<const quiz::ProblemKind *, int> seen;
    // The designed leg kinds share one colour and the new ones take it; the
    // altitude's designed kinds each have their own, so they are left out.
    std::map<quiz::Theorem, QColor> captionColours; // by the theorem of the last step
    for (int round = 0; round < 40 * int(kinds.size()); ++round) {
        m_tavola->cmdNext_Click();
        const quiz::QuizState &state = m_tavola->state();
        const auto exact = projectionHundredths(std::llround(state.ProjBH * 100),
                                                std::llround(state.ProjHC * 100));
        int shown = 0;
        for (int i = 0; i < quiz::lengthCount; ++i) {
            QLabel *value = label(windowtests::valueLabels[i]);
            if (!value->isVisibleTo(m_tavola.get()))
                continue;
            ++shown;
            QCOMPARE(quiz::readNumber(value->text(), u',').value_or(-1),
                     float(exact[size_t(i)] / 100.0));
        }
        QCOMPARE(shown, 2);
        bool found = false;
        for (const quiz::ProblemKind &kind : kinds) {
            const int asked = int(kind.asked());
            if (label("Label5")->text() != quiz::lengthName(kind.asked()) ||
                label(windowtests::valueLabels[asked])->isVisibleTo(m_tavola.get()))
                continue;
            const auto givens = kind.givens();
            if (!label(windowtests::valueLabels[int(givens[0])])->isVisibleTo(m_tavola.get()) ||
                !label(windowtests::valueLabels[int(givens[1])])->isVisibleTo(m_tavola.get()))
                continue;
            QCOMPARE(state.ExpectedValue, float(exact[size_t(asked)] / 100.0));
            const QColor colour = label("Label5")->palette().color(QPalette::WindowText);
            const quiz::Theorem last = kind.route().back().theorem;
            if (last != quiz::Theorem::Altitude) {
                const auto known = captionColours.emplace(last, colour).first;
                QCOMPARE(known->second, colour);
            }
            ++seen[&kind];
            found = true;
            break;
        }
        QVERIFY2(found, qPrintable(QStringLiteral("round %1: %2 is no kind of this level")
                                       .arg(round)
                                       .arg(label("Label5")->text())));
    }
    QCOMPARE(seen.size(), kinds.size());
}

void TestLevelMenu::readerHearsTheChosenLevel_data()
{
    QTest::addColumn<Level>("level");
    for (const Level level : quiz::allLevels)
        QTest::newRow(qPrintable(quiz::levelName(level))) << level;
}

void TestLevelMenu::readerHearsTheChosenLevel()
{
    QFETCH(Level, level);
    choose(level);
    m_tavola->cmdNext_Click();
    const QString description = answerBox()->accessibleDescription();
    // The designed game says nothing of levels; the others name theirs.
    QCOMPARE(description.contains(quiz::levelName(level)), level != quiz::defaultLevel);
    QVERIFY(description.contains(QStringLiteral("Dati: ")));
}

QTEST_MAIN(TestLevelMenu)
#include "tst_levelmenu.moc"
