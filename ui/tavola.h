// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/answer.h"
#include "quiz/clock.h"
#include "quiz/problem.h"
#include "quiz/quizstate.h"
#include "quiz/randomsource.h"
#include "ui/platform.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QLineEdit;
class QTimer;

namespace ui {

class DesignLabel;
class PictureButton;

// The worksheet window: the triangle with its lengths, the answer box, the
// score, the clock, the menus and the status bar. One object lives for the
// whole run; a restart rebuilds its controls and keeps its QuizState.
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
    bool alarmSounded() const { return m_alarmSounded; }

    // Handlers, named after the control and the event.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void cmdNext_Click();
    void txtAnswer_KeyPress(char16_t &KeyAscii);
    void Timer1_Timer();
    void calc_Click();
    void new_Click();
    void cmdExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Controls, by the name of the worksheet.
    struct Controls
    {
        QWidget *sheet = nullptr;
        QLineEdit *txtAnswer = nullptr;
        QLineEdit *Text1 = nullptr;
        PictureButton *cmdNext = nullptr;
        PictureButton *cmdExit = nullptr;
        DesignLabel *lblMessage = nullptr;
        DesignLabel *Label5 = nullptr;
        DesignLabel *lblScore = nullptr;
        DesignLabel *lblScore1 = nullptr;
        DesignLabel *lblScore2 = nullptr;
        DesignLabel *lblTime = nullptr;
        std::array<DesignLabel *, quiz::lengthCount> lengths{}; // indexed by quiz::Length
        std::array<DesignLabel *, quiz::unitLabelCount> Label2{};
        QTimer *Timer1 = nullptr;
    };

    void unload();
    void buildSheet();
    void buildScoreArea();
    void buildClock();
    void buildTopRow();
    void buildFigure();
    void buildButtons();
    void buildMenus();
    void buildStatusBar();
    void bindEvents();

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
    const format::DisplayLocale m_locale = format::DisplayLocale::italian();
    quiz::QuizState m_state;
    bool m_alarmSounded = false; // survives restarts
    bool m_inTick = false;
    Controls m_controls;
};

} // namespace ui
