// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/exercisesmenu.h"

#include "quiz/solution.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/worksheetdialog.h"
#include "ui/sheet/alarmzone.h"
#include "ui/window/commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace ui {

ExercisesMenu::ExercisesMenu(QMenuBar *bar, quiz::QuizState &state, const quiz::Problem &problem,
                             const quiz::Clock &clock, const format::DisplayLocale &locale,
                             QWidget *window)
    : QObject(bar), m_menu(bar->addMenu(tr("Esercizi"))), m_state(state), m_problem(problem),
      m_clock(clock), m_locale(locale), m_window(window)
{
    m_menu->setObjectName(QStringLiteral("esercizi"));
    m_menu->menuAction()->setObjectName(QStringLiteral("esercizi"));
    soluzione = addNamedAction(m_menu, "soluzione", tr("Come si risolve"), {Qt::Key_F1});
    scheda = addNamedAction(m_menu, "scheda", tr("Stampa una scheda..."), {Qt::CTRL | Qt::Key_P});
    sveglia = addNamedAction(m_menu, "sveglia", tr("Imposta la sveglia..."));
    soluzione->setEnabled(false);
}

void ExercisesMenu::bind(const Runner &run, QWidget *stopwatch)
{
    wire(soluzione, &QAction::triggered, this, &ExercisesMenu::soluzione_Click, run);
    wire(scheda, &QAction::triggered, this, &ExercisesMenu::scheda_Click, run);
    wire(sveglia, &QAction::triggered, this, &ExercisesMenu::sveglia_Click, run);
    wire(new AlarmZone(stopwatch), &AlarmZone::clicked, this, &ExercisesMenu::sveglia_Click, run);
}

void ExercisesMenu::addCommands(const QList<QAction *> &commands)
{
    m_menu->addSeparator();
    m_menu->addActions(commands);
}

void ExercisesMenu::setVerdictStanding(bool standing)
{
    soluzione->setEnabled(standing);
}

void ExercisesMenu::soluzione_Click()
{
    const QString title = tr("Come si risolve");
    const QString text = quiz::solveProblem(m_problem.draw, m_locale).text();
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_window);
    // A screen reader announces the box by these; the steps must all be heard.
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    box.exec();
}

void ExercisesMenu::scheda_Click()
{
    WorksheetDialog dialog(m_window);
    dialog.exec();
}

void ExercisesMenu::sveglia_Click()
{
    AlarmDialog dialog(m_state.AlarmTime, m_clock, m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_state.AlarmTime = dialog.chosenAlarm();
}

} // namespace ui
