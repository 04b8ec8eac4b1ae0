// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/exercisesmenu.h"

#include "files/languagechoice.h"
#include "files/settings.h"
#include "quiz/solution.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/assignmentdialog.h"
#include "ui/dialogs/worksheetdialog.h"
#include "ui/results/resultswindow.h"
#include "ui/sheet/alarmzone.h"
#include "ui/window/answerlog.h"
#include "ui/window/commands.h"
#include "ui/window/messagebox.h"
#include "ui/window/platform.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>

namespace ui {
namespace {

const QString levelKey = QStringLiteral("quiz/level");

} // namespace

ExercisesMenu::ExercisesMenu(QMenuBar *bar, quiz::QuizSession &session, format::Language &language,
                             const quiz::Clock &clock, const format::DisplayLocale &locale,
                             Platform &platform, QWidget *window)
    : QObject(bar), m_menu(bar->addMenu(tr("Esercizi"))), m_session(session), m_language(language),
      m_clock(clock), m_locale(locale), m_platform(platform), m_window(window)
{
    m_menu->setObjectName(QStringLiteral("esercizi"));
    m_menu->menuAction()->setObjectName(QStringLiteral("esercizi"));
    soluzione = addNamedAction(m_menu, "soluzione", tr("Come si risolve"), {Qt::Key_F1});
    addLevelItems();
    scheda = addNamedAction(m_menu, "scheda", tr("Stampa una scheda..."), {Qt::CTRL | Qt::Key_P});
    compito = addNamedAction(m_menu, "compito", tr("Compito..."));
    sveglia = addNamedAction(m_menu, "sveglia", tr("Imposta la sveglia..."));
    addLanguageItems();
    addRecordItems();
    // The worked solution gives the answer away, so it waits for a verdict.
    soluzione->setEnabled(false);
    connect(&session, &quiz::QuizSession::problemPosed, this,
            [this] { soluzione->setEnabled(false); });
    connect(&session, &quiz::QuizSession::answerJudged, this,
            [this] { soluzione->setEnabled(true); });
    setLog(nullptr);
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
        livello[i]->setChecked(level == m_session.level());
        group->addAction(livello[i]);
    }
    ripasso = addNamedAction(m_menu, "ripasso", tr("Ripasso"));
    ripasso->setCheckable(true);
}

void ExercisesMenu::addRecordItems()
{
    m_menu->addSeparator();
    chiGioca = addNamedAction(m_menu, "chiGioca", tr("Chi gioca..."));
    risultati = addNamedAction(m_menu, "risultati", tr("I miei risultati"));
    esporta = addNamedAction(m_menu, "esporta", tr("Esporta i miei risultati..."));
    cancella = addNamedAction(m_menu, "cancella", tr("Cancella i miei risultati..."));
    cancellaTutti = addNamedAction(m_menu, "cancellaTutti",
                                   tr("Cancella tutti i risultati di questo account..."));
}

void ExercisesMenu::setLog(AnswerLog *log)
{
    m_log = log;
    for (QAction *item : {ripasso, chiGioca, risultati, esporta, cancella, cancellaTutti})
        item->setEnabled(log != nullptr);
    ripasso->setEnabled(log != nullptr && !m_assignment);
    ripasso->setChecked(log && log->reviewing());
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
    wire(compito, &QAction::triggered, this, &ExercisesMenu::compito_Click, run);
    wire(sveglia, &QAction::triggered, this, &ExercisesMenu::sveglia_Click, run);
    wire(ripasso, &QAction::triggered, this, &ExercisesMenu::ripasso_Click, run);
    wire(chiGioca, &QAction::triggered, this, &ExercisesMenu::chiGioca_Click, run);
    wire(risultati, &QAction::triggered, this, &ExercisesMenu::risultati_Click, run);
    wire(esporta, &QAction::triggered, this, &ExercisesMenu::esporta_Click, run);
    wire(cancella, &QAction::triggered, this, &ExercisesMenu::cancella_Click, run);
    wire(cancellaTutti, &QAction::triggered, this, &ExercisesMenu::cancellaTutti_Click, run);
    wire(new AlarmZone(stopwatch), &AlarmZone::clicked, this, &ExercisesMenu::sveglia_Click, run);
}

void ExercisesMenu::addCommands(const QList<QAction *> &commands)
{
    m_menu->addSeparator();
    m_menu->addActions(commands);
}

void ExercisesMenu::soluzione_Click()
{
    const QString title = tr("Come si risolve");
    const QString text = quiz::solveProblem(m_session.problem().draw, m_locale).text();
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_window);
    // A screen reader announces the box by these; the steps must all be heard.
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    emit solutionShown();
    box.exec();
}

void ExercisesMenu::scheda_Click()
{
    WorksheetDialog dialog(m_platform, m_window);
    dialog.exec();
}

void ExercisesMenu::compito_Click()
{
    AssignmentDialog dialog({}, m_window);
    if (dialog.exec() == QDialog::Accepted)
        emit assignmentChosen(dialog.chosenAssignment());
}

void ExercisesMenu::setAssignment(const std::optional<quiz::Assignment> &assignment)
{
    m_assignment = assignment;
    const quiz::Level shown = assignment ? assignment->level : m_session.level();
    for (size_t i = 0; i < livello.size(); ++i)
        livello[i]->setChecked(quiz::allLevels[i] == shown);
    ripasso->setEnabled(m_log != nullptr && !assignment);
}

