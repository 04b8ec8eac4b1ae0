// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/exercisesmenu.h"

#include "files/languagechoice.h"
#include "files/settings.h"
#include "quiz/solution.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/worksheetdialog.h"
#include "ui/sheet/alarmzone.h"
#include "ui/window/commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

namespace ui {
namespace {

const QString levelKey = QStringLiteral("quiz/level");

} // namespace

ExercisesMenu::ExercisesMenu(QMenuBar *bar, quiz::QuizState &state, const quiz::Problem &problem,
                             quiz::Level &level, format::Language &language,
                             const quiz::Clock &clock, const format::DisplayLocale &locale,
                             QWidget *window)
    : QObject(bar), m_menu(bar->addMenu(tr("Esercizi"))), m_state(state), m_problem(problem),
      m_level(level), m_language(language), m_clock(clock), m_locale(locale), m_window(window)
{
    m_menu->setObjectName(QStringLiteral("esercizi"));
    m_menu->menuAction()->setObjectName(QStringLiteral("esercizi"));
    soluzione = addNamedAction(m_menu, "soluzione", tr("Come si risolve"), {Qt::Key_F1});
    addLevelItems();
    scheda = addNamedAction(m_menu, "scheda", tr("Stampa una scheda..."), {Qt::CTRL | Qt::Key_P});
    sveglia = addNamedAction(m_menu, "sveglia", tr("Imposta la sveglia..."));
    addLanguageItems();
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

void ExercisesMenu::addLanguageItems()
{
    QMenu *languages = m_menu->addMenu(tr("Lingua"));
    languages->setObjectName(QStringLiteral("lingua"));
    auto *group = new QActionGroup(languages);
    for (size_t i = 0; i < format::allLanguages.size(); ++i) {
        const format::Language language = format::allLanguages[i];
        const QByteArray name = "lingua_" + format::languageCode(language).toLatin1();
        lingua[i] = addNamedAction(languages, name.constData(), format::ownName(language));
        lingua[i]->setCheckable(true);
        lingua[i]->setChecked(language == m_language);
        group->addAction(lingua[i]);
    }
}

void ExercisesMenu::bind(const Runner &run, QWidget *stopwatch)
{
    for (size_t i = 0; i < livello.size(); ++i) {
        const quiz::Level level = quiz::allLevels[i];
        connect(livello[i], &QAction::triggered, this,
                [this, level, run] { run([this, level] { livello_Click(level); }); });
    }
    for (size_t i = 0; i < lingua.size(); ++i) {
        const format::Language language = format::allLanguages[i];
        connect(lingua[i], &QAction::triggered, this,
                [this, language, run] { run([this, language] { lingua_Click(language); }); });
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

// The window is built in its language at each restart; rebuilt now, it would
// lose the score and the problem on display.
void ExercisesMenu::lingua_Click(format::Language chosen)
{
    if (chosen == m_language)
        return;
    m_language = chosen;
    files::rememberLanguage(chosen);
    auto *window = qobject_cast<QMainWindow *>(m_window);
    if (!window)
        return;
    // Back to the language in use before a restart: nothing is pending.
    if (chosen == format::currentLanguage())
        window->statusBar()->clearMessage();
    else
        window->statusBar()->showMessage(
            tr("Lingua: %1, dal prossimo «Nuovo gioco».").arg(format::ownName(chosen)));
}

void ExercisesMenu::sveglia_Click()
{
    AlarmDialog dialog(quiz::pendingAlarm(m_clock.timeOfDay(), m_state.AlarmTime), m_clock,
                       m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_state.AlarmTime = dialog.chosenAlarm();
}

} // namespace ui
