// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/clock.h"
#include "quiz/problem.h"
#include "quiz/quizstate.h"
#include "quiz/randomsource.h"
#include "record/recordsharing.h"
#include "ui/sheet/sheetbuilder.h"
#include "ui/window/answerlog.h"
#include "ui/window/exercisesmenu.h"
#include "ui/window/platform.h"
#include "ui/window/sheetzoom.h"
#include "ui/window/windowbars.h"

#include <QMainWindow>

class QAction;
class QWheelEvent;

namespace quiz {
struct Verdict;
}

namespace ui {

// The quiz window: the triangle with its lengths, the answer box, the score,
// the clock, the menus and the status bar. One object lives for the whole
// run; a restart rebuilds its controls and keeps its QuizState.
//
// How a problem travels:
//   Enter in txtAnswer -> txtAnswer_KeyPress -> quiz::judgeAnswer -> quiz::Verdict
//     -> applyVerdict: the message and score labels, and accessible::describeVerdict
//        (the screen reader hears the verdict from the Verdict and the Problem);
//   cmdNext_Click -> quiz::drawProblemReviewed at the level (drawProblemAt: at
//     level 1 the designed reseeds and draws, written into QuizState; with
//     "Ripasso" on, the kind drawn again by the AnswerLog's review weights)
//     -> quiz::ProblemDraw
//     -> quiz::problemOf (texts, visibility, caption) -> applyProblem: the value
//     labels, and accessible::describeProblem;
//   a ProblemDraw -> quiz::solveProblem -> the worked solution (F1) and, through
//     quiz::drawProblemSet, the printed worksheet (print/).
// The kinds of problem are one table (quiz/kind.h) that all of these read.
class Tavola : public QMainWindow
{
    Q_OBJECT

public:
    Tavola(quiz::Clock &clock, quiz::RandomSource &random, Platform &platform,
           QWidget *parent = nullptr);

    // Loads the window, shows it maximised and puts up the first problem.
    void start();
    // Builds the controls as designed and runs Form_Load; start() begins with it.
    void load();

    quiz::QuizState &state() { return m_state; }
    // Keeps every judged answer in the record file at path, from the next
    // answer on. Without it the window keeps nothing, as designed.
    // places: where the answers go besides the record, if anywhere.
    void keepRecord(const QString &path, const record::SharePlaces &places = {});
    // Zoom in, zoom out and designed size, for a menu; they work as window
    // shortcuts without one.
    std::array<QAction *, 3> zoomActions() const;
    // The sheet's scale now: the zoom, made smaller where the window is.
    double sheetScale() const { return m_builder.scale(); }
    bool alarmSounded() const { return m_alarm.hasRung(); }

    // Handlers, named after the control and the event.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void cmdNext_Click();
    // Return or keypad Enter in the answer box: judges the answer.
    void txtAnswer_KeyPress();
    void Timer1_Timer();
    void calc_Click();
    void new_Click();
    void level_Changed();
    void cmdExit_Click();

    // The session ends from outside (SIGTERM, or SIGHUP at logout): what
    // waits for the record is written and the file closed.
    void endOnSignal();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The menu bar's actions, rebuilt with it on every restart.
    struct MenuActions
    {
        DesignedMenus designed;
        ExercisesMenu *esercizi = nullptr;
    };

    void unload();
    void buildMenus();
    void bindEvents();
    void setNextEnabled(bool enabled);
    bool isMinimisedOrMaximised() const;
    void fitSheet();

    void applyProblem(const quiz::Problem &problem);
    void applyVerdict(const quiz::Verdict &verdict);
    void showAlarm();
    void runCaptionClock(QTime now);

    // Every handler runs through here: an error that escapes it is reported
    // and ends the program, and never crosses Qt's event loop.
    template <typename Handler> void dispatch(Handler handler);
    void reportUncaughtError(int number, const QString &description);

    quiz::Clock &m_clock;
    quiz::RandomSource &m_random;
    Platform &m_platform;
    format::Language m_language = format::currentLanguage(); // in use from the next restart
    format::DisplayLocale m_locale = format::DisplayLocale::current();
    quiz::QuizState m_state;
    quiz::AlarmRule m_alarm;                                // survives restarts
    quiz::Level m_level = ExercisesMenu::rememberedLevel(); // "Nuovo gioco" keeps it
    bool m_inTick = false;
    SheetBuilder m_builder;
    SheetControls m_controls;
    MenuActions m_menu;
    QAction *m_nextOnEnter = nullptr; // lives for the whole run
    SheetZoom *m_zoom = nullptr;      // lives for the whole run
    quiz::Problem m_problem;          // the one on display
    AnswerLog *m_log = nullptr;       // the record, when kept
    bool m_openingMaximised = false;  // placed at its first size, not before
};

} // namespace ui
