// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/tavola.h"

#include "format/numberpattern.h"
#include "format/timetext.h"
#include "quiz/answer.h"
#include "quiz/review.h"
#include "quiz/runtimeerror.h"
#include "ui/access/accessiblesheet.h"
#include "ui/access/accessibletexts.h"
#include "ui/sheet/artwork.h"
#include "ui/sheet/designlabel.h"
#include "ui/sheet/picturebutton.h"
#include "ui/sheet/sheetdesign.h"
#include "ui/sheet/twips.h"
#include "ui/window/assignmentsettings.h"
#include "ui/window/captioncolour.h"
#include "ui/window/messagebox.h"
#include "ui/window/pupilsettings.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace ui {
namespace {

// The number an error report shows for a failure outside the quiz's arithmetic.
constexpr int internalErrorNumber = 51;
// How long a window opening maximised waits for the window manager to maximise it.
constexpr int maximisingWaitMs = 300;
// Posted at the first paint, behind it: what the first paint does not need.
const QEvent::Type afterFirstPaint = QEvent::Type(QEvent::registerEventType());

} // namespace

Tavola::Tavola(quiz::Clock &clock, quiz::RandomSource &random, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_clock(clock), m_random(random), m_platform(platform),
      m_session(clock, random, ExercisesMenu::rememberedLevel())
{
    // The window's own listeners come first: the screen reader and the
    // record hear of what the labels already show.
    connect(&m_session, &quiz::QuizSession::problemPosed, this, &Tavola::applyProblem);
    connect(&m_session, &quiz::QuizSession::problemPosed, this,
            [this](const quiz::Problem &problem) {
                accessible::describeProblem(m_controls, problem);
                // Read with each question, as the panel cannot be while the box has the focus.
                if (m_run)
                    m_controls.txtAnswer->setAccessibleDescription(
                        m_run->progressText() + QStringLiteral(". ") +
                        m_controls.txtAnswer->accessibleDescription());
            });
    connect(&m_session, &quiz::QuizSession::answerJudged, this,
            [this](const quiz::Problem &, const quiz::Verdict &verdict) { applyVerdict(verdict); });
    connect(&m_session, &quiz::QuizSession::answerJudged, this,
            [this](const quiz::Problem &problem, const quiz::Verdict &verdict) {
                accessible::describeVerdict(m_controls, verdict, problem);
                if (m_run)
                    assignmentAnswered(verdict.right);
            });
    connect(&m_session, &quiz::QuizSession::levelChanged, this,
            [this] { dispatch([this] { level_Changed(); }); });
    setObjectName(QStringLiteral("Tavola"));
    accessible::installReaderFilter();
    m_zoom = new SheetZoom(this);
    addMenuBarKey(this);
    connect(m_zoom, &SheetZoom::changed, this, [this] { fitSheet(); });
    // After a verdict, Enter anywhere in the window starts the next problem.
    // Before it, Enter reaches the answer box, which judges.
    m_nextOnEnter = new QAction(this);
    m_nextOnEnter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                 QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)});
    m_nextOnEnter->setEnabled(false);
    addAction(m_nextOnEnter);
    connect(m_nextOnEnter, &QAction::triggered, this, [this] { m_controls.cmdNext->click(); });
}

void Tavola::start()
{
    m_openingMaximised = true;
    // A window manager maps the window at its normal size and maximises it
    // some milliseconds later. The window is shown first, unpainted until it
    // is maximised, and its sheet is built and laid out meanwhile.
    m_awaitingMaximised = true;
    setUpdatesEnabled(false);
    loadFrame();
    showMaximized();
    loadSheet();
    QTimer::singleShot(maximisingWaitMs, this, [this] { placeOpened(); });
    // Before the first problem, which is drawn for the pupil who plays.
    if (m_log && pupilsettings::asksAtStart())
        m_log->choosePupil(true);
    if (m_opening)
        m_run.emplace(*m_opening, progressToResume(*m_opening));
    else
        offerUnfinishedAssignment();
    showAssignment();
    Form_Activate();
}

void Tavola::load()
{
    loadFrame();
    loadSheet();
}

