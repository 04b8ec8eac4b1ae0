// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/assignmentrun.h"
#include "quiz/clock.h"
#include "quiz/quizsession.h"
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
// run; a restart rebuilds its controls and keeps its session.
//
// How a problem travels (the handlers only call the session; the rest listen):
//   cmdNext_Click -> quiz::QuizSession::poseProblem (the draw at the level,
//     weighted by the AnswerLog's review) -> problemPosed(Problem)
//     -> applyProblem: the value labels; accessible::describeProblem;
//        ExercisesMenu (no solution yet); AnswerLog (the time shown);
//   during an assignment, cmdNext_Click -> quiz::AssignmentRun::pose instead
//     (problem k of the assignment's set, the worksheet's own), which the
//     session poses as it would one it drew;
//   Enter in txtAnswer -> txtAnswer_KeyPress -> QuizSession::judge -> Verdict
//     -> answerJudged(Problem, Verdict) -> applyVerdict: message and score
//        labels; accessible::describeVerdict; the assignment's progress;
//        ExercisesMenu (the solution); AnswerLog -> record::RecordThread,
//        which writes on its own thread;
//   a ProblemDraw -> quiz::solveProblem (F1) and quiz::drawProblemSet (print/).
// The kinds of problem are one table (quiz/kind.h) that all of these read.
class Tavola : public QMainWindow
{
    Q_OBJECT

public:
    Tavola(quiz::Clock &clock, quiz::RandomSource &random, Platform &platform,
           QWidget *parent = nullptr);

    // Loads the window, shows it maximised and puts up the first problem.
    void start();
    // Builds the bars and the controls as designed and runs Form_Load.
    void load();

    quiz::QuizState &state() { return m_session.state(); }
    quiz::QuizSession &session() { return m_session; }
    // Opens on an assignment, as the command line asks: start() begins it.
    void openOnAssignment(const quiz::Assignment &assignment) { m_opening = assignment; }
    // Begins an assignment, or goes on where the pupil stopped it, and poses
    // its problem at once.
    void beginAssignment(const quiz::Assignment &assignment);
    // The assignment that runs, if any.
    const std::optional<quiz::AssignmentRun> &assignmentRun() const { return m_run; }
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
    bool event(QEvent *event) override;

private:
    // The menu bar's actions, rebuilt with it on every restart.
    struct MenuActions
    {
        DesignedMenus designed;
        ExercisesMenu *esercizi = nullptr;
    };

    void unload();
    // The menus, the status bar, the caption and the normal size.
    void loadFrame();
    // The sheet's controls, then Form_Load.
    void loadSheet();
    void buildMenus();
    void bindEvents();
    void setNextEnabled(bool enabled);
    bool isMinimisedOrMaximised() const;
    void fitSheetAwaitingMaximised();
    void fitSheet();
    void placeOpened();
    void finishOpening();

    void applyProblem(const quiz::Problem &problem);
    void applyVerdict(const quiz::Verdict &verdict);
    void showRefusal(const quiz::Verdict &verdict);
    void showAlarm();
    // The assignment's hooks: where a pupil stopped, its problems, its answers.
    quiz::AssignmentProgress progressToResume(const quiz::Assignment &assignment);
    void offerUnfinishedAssignment();
    record::Pupil player() const; // who plays, as the record names them
    void poseAssignmentProblem();
    void assignmentAnswered(bool right);
    void showAssignment();
    void endAssignment();
    void showLastPanel();
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
    quiz::QuizSession m_session; // the problem, the score and the level
    quiz::AlarmRule m_alarm;     // survives restarts
    bool m_inTick = false;
    SheetBuilder m_builder;
    SheetControls m_controls;
    MenuActions m_menu;
    QAction *m_nextOnEnter = nullptr; // lives for the whole run
    SheetZoom *m_zoom = nullptr;      // lives for the whole run
    AnswerLog *m_log = nullptr;       // the record, when kept
    bool m_openingMaximised = false;  // placed at its first size, not before
    bool m_awaitingMaximised = false; // shown, not painted until maximised
    QSize m_normalSize;
    bool m_painted = false; // the window's first paint

    std::optional<quiz::Assignment> m_opening; // from the command line
    std::optional<quiz::AssignmentRun> m_run;  // while an assignment runs
};

} // namespace ui