bool ExercisesMenu::mayLeaveAssignment()
{
    if (!m_assignment)
        return true;
    const auto answer =
        showBox(m_window, QMessageBox::Question, tr("Compito"),
                tr("Il compito %1 non è finito. Vuoi lasciarlo? Potrai continuarlo più tardi "
                   "da «Compito...».")
                    .arg(quiz::assignmentCode(*m_assignment)),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void ExercisesMenu::livello_Click(quiz::Level chosen)
{
    if (m_assignment) {
        if (!mayLeaveAssignment()) {
            setAssignment(m_assignment); // the radio items back on its level
            return;
        }
        files::Settings::user().setValue(levelKey, int(chosen));
        // The window's own level goes on, now the one chosen.
        emit assignmentLeft(chosen);
        setAssignment(std::nullopt);
        return;
    }
    if (chosen == m_session.level())
        return;
    files::Settings::user().setValue(levelKey, int(chosen));
    m_session.setLevel(chosen);
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
    AlarmDialog dialog(quiz::pendingAlarm(m_clock.timeOfDay(), m_session.state().AlarmTime),
                       m_clock, m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_session.state().AlarmTime = dialog.chosenAlarm();
}

} // namespace ui

namespace ui {

void ExercisesMenu::ripasso_Click()
{
    if (m_log)
        m_log->setReviewing(ripasso->isChecked());
}

void ExercisesMenu::chiGioca_Click()
{
    if (m_log)
        m_log->choosePupil(false);
}

void ExercisesMenu::risultati_Click()
{
    if (!m_log)
        return;
    // Its own window, so the pupil can keep it beside the quiz; one at a
    // time, with today's figures. It opens when the record's thread has
    // read them; the quiz goes on meanwhile.
    m_log->readPupilAnswers(
        this, [this, pupil = m_log->pupil()](const QList<record::AnswerRow> &answers) {
            if (m_results)
                m_results->close();
            auto *results =
                new ResultsWindow(answers, pupil, m_clock.dateTime().date(), m_locale, m_window);
            results->setAttribute(Qt::WA_DeleteOnClose);
            results->show();
            m_results = results;
        });
}

void ExercisesMenu::esporta_Click()
{
    if (!m_log)
        return;
    // Named for the pupil, so the teacher's folder of copies tells them apart.
    QString name = m_log->pupil().name;
    name.replace(QRegularExpression(QStringLiteral("[^\\w]+")), QStringLiteral("-"));
    // The date too: the teacher collects a copy now and again.
    const QString day = m_clock.dateTime().date().toString(Qt::ISODate);
    const QString suggested =
        QDir(suggestedFolder())
            .filePath(name.isEmpty() ? tr("risultati-%1.sqlite").arg(day)
                                     : tr("risultati-%1-%2.sqlite").arg(name, day));
    const QString target =
        m_platform.chooseFileToSave(m_window, tr("Esporta i miei risultati"), suggested,
                                    tr("Risultati di Solvetra (*.sqlite)"));
    if (target.isEmpty())
        return;
    const QString refusal = m_log->exportTo(target);
    if (refusal.isEmpty())
        showBox(
            m_window, QMessageBox::Information, tr("Esporta i miei risultati"),
            tr("I risultati sono stati copiati in «%1».").arg(QDir::toNativeSeparators(target)) +
                u' ' +
                tr("Consegna questo file all'insegnante: lo apre con Solvetra – Insegnante"));
    else
        showBox(m_window, QMessageBox::Warning, tr("Esporta i miei risultati"),
                tr("Non ho potuto copiare i risultati: %1").arg(refusal));
}

// The next copy keeps the one already in the class folder beside it: say so.
QString ExercisesMenu::withClassFolderCopy(const QString &question) const
{
    if (!m_log->copiesToClassFolder())
        return question;
    return question + u' ' + tr("La copia già nella cartella della classe resta per l'insegnante.");
}

void ExercisesMenu::cancella_Click()
{
    if (!m_log)
        return;
    const QString name = m_log->pupil().name;
    QString question =
        name.isEmpty()
            ? tr("Vuoi davvero cancellare i risultati dati senza nome? Quelli di chi ha dato il "
                 "suo nome restano. Non si potranno più recuperare.")
            : tr("Vuoi davvero cancellare i risultati di %1? Quelli degli altri restano. Non si "
                 "potranno più recuperare.")
                  .arg(name);
    const auto answer =
        showBox(m_window, QMessageBox::Question, tr("Cancella i miei risultati"),
                withClassFolderCopy(question), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const QString refusal = m_log->deletePupilAnswers();
    if (refusal.isEmpty())
        showBox(m_window, QMessageBox::Information, tr("Cancella i miei risultati"),
                tr("I risultati sono stati cancellati."));
    else
        showBox(m_window, QMessageBox::Warning, tr("Cancella i miei risultati"),
                tr("Non ho potuto cancellare i risultati: %1").arg(refusal));
}

void ExercisesMenu::cancellaTutti_Click()
{
    if (!m_log)
        return;
    const QString question =
        tr("Vuoi davvero cancellare tutti i risultati salvati con questo utente del computer "
           "(anche quelli di chi altro vi ha giocato)? Non si potranno più recuperare.");
    const auto answer =
        showBox(m_window, QMessageBox::Question, tr("Cancella tutti i risultati di questo account"),
                withClassFolderCopy(question), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (m_log->deleteRecord())
        showBox(m_window, QMessageBox::Information,
                tr("Cancella tutti i risultati di questo account"),
                tr("I risultati sono stati cancellati."));
    else
        showBox(m_window, QMessageBox::Warning, tr("Cancella tutti i risultati di questo account"),
                tr("Non ho potuto cancellare il file dei risultati «%1».")
                    .arg(QDir::toNativeSeparators(m_log->path())));
}

} // namespace ui