void Tavola::loadFrame()
{
    buildMenus();
    setStatusBar(createStatusBar(devicePixelRatio()));
    showLastPanel();
    setWindowTitle(tr("Gioca  con i Solvetra"));
    if (isVisible())
        return;
    // Room for the whole sheet: the designed client area leaves the two
    // buttons under the status bar.
    const QSize sheet = SheetBuilder::designedSize();
    const int width = std::max(twips::toPixels(designedClientTwips[0]), sheet.width());
    m_normalSize =
        QSize(width, sheet.height() + statusBar()->height() + menuBar()->sizeHint().height());
    resize(m_normalSize);
}

void Tavola::loadSheet()
{
    m_controls = m_builder.build();
    accessible::describeSheet(m_controls);
    setCentralWidget(m_controls.sheet);
    if (!isVisible()) {
        // A window opening maximised is placed once, at its first size.
        if (!m_openingMaximised)
            m_builder.applyScale(1.0);
    } else {
        // Shown already (a restart, or a window opening maximised): the new
        // bars and sheet would be shown only later, and the layout would
        // leave the sheet at a new widget's default size.
        for (QWidget *part :
             std::initializer_list<QWidget *>{menuBar(), statusBar(), m_controls.sheet})
            part->show();
        fitSheet();
    }
    bindEvents();
    setNextEnabled(false);
    m_controls.Timer1->start();
    dispatch([this] { Form_Load(); });
}

void Tavola::unload()
{
    m_controls.Timer1->stop();
    // Deleted later: a menu command may be running from the bar that goes.
    const QList<QWidget *> old{takeCentralWidget(), statusBar(), menuBar()};
    for (QWidget *widget : old) {
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
    }
    m_controls = SheetControls();
    m_menu = MenuActions();
}

void Tavola::buildMenus()
{
    QMenuBar *bar = createMenuBar(m_menu.designed);
    m_menu.esercizi =
        new ExercisesMenu(bar, m_session, m_language, m_clock, m_locale, m_platform, this);
    const auto zoom = zoomActions();
    m_menu.esercizi->addCommands(QList<QAction *>(zoom.begin(), zoom.end()));
    m_menu.esercizi->setLog(m_log);
    setMenuBar(bar);
}

void Tavola::bindEvents()
{
    const Runner run = [this](const std::function<void()> &handler) { dispatch(handler); };
    wire(m_controls.cmdNext, &QPushButton::clicked, this, &Tavola::cmdNext_Click, run);
    wire(m_controls.cmdExit, &QPushButton::clicked, this, &Tavola::cmdExit_Click, run);
    wire(m_controls.txtAnswer, &QLineEdit::returnPressed, this, &Tavola::txtAnswer_KeyPress, run);
    wire(m_controls.Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer, run);
    wire(m_menu.designed.calc, &QAction::triggered, this, &Tavola::calc_Click, run);
    wire(m_menu.designed.newGame, &QAction::triggered, this, &Tavola::new_Click, run);
    m_menu.esercizi->bind(run, m_controls.Image1);
    connect(m_menu.esercizi, &ExercisesMenu::assignmentChosen, this,
            [this, run](const quiz::Assignment &assignment) {
                run([this, assignment] {
                    if (m_menu.esercizi->mayLeaveAssignment())
                        beginAssignment(assignment);
                });
            });
    connect(m_menu.esercizi, &ExercisesMenu::assignmentLeft, this, [this, run](quiz::Level chosen) {
        run([this, chosen] {
            endAssignment();
            // The assignment's problem gives way to one of the level,
            // changed or not.
            if (chosen != m_session.level())
                m_session.setLevel(chosen);
            else
                level_Changed();
        });
    });
    connect(m_menu.esercizi, &ExercisesMenu::solutionShown, this, [this] {
        if (m_log)
            m_log->solutionOpened();
    });
}

void Tavola::setNextEnabled(bool enabled)
{
    m_controls.cmdNext->setEnabled(enabled);
    m_nextOnEnter->setEnabled(enabled);
}

bool Tavola::isMinimisedOrMaximised() const
{
    return windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
}

std::array<QAction *, 3> Tavola::zoomActions() const
{
    return m_zoom->actions();
}

// While the window waits to be maximised, the sheet is laid out at the zoom
// when that surely fits the screen's free area whatever frame the window
// manager gives it: once maximised, it is not laid out again.
void Tavola::fitSheetAwaitingMaximised()
{
    // Borders and a title bar, generously.
    constexpr QSize frameAllowance(16, 48);
    if (!screen())
        return;
    const QSize room = screen()->availableSize() - frameAllowance -
                       QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    const QSize designed = SheetBuilder::designedSize();
    const double scale = m_zoom->factor();
    if (room.width() >= designed.width() * scale && room.height() >= designed.height() * scale &&
        scale != m_builder.scale())
        m_builder.applyScale(scale);
}

