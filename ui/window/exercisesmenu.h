// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "format/language.h"
#include "quiz/assignment.h"
#include "quiz/clock.h"
#include "quiz/level.h"
#include "quiz/quizsession.h"
#include "ui/window/commands.h"

#include <QDialog>
#include <QList>
#include <QObject>
#include <QPointer>

#include <array>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui {

class AnswerLog;
class Platform;

// The "Esercizi" menu, after the window's four: how the current problem is
// solved, the level and the review, a worksheet to print, the alarm, the
// language, and the pupil's record (who plays, the results, their copy and
// their deletion), which is greyed out while the window keeps none. It lives with the menu bar
// and is rebuilt with it on every restart; the state it reads and writes
// belongs to the window and outlives it.
class ExercisesMenu : public QObject
{
    Q_OBJECT

public:
    // The session holds the problem on display and the level; language is
    // the one the next restart speaks, kept by the window.
    ExercisesMenu(QMenuBar *bar, quiz::QuizSession &session, format::Language &language,
                  const quiz::Clock &clock, const format::DisplayLocale &locale, Platform &platform,
                  QWidget *window);

    // The level chosen in an earlier run, or the first one.
    static quiz::Level rememberedLevel();

    QMenu *menu() const { return m_menu; }

    // Connects the items, and a click on the stopwatch or under the clock,
    // to their handlers, each run through run.
    void bind(const Runner &run, QWidget *stopwatch);

    // Commands of the window's own (the zoom) listed here too, after a separator.
    void addCommands(const QList<QAction *> &commands);

    // The record the window keeps, or none.
    void setLog(AnswerLog *log);

    // The assignment that runs, or none. While one runs the level shown is
    // its own, "Ripasso" is set aside, and a new level is chosen only once
    // the pupil agrees to leave it.
    void setAssignment(const std::optional<quiz::Assignment> &assignment);
    // Asks whether to leave the assignment that runs; true when none runs.
    bool mayLeaveAssignment();

    // Handlers, named after the menu items.
    void soluzione_Click();
    void scheda_Click();
    void compito_Click();
    void sveglia_Click();
    void livello_Click(quiz::Level chosen);
    void lingua_Click(format::Language chosen);
    void ripasso_Click();
    void chiGioca_Click();
    void risultati_Click();
    void esporta_Click();
    void cancella_Click();
    void cancellaTutti_Click();

    QAction *soluzione = nullptr;                            // "Come si risolve"
    QAction *scheda = nullptr;                               // "Stampa una scheda..."
    QAction *compito = nullptr;                              // "Compito..."
    QAction *sveglia = nullptr;                              // "Imposta la sveglia..."
    std::array<QAction *, quiz::allLevels.size()> livello{}; // "Livello": one radio item a level
    // "Lingua": one radio item a language, in format::allLanguages' order.
    std::array<QAction *, format::allLanguages.size()> lingua{};
    QAction *ripasso = nullptr;       // "Ripasso", checkable
    QAction *chiGioca = nullptr;      // "Chi gioca..."
    QAction *risultati = nullptr;     // "I miei risultati"
    QAction *esporta = nullptr;       // "Esporta i miei risultati..."
    QAction *cancella = nullptr;      // "Cancella i miei risultati..."
    QAction *cancellaTutti = nullptr; // "Cancella tutti i risultati di questo account..."

signals:
    // The worked solution of the answered problem was shown.
    void solutionShown();
    // A pupil typed the code of an assignment to play.
    void assignmentChosen(const quiz::Assignment &assignment);
    // The pupil chose to leave the assignment for a level, maybe the one
    // the window had before it.
    void assignmentLeft(quiz::Level chosen);

private:
    QString withClassFolderCopy(const QString &question) const;
    void addLevelItems();
    void addLanguageItems();
    void addRecordItems();

    QMenu *m_menu;
    quiz::QuizSession &m_session;
    format::Language &m_language;
    const quiz::Clock &m_clock;
    const format::DisplayLocale &m_locale;
    Platform &m_platform;
    QWidget *m_window;
    AnswerLog *m_log = nullptr;
    QPointer<QDialog> m_results;                  // "I miei risultati", while open
    std::optional<quiz::Assignment> m_assignment; // while one runs
};

} // namespace ui
