// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/exercisesmenu.h"

#include "quiz/solution.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/worksheetdialog.h"
#include "ui/sheet/alarmzone.h"
#include "ui/window/commands.h"
#include "files/settings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace ui {
namespace {

const QString levelKey = QStringLiteral("quiz/level");

} // namespace

ExercisesMenu::ExercisesMenu(QMenuBar *bar, quiz::QuizState &state, const quiz::Problem &problem,
                             quiz::Level &level, const quiz::Clock &clock,
                             const format::DisplayLocale &locale, QWidget *window)
    : QObject(bar), m_menu(bar->addMenu(tr("Esercizi"))), m_state(state), m_problem(problem),
      m_level(level), m_clock(clock), m_locale(locale), m_window(window)
{
    m_menu->setObjectName(QStringLiteral("esercizi"));
    m_menu->menuAction()->setObjectName(QStringLiteral("esercizi"));
    soluzione = addNamedAction(m_menu, "soluzione", tr("Come si risolve"), {Qt::Key_F1});
    addLevelItems();
    scheda = addNamedAction(m_menu, "scheda", tr("Stampa una scheda..."), {Qt::CTRL | Qt::Key_P});
    sveglia = addNamedAction(m_menu, "sveglia", tr("Imposta la sveglia..."));
    soluzione->setEnabled(false);
}

quiz::Level ExercisesMenu::rememberedLevel()
{
    const int number = files::Settings::user().value(levelKey, int(quiz::defaultLevel)).toInt();
    return quiz::levelOfNumber(number).value_or(quiz::defaultLevel);
}

void ExercisesMenu::addLevelItems()
{
    QMenu *levels = m_menu->addMenu(tr("Livello"));
    levels->setObjectName(QStringLiteral("livello"));
    auto *group = new QActionGroup(levels);
    for (size_t i = 0; i < quiz::allLevels.size(); ++i) {
        const quiz::Level level = quiz::allLevels[i];
        const QByteArray name = "livello" + QByteArray::number(int(level));
        livello[i] = addNamedAction(levels, name.constData(),
                                    tr("%1. %2").arg(int(level)).arg(quiz::levelName(level)));
        livello[i]->setCheckable(true);
        livello[i]->setChecked(level == m_level);
        group->addAction(livello[i]);
    }
}

void ExercisesMenu::bind(const Runner &run, QWidget *stopwatch)
{
    for (size_t i = 0; i < livello.size(); ++i) {
        const quiz::Level level = quiz::allLevels[i];
        connect(livello[i], &QAction::triggered, this,
                [this, level, run] { run([this, level] { livello_Click(level); }); });
    }
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
    emit solutionShown();
    box.exec();
}

void ExercisesMenu::scheda_Click()
{
    WorksheetDialog dialog(m_window);
    dialog.exec();
}

void ExercisesMenu::livello_Click(quiz::Level chosen)
{
    if (chosen == m_level)
        return;
    m_level = chosen;
    files::Settings::user().setValue(levelKey, int(chosen));
    emit levelChanged();
}

void ExercisesMenu::sveglia_Click()
{
    AlarmDialog dialog(quiz::pendingAlarm(m_clock.timeOfDay(), m_state.AlarmTime), m_clock,
                       m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_state.AlarmTime = dialog.chosenAlarm();
}

} // namespace ui