void Tavola::fitSheet()
{
    if (!m_controls.sheet)
        return;
    if (m_awaitingMaximised) {
        fitSheetAwaitingMaximised();
        return;
    }
    if (QLayout *frame = layout())
        frame->activate();
    const QSize room = m_controls.sheet->size();
    const QSize designed = SheetBuilder::designedSize();
    const double fit = std::min(double(room.width()) / designed.width(),
                                double(room.height()) / designed.height());
    m_zoom->setRoom(fit);
    const double scale = std::min(m_zoom->factor(), fit);
    if (scale > 0 && scale != m_builder.scale())
        m_builder.applyScale(scale);
}

// Once maximised, or after a while without a window manager that maximises.
void Tavola::placeOpened()
{
    if (!m_awaitingMaximised)
        return;
    m_awaitingMaximised = false;
    fitSheet();
    // The maximise leaves the status bar a layout to finish, which repaints
    // it whole; finished now, it is in the first paint instead of after it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    setUpdatesEnabled(true);
}

bool Tavola::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QCoreApplication::postEvent(this, new QEvent(afterFirstPaint), Qt::LowEventPriority);
    } else if (event->type() == afterFirstPaint) {
        finishOpening();
        return true;
    }
    return QMainWindow::event(event);
}

// Once the window is on screen: the icon (the window manager asks for every
// size at once) and the record's thread.
void Tavola::finishOpening()
{
    setWindowIcon(artwork::windowIcon());
    if (m_log)
        m_log->startRecord();
}

void Tavola::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_awaitingMaximised && isMaximized() && isVisible() && event->size() != m_normalSize)
        placeOpened();
    else
        fitSheet();
    dispatch([this] { Form_Resize(); });
}

void Tavola::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QMainWindow::wheelEvent(event);
        return;
    }
    m_zoom->turnWheel(event->angleDelta().y());
    event->accept();
}

void Tavola::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && m_log)
        m_log->finish();
}

void Tavola::endOnSignal()
{
    if (m_log)
        m_log->finish();
}

void Tavola::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        dispatch([this] { Form_Resize(); });
}

template <typename Handler> void Tavola::dispatch(Handler handler)
{
    try {
        handler();
    } catch (const quiz::RuntimeError &error) {
        reportUncaughtError(error.number(), error.description());
    } catch (const std::exception &error) {
        reportUncaughtError(internalErrorNumber, QString::fromLocal8Bit(error.what()));
    }
}

void Tavola::reportUncaughtError(int number, const QString &description)
{
    if (m_controls.Timer1)
        m_controls.Timer1->stop();
    showBox(this, QMessageBox::Critical, tr("Solvetra"),
            tr("Errore di run-time '%1':\n\n%2").arg(number).arg(description));
    m_platform.endProgram(1);
}

// ---- Handlers ----

void Tavola::Form_Load()
{
    m_session.load();
}

void Tavola::Form_Activate()
{
    dispatch([this] { cmdNext_Click(); });
}

void Tavola::Form_Resize()
{
    if (!isMinimisedOrMaximised())
        setWindowTitle(tr("Giocare con I Solvetra"));
}

void Tavola::cmdNext_Click()
{
    SheetControls &c = m_controls;
    c.lblMessage->setCaption(QString());
    for (DesignLabel *unit : c.Label2)
        unit->show();
    for (DesignLabel *length : c.lengths)
        length->hide();

    if (m_run)
        poseAssignmentProblem();
    else
        m_session.poseProblem(m_locale,
                              m_log ? m_log->reviewWeights(m_session.level()) : QList<int>());

    setNextEnabled(false);
    c.txtAnswer->setFocus();
    // Emptied once it has the focus: a screen reader that hears of the
    // emptying first takes the box as already focused and never reads the
    // new question.
    c.txtAnswer->clear();
}

