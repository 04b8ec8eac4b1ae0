// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/exercisesmenu.h"

#include "quiz/solution.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/worksheetdialog.h"
#include "ui/sheet/alarmzone.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace ui {

ExercisesMenu::ExercisesMenu(QMenuBar *bar, quiz::QuizState &state, const quiz::Problem &problem,
                             const quiz::Clock &clock, const format::DisplayLocale &locale,
                             QWidget *window)
    : QObject(bar), m_menu(bar->addMenu(QStringLiteral("Esercizi"))), m_state(state),
      m_problem(problem), m_clock(clock), m_locale(locale), m_window(window)
{
    m_menu->setObjectName(QStringLiteral("esercizi"));
    m_menu->menuAction()->setObjectName(QStringLiteral("esercizi"));
    const auto item = [this](const char *name, const QString &text, const QKeySequence &keys) {
        QAction *action = m_menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        return action;
    };
    soluzione = item("soluzione", QStringLiteral("Come si risolve"), QKeySequence(Qt::Key_F1));
    scheda =
        item("scheda", QStringLiteral("Stampa una scheda..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    sveglia = item("sveglia", QStringLiteral("Imposta la sveglia..."), QKeySequence());
    soluzione->setEnabled(false);
}

void ExercisesMenu::bind(const Runner &run, QWidget *stopwatch)
{
    const auto handle = [this, run](QAction *action, void (ExercisesMenu::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, run, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    handle(soluzione, &ExercisesMenu::soluzione_Click);
    handle(scheda, &ExercisesMenu::scheda_Click);
    handle(sveglia, &ExercisesMenu::sveglia_Click);
    connect(new AlarmZone(stopwatch), &AlarmZone::clicked, this,
            [this, run] { run([this] { sveglia_Click(); }); });
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
    const QString title = QStringLiteral("Come si risolve");
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