void Tavola::applyProblem(const quiz::Problem &problem)
{
    for (int i = 0; i < quiz::lengthCount; ++i) {
        m_controls.lengths[i]->setCaption(problem.texts[i]);
        m_controls.lengths[i]->setVisible(problem.visible[i]);
    }
    for (int i = 0; i < quiz::unitLabelCount; ++i)
        m_controls.Label2[i]->setVisible(problem.unitVisible[i]);
    m_controls.Label5->setTextColour(colourOf(problem.captionTone));
    m_controls.Label5->setCaption(problem.caption);
}

void Tavola::txtAnswer_KeyPress()
{
    // The box's validator and length limit have already kept out anything
    // but digits and commas. Enter after a verdict belongs to cmdNext; a
    // Return that reaches the box anyway must not count the answer twice.
    if (m_controls.cmdNext->isEnabled())
        return;
    const quiz::Verdict verdict = m_session.judge(m_controls.txtAnswer->text(), m_locale);
    if (!verdict.counted)
        showRefusal(verdict);
}

// Not a number: the pupil corrects the text in the box, which keeps the focus.
void Tavola::showRefusal(const quiz::Verdict &verdict)
{
    if (m_controls.txtAnswer->text() != verdict.boxText)
        m_controls.txtAnswer->setText(verdict.boxText);
    m_controls.lblMessage->setCaption(verdict.message);
}

void Tavola::applyVerdict(const quiz::Verdict &verdict)
{
    SheetControls &c = m_controls;
    showRefusal(verdict); // the box and the message, as for a refusal
    // A right answer leaves the wrong answers' label as it is.
    if (!verdict.right)
        c.lblScore1->setCaption(
            format::formatNumber(verdict.score.wrong, format::pattern::wrongCount, m_locale));
    c.lblScore->setCaption(
        format::formatNumber(verdict.score.right, format::pattern::count, m_locale));
    c.lblScore2->setCaption(
        format::formatNumber(double(verdict.score.total), format::pattern::count, m_locale));
    setNextEnabled(true);
    c.cmdNext->setFocus();
}

void Tavola::Timer1_Timer()
{
    // The alarm box runs its own event loop, so ticks keep coming while it is
    // open; they are dropped, and the first tick after it closes catches up.
    if (m_inTick)
        return;
    const QTime now = m_clock.timeOfDay();
    if (format::timeToText(now, m_locale) == m_controls.lblTime->text())
        return;

    if (m_alarm.ringsAt(now, state().AlarmTime)) {
        m_inTick = true;
        showAlarm();
        m_inTick = false;
    }
    accessible::describeAlarm(m_controls, quiz::pendingAlarm(now, state().AlarmTime));

    if (isMinimisedOrMaximised())
        m_controls.lblTime->setCaption(format::timeToText(m_clock.timeOfDay(), m_locale));
    else
        runCaptionClock(m_clock.timeOfDay());
}

void Tavola::showAlarm()
{
    m_platform.beep();
    showBox(this, QMessageBox::NoIcon, tr("Sveglia"),
            tr("Sveglia alle ") + format::timeToText(m_clock.timeOfDay(), m_locale));
}

void Tavola::runCaptionClock(QTime now)
{
    // A caption that is no time ("Giocare con I Solvetra") counts as another
    // time, so the clock takes over the caption at the next new second. The
    // hour counts too: a clock set by hand or a change of time zone may keep
    // the minute.
    if (!format::showsHourAndMinute(windowTitle(), now, m_locale))
        setWindowTitle(format::mediumTime(now, m_locale));
}

void Tavola::calc_Click()
{
    if (m_platform.startCalculator())
        return;
    showBox(this, QMessageBox::Information, tr("Calcolatrice"),
            tr("Nessuna calcolatrice trovata su questo computer."));
}

void Tavola::new_Click()
{
    if (!m_menu.esercizi->mayLeaveAssignment())
        return;
    endAssignment();
    if (m_log)
        m_log->closeSession();
    unload();
    format::useLanguage(m_language);
    m_locale = format::DisplayLocale::current();
    load();
    showMaximized();
    Form_Activate();
}

// An open question gives way to one of the new level; after a verdict the
// next problem is of the new level anyway.
void Tavola::level_Changed()
{
    showLastPanel();
    if (!m_controls.cmdNext->isEnabled())
        cmdNext_Click();
}

// ---- Assignments ----

void Tavola::beginAssignment(const quiz::Assignment &assignment)
{
    m_run.emplace(assignment, progressToResume(assignment));
    showAssignment();
    cmdNext_Click();
}

// The same code again goes on where the pupil stopped, if they want.
quiz::AssignmentProgress Tavola::progressToResume(const quiz::Assignment &assignment)
{
    const auto kept = assignmentsettings::unfinished(player());
    if (!kept || kept->assignment != assignment || kept->progress.answered == 0)
        return {};
    const auto answer =
        showBox(this, QMessageBox::Question, tr("Compito"),
                tr("Nel compito %1 eri arrivato al problema %2 di %3. Vuoi continuare da lì?")
                    .arg(quiz::assignmentCode(assignment))
                    .arg(kept->progress.answered + 1)
                    .arg(assignment.count),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? kept->progress : quiz::AssignmentProgress{};
}

void Tavola::offerUnfinishedAssignment()
{
    const auto kept = assignmentsettings::unfinished(player());
    if (!kept)
        return;
    const auto answer =
        showBox(this, QMessageBox::Question, tr("Compito"),
                tr("Il compito %1 non è finito: eri arrivato al problema %2 di %3. Vuoi "
                   "continuarlo?")
                    .arg(quiz::assignmentCode(kept->assignment))
                    .arg(kept->progress.answered + 1)
                    .arg(kept->assignment.count),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        m_run.emplace(kept->assignment, kept->progress);
    else
        assignmentsettings::forget();
}

record::Pupil Tavola::player() const
{
    return m_log ? m_log->pupil() : record::Pupil();
}

// The session poses the assignment's problem, as it would one it drew.
void Tavola::poseAssignmentProblem()
{
    const quiz::Problem problem = m_run->pose(m_clock.dateTime(), m_locale);
    showAssignment();
    m_session.pose(problem);
}

void Tavola::assignmentAnswered(bool right)
{
    m_run->answered(right, m_clock.dateTime());
    assignmentsettings::keep(*m_run, player());
    if (!m_run->finished())
        return;
    const QString text = m_run->endText();
    endAssignment();
    // Once every listener has had the verdict, so that the record takes the
    // answer before the box waits for the pupil.
    QTimer::singleShot(0, this, [this, text] {
        dispatch([this, text] { showBox(this, QMessageBox::Information, tr("Compito"), text); });
    });
}

// The panel, the level shown and "Ripasso" follow the assignment.
void Tavola::showAssignment()
{
    showLastPanel();
    if (m_menu.esercizi)
        m_menu.esercizi->setAssignment(m_run ? std::optional(m_run->assignment()) : std::nullopt);
}

// Left or finished; what was done stays kept for later.
void Tavola::endAssignment()
{
    if (!m_run)
        return;
    m_run.reset();
    showAssignment();
}

// Who plays and, during an assignment, how far they are; read by a screen
// reader as the panel's name.
void Tavola::showLastPanel()
{
    // Not statusBar(), which would make one before the window is loaded.
    auto *bar = findChild<QStatusBar *>(QStringLiteral("StatusBar1"), Qt::FindDirectChildrenOnly);
    if (!bar)
        return;
    QStringList parts;
    if (const QString who = whoPlaysText(player(), m_session.level()); !who.isEmpty())
        parts << who;
    if (m_run)
        parts << m_run->progressText();
    ui::showInLastPanel(bar, parts.join(QStringLiteral(" · ")));
}

void Tavola::keepRecord(const QString &path, const record::SharePlaces &places)
{
    delete m_log;
    m_log = new AnswerLog(path, m_clock, this);
    m_log->listenTo(m_session);
    connect(m_log, &AnswerLog::pupilChanged, this, &Tavola::showLastPanel);
    if (m_menu.esercizi)
        m_menu.esercizi->setLog(m_log);
    m_log->share(places);
}

void Tavola::cmdExit_Click()
{
    const auto answer = showBox(this, QMessageBox::Question, tr("Uscire dal programma"),
                                tr("Vuoi veramente lasciarmi  ?"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    // One reading: across midnight, two would pair the time with the next day.
    const QDateTime now = m_clock.dateTime();
    showBox(this, QMessageBox::NoIcon, tr("Data ") + format::dateToText(now.date(), m_locale),
            tr("Ciao a presto. Ore ") + format::timeToText(now.time(), m_locale));
    m_controls.Timer1->stop();
    // The end stays immediate for the window; the record is closed first.
    if (m_log)
        m_log->finish();
    m_platform.endProgram(0);
}

} // namespace ui
