// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tavola.h"

#include "format/timetext.h"
#include "quiz/runtimeerror.h"
#include "ui/designlabel.h"
#include "ui/figureitems.h"
#include "ui/picturebutton.h"
#include "ui/twips.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTimer>

#include <optional>

namespace ui {
namespace {

const QString designedCaption = QStringLiteral("Gioca  con i Solvetra");
const QString normalStateCaption = QStringLiteral("Giocare con I Solvetra");
const QColor sheetColour(0xFF, 0xFF, 0xC0);
const QColor answerBoxColour(0xC0, 0xFF, 0xC0);
// Restored client area, status bar included.
const QSize designedClientSize(twips::toPixels(13095), twips::toPixels(8310));

QFont designFont(const QString &family, double points, bool bold, bool italic = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont sansSerif(double points, bool bold = true)
{
    return designFont(QStringLiteral("MS Sans Serif"), points, bold);
}

QPixmap artwork(const QString &file, int size = 0)
{
    const QString path = QStringLiteral(":/artwork/") + file;
    return size > 0 ? QIcon(path).pixmap(size, size) : QPixmap(path);
}

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The character a key press types, as the answer filter sees it; nothing for
// keys that type none (arrows, Delete, Tab, shortcuts such as Ctrl+V).
std::optional<char16_t> characterOf(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return quiz::enterKey;
    case Qt::Key_Backspace:
        return quiz::backspaceKey;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (key.text().isEmpty())
        return std::nullopt;
    return key.text().front().unicode();
}

QLineEdit *answerStyleBox(const QString &name, const QRect &rect, const QString &text,
                          QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->setFont(designFont(QStringLiteral("Arial"), 36, true));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, answerBoxColour);
    palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0xFF));
    box->setPalette(palette);
    return box;
}

struct LengthLabelDesign
{
    quiz::Length length;
    const char *name;
    QRect rect; // twips
    DesignLabel::Sizing sizing;
};

// Back to front, so that each is created over the one before.
const std::array<LengthLabelDesign, quiz::lengthCount> lengthLabels{{
    {quiz::Length::ProjBH, "Lblpro1", {2160, 5400, 840, 315}, DesignLabel::SizeToText},
    {quiz::Length::ProjHC, "Lblpro2", {5040, 5400, 2055, 495}, DesignLabel::FixedSize},
    {quiz::Length::HeightAH, "Lblalt", {3600, 3480, 120, 435}, DesignLabel::SizeToText},
    {quiz::Length::LegAB, "lblcat1", {1800, 3360, 120, 435}, DesignLabel::SizeToText},
    {quiz::Length::LegAC, "Lblcat2", {5040, 2880, 120, 435}, DesignLabel::SizeToText},
    {quiz::Length::HypBC, "lblipoeu", {3300, 5880, 120, 435}, DesignLabel::SizeToText},
}};

// A modal message box, wide enough for the window manager to show its whole
// title: the farewell box carries the date there.
QMessageBox::StandardButton
showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(title) + 140;
        grid->addItem(new QSpacerItem(titleWidth, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

Tavola::Tavola(quiz::Clock &clock, quiz::RandomSource &random, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_clock(clock), m_random(random), m_platform(platform)
{
    setObjectName(QStringLiteral("Tavola"));
    setWindowIcon(QIcon(QStringLiteral(":/artwork/tavola.ico")));
}

void Tavola::start()
{
    load();
    showMaximized();
    Form_Activate();
}

void Tavola::load()
{
    buildSheet();
    buildMenus();
    buildStatusBar();
    setWindowTitle(designedCaption);
    if (!isVisible())
        resize(designedClientSize.width(),
               designedClientSize.height() + menuBar()->sizeHint().height());
    bindEvents();
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
    m_controls = Controls();
}

// ---- Building the worksheet, back to front ----

void Tavola::buildSheet()
{
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("sheet"));
    sheet->setAutoFillBackground(true);
    QPalette palette = sheet->palette();
    palette.setColor(QPalette::Window, sheetColour);
    sheet->setPalette(palette);
    sheet->setFont(sansSerif(18));
    sheet->setCursor(QCursor(artwork(QStringLiteral("pointer.png")), 2, 2));
    m_controls.sheet = sheet;

    buildScoreArea();
    buildClock();
    buildTopRow();
    buildFigure();
    buildButtons();

    auto *picture = new QLabel(sheet);
    picture->setObjectName(QStringLiteral("Picture3"));
    picture->setGeometry(twips::rect(8400, 2400, 1695, 2535));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(artwork(QStringLiteral("sage.gif")));

    m_controls.Text1 = answerStyleBox(QStringLiteral("Text1"), twips::rect(11160, 0, 1215, 1095),
                                      QStringLiteral("cm"), sheet);
    setCentralWidget(sheet);
    setTabOrder(m_controls.cmdExit, m_controls.cmdNext);
    setTabOrder(m_controls.cmdNext, m_controls.txtAnswer);
    setTabOrder(m_controls.txtAnswer, m_controls.Text1);
}

void Tavola::buildScoreArea()
{
    QWidget *sheet = m_controls.sheet;
    const auto heading = [sheet](const char *name, const QRect &rect, const char *caption,
                                 const QColor &colour) {
        auto *label =
            new DesignLabel(QString::fromLatin1(name), rect, DesignLabel::SizeToText, sheet);
        label->setFont(sansSerif(18, false));
        label->setTextColour(colour);
        label->setSingleBorder();
        label->setCaption(QString::fromUtf8(caption));
        return label;
    };
    const auto counter = [sheet](const char *name, const QRect &rect, const QColor &colour) {
        auto *label =
            new DesignLabel(QString::fromLatin1(name), rect, DesignLabel::SizeToText, sheet);
        label->setFont(designFont(QStringLiteral("Times New Roman"), 36, true));
        label->setAlignment(Qt::AlignCenter);
        label->setSingleBorder();
        if (colour.isValid())
            label->setTextColour(colour);
        label->setCaption(QStringLiteral("0"));
        return label;
    };

    heading("Label6", twips::rect(480, 6360, 2565, 495), "Risposte esatte",
            QColor(0x00, 0xC0, 0x00))
        ->setAlignment(Qt::AlignCenter);
    m_controls.lblScore = counter("lblScore", twips::rect(1080, 7200, 555, 885), QColor());
    m_controls.lblScore->setToolTip(
        QStringLiteral("Questo è il tuo punteggio. Forza con il  record"));
    m_controls.lblScore1 = counter("lblScore1", twips::rect(4320, 7200, 540, 885), Qt::red);
    m_controls.lblScore2 = counter("lblScore2", twips::rect(7800, 7080, 555, 885), Qt::blue);
    heading("Label1", twips::rect(3480, 6480, 2520, 495), "Risposte errate", Qt::red);
    heading("Label3", twips::rect(6840, 6360, 2340, 495), "Risposte totali", Qt::blue);
}

void Tavola::buildClock()
{
    auto *stopwatch = new QLabel(m_controls.sheet);
    stopwatch->setObjectName(QStringLiteral("Image1"));
    stopwatch->setGeometry(twips::rect(8760, 1080, 480, 480));
    stopwatch->setPixmap(artwork(QStringLiteral("stopwatch.ico"), 32));
    stopwatch->setToolTip(QStringLiteral("Clicca sotto di me per impostare il Timer"));

    m_controls.lblTime =
        new DesignLabel(QStringLiteral("lblTime"), twips::rect(8520, 1560, 1170, 300),
                        DesignLabel::SizeToText, m_controls.sheet);
    m_controls.lblTime->setFont(sansSerif(12));
    m_controls.lblTime->setToolTip(QStringLiteral("Clicca sotto di me per attivare il Timer"));

    m_controls.Timer1 = new QTimer(m_controls.sheet);
    m_controls.Timer1->setObjectName(QStringLiteral("Timer1"));
    m_controls.Timer1->setInterval(500);
}

void Tavola::buildTopRow()
{
    QWidget *sheet = m_controls.sheet;
    m_controls.lblMessage =
        new DesignLabel(QStringLiteral("lblMessage"), twips::rect(360, 720, 6615, 615),
                        DesignLabel::FitText, sheet);
    m_controls.lblMessage->setDesignFont(
        designFont(QStringLiteral("MS Sans Serif"), 24, true, true));
    m_controls.lblMessage->setTextColour(QColor(0xFF, 0x00, 0xFF));
    m_controls.lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_controls.lblMessage->setCursor(Qt::PointingHandCursor);

    auto *equals = new DesignLabel(QStringLiteral("Label4"), twips::rect(7320, -120, 615, 975),
                                   DesignLabel::FixedSize, sheet);
    equals->setFont(designFont(QStringLiteral("Arial"), 48, true));
    equals->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    equals->setCaption(QStringLiteral("="));

    m_controls.Label5 = new DesignLabel(QStringLiteral("Label5"), twips::rect(4440, 120, 120, 435),
                                        DesignLabel::SizeToText, sheet);
    m_controls.Label5->setTextColour(Qt::black);

    // Two of the unit labels lie behind the cover panel, built next.
    const auto unitLabel = [sheet](int index, const QRect &rect) {
        auto *label = new DesignLabel(QStringLiteral("Label2_%1").arg(index), rect,
                                      DesignLabel::FixedSize, sheet);
        label->setCaption(QStringLiteral("cm"));
        return label;
    };
    m_controls.Label2[0] = unitLabel(0, twips::rect(6840, 1320, 615, 615));
    m_controls.Label2[2] = unitLabel(2, twips::rect(6480, 1200, 615, 615));
}

void Tavola::buildFigure()
{
    QWidget *sheet = m_controls.sheet;
    // Everything built so far lies behind the cover panel.
    new RectItem(QStringLiteral("Shape5"), QRectF(twips::rect(1680, 1320, 6615, 4815)), sheetColour,
                 RectItem::Solid, 1, sheet);

    // The third unit label hides behind the opaque triangle.
    auto *unit = new DesignLabel(QStringLiteral("Label2_1"), twips::rect(4440, 4080, 615, 615),
                                 DesignLabel::FixedSize, sheet);
    unit->setCaption(QStringLiteral("cm"));
    m_controls.Label2[1] = unit;

    auto *figure = new QLabel(sheet);
    figure->setObjectName(QStringLiteral("Image4"));
    figure->setGeometry(twips::rect(1680, 2040, 7230, 3885));
    figure->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    figure->setPixmap(artwork(QStringLiteral("triangle.gif")));

    for (const LengthLabelDesign &design : lengthLabels) {
        auto *label = new DesignLabel(QString::fromLatin1(design.name), twips::rect(design.rect),
                                      design.sizing, sheet);
        m_controls.lengths[size_t(design.length)] = label;
    }

    // The coloured segments lie on the figure's sides, over the value labels.
    const auto line = [sheet](const char *name, QPoint from, QPoint to, const QColor &colour,
                              int width) {
        new LineItem(QString::fromLatin1(name), twips::point(from.x(), from.y()),
                     twips::point(to.x(), to.y()), colour, width, sheet);
    };
    const auto segment = [sheet](const char *name, const QRect &rect, const QColor &colour,
                                 RectItem::Fill fill, int width) {
        new RectItem(QString::fromLatin1(name), twips::rectF(rect), colour, fill, width, sheet);
    };
    segment("Shape7", {3480, 5280, 5055, 15}, QColor(0xFF, 0x00, 0xFF), RectItem::Solid, 1);
    segment("Shape8", {2080, 5280, 1430, 15}, QColor(0x00, 0x00, 0xFF), RectItem::Outline, 3);
    line("Line5", {2065, 5290}, {3450, 2665}, QColor(0xFF, 0x00, 0x00), 3);
    line("Line8", {3480, 2700}, {8500, 5310}, QColor(0x80, 0xFF, 0xFF), 3);
    line("Line9", {8400, 5280}, {8280, 5160}, sheet->palette().color(QPalette::WindowText), 1);
    line("Line10", {2160, 5280}, {3480, 2760}, QColor(0x80, 0x80, 0xFF), 2);
    line("Line11", {8400, 5280}, {3600, 2800}, QColor(0x00, 0xFF, 0xFF), 2);
    line("Line12", {3500, 2760}, {8400, 5280}, QColor(0x00, 0xC0, 0xC0), 1);
    segment("Shape6", {3480, 2760, 25, 2535}, QColor(0x00, 0xFF, 0x00), RectItem::Solid, 1);
}

void Tavola::buildButtons()
{
    QWidget *sheet = m_controls.sheet;
    auto *exit = new PictureButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"),
                                   QColor(0x00, 0xFF, 0xFF), sheet);
    exit->setGeometry(twips::rect(7080, 8280, 1935, 975));
    exit->setFont(sansSerif(8.25));
    exit->setPictures(artwork(QStringLiteral("no-entry.ico"), 32), {}, {});
    exit->setToolTip(QStringLiteral("Ti prego resta ancora, forse riuscirai a farmi uscire "));
    // A click leaves the focus where it was; Tab still reaches the button.
    exit->setFocusPolicy(Qt::TabFocus);
    exit->setAutoDefault(true);
    m_controls.cmdExit = exit;

    auto *next = new PictureButton(QStringLiteral("cmdNext"), QStringLiteral("&Nuovo calcolo"),
                                   QColor(0x00, 0xFF, 0x00), sheet);
    next->setGeometry(twips::rect(600, 8160, 1815, 1095));
    next->setFont(sansSerif(8.25));
    next->setPictures(artwork(QStringLiteral("face-smile.ico"), 32),
                      artwork(QStringLiteral("face-laugh.ico"), 32),
                      artwork(QStringLiteral("face-neutral.ico"), 32));
    next->setToolTip(QStringLiteral("Go"));
    next->setCursor(Qt::PointingHandCursor);
    // The default button: Enter anywhere in the window clicks it while it is enabled.
    next->setDefault(true);
    next->setAutoDefault(true);
    next->setEnabled(false);
    m_controls.cmdNext = next;

    auto *answer = answerStyleBox(QStringLiteral("txtAnswer"), twips::rect(8040, 0, 3135, 1080),
                                  QStringLiteral("0"), sheet);
    answer->setAlignment(Qt::AlignCenter);
    answer->setMaxLength(6);
    answer->setToolTip(QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
    // Typed characters go through the answer filter; this refuses pasted text
    // that holds anything else.
    answer->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), answer));
    m_controls.txtAnswer = answer;
}

void Tavola::buildMenus()
{
    auto *bar = new QMenuBar;
    QMenu *school = bar->addMenu(QStringLiteral("Solvetra"));
    school->setObjectName(QStringLiteral("scuola"));
    school->menuAction()->setObjectName(QStringLiteral("scuola"));
    school->addAction(QStringLiteral("Esercizi sui teoremi del triangolo rettangolo"))
        ->setObjectName(QStringLiteral("software"));

    QMenu *credits = bar->addMenu(QStringLiteral("Crediti"));
    credits->setObjectName(QStringLiteral("Ciao_1"));
    credits->menuAction()->setObjectName(QStringLiteral("Ciao_1"));
    credits->addAction(QStringLiteral("Solvetra 1.0: primo e secondo teorema di Euclide"))
        ->setObjectName(QStringLiteral("gim"));
    credits->addAction(QStringLiteral("Per allievi e insegnanti della scuola"))
        ->setObjectName(QStringLiteral("Tmer_2"));
    credits->addAction(QStringLiteral("Software libero: licenza GNU GPL, versione 3 o successiva"))
        ->setObjectName(QStringLiteral("pop"));

    bar->addAction(QStringLiteral("Calcolatrice"))->setObjectName(QStringLiteral("calc"));
    bar->addAction(QStringLiteral("Nuovo gioco"))->setObjectName(QStringLiteral("new"));
    setMenuBar(bar);
}

void Tavola::buildStatusBar()
{
    auto *bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(sansSerif(13.5));
    bar->setFixedHeight(twips::toPixels(615));
    bar->setSizeGripEnabled(false);

    struct Panel
    {
        const char *text;
        int width;
    };
    const std::array<Panel, 4> panels{
        {{"Solvetra", 4910}, {"Solvetra", 4800}, {"Record di", 1590}, {"", 1440}}};
    for (size_t i = 0; i < panels.size(); ++i) {
        auto *panel = new QLabel(QString::fromUtf8(panels[i].text), bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setToolTip(panel->text());
        panel->setFixedWidth(twips::toPixels(panels[i].width));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel);
    }
    // The last panel, which has no text, carries the illustration.
    auto *pictured = bar->findChild<QLabel *>(QStringLiteral("Panel4"));
    pictured->setAlignment(Qt::AlignCenter);
    pictured->setPixmap(artwork(QStringLiteral("sage.gif"))
                            .scaledToHeight(bar->height() - 6, Qt::SmoothTransformation));
    setStatusBar(bar);
}

void Tavola::bindEvents()
{
    const Controls &c = m_controls;
    connect(c.cmdNext, &QPushButton::clicked, this,
            [this] { dispatch([this] { cmdNext_Click(); }); });
    connect(c.cmdExit, &QPushButton::clicked, this,
            [this] { dispatch([this] { cmdExit_Click(); }); });
    connect(c.Timer1, &QTimer::timeout, this, [this] { dispatch([this] { Timer1_Timer(); }); });
    const auto action = [this](const char *name) {
        return menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    };
    connect(action("calc"), &QAction::triggered, this,
            [this] { dispatch([this] { calc_Click(); }); });
    connect(action("new"), &QAction::triggered, this,
            [this] { dispatch([this] { new_Click(); }); });
    c.txtAnswer->installEventFilter(this);
}

// ---- Events ----

bool Tavola::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_controls.txtAnswer || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const std::optional<char16_t> code = characterOf(*static_cast<QKeyEvent *>(event));
    if (!code)
        return false;
    if (*code == quiz::enterKey && m_controls.cmdNext->isEnabled()) {
        m_controls.cmdNext->click();
        return true;
    }
    char16_t KeyAscii = *code;
    dispatch([&] { txtAnswer_KeyPress(KeyAscii); });
    // A judged Enter has nothing left to do in a single-line box.
    return KeyAscii == 0 || KeyAscii == quiz::enterKey;
}

void Tavola::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_controls.cmdNext && m_controls.cmdNext->isEnabled()) {
        m_controls.cmdNext->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Tavola::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    dispatch([this] { Form_Resize(); });
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
        reportUncaughtError(51, QString::fromLocal8Bit(error.what()));
    }
}

void Tavola::reportUncaughtError(int number, const QString &description)
{
    if (m_controls.Timer1)
        m_controls.Timer1->stop();
    showBox(this, QMessageBox::Critical, QStringLiteral("Solvetra"),
            QStringLiteral("Errore di run-time '%1':\n\n%2").arg(number).arg(description));
    m_platform.endProgram(1);
}

// ---- Handlers ----

void Tavola::Form_Load()
{
    m_state.RightCount = 0;
    m_state.WrongCount = 0;
    m_state.AlarmTime = QString();
}

void Tavola::Form_Activate()
{
    dispatch([this] { cmdNext_Click(); });
}

void Tavola::Form_Resize()
{
    if ((windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) == 0)
        setWindowTitle(normalStateCaption);
}

void Tavola::cmdNext_Click()
{
    Controls &c = m_controls;
    c.txtAnswer->clear();
    c.lblMessage->setCaption(QString());
    for (DesignLabel *unit : c.Label2)
        unit->show();
    for (DesignLabel *length : c.lengths)
        length->hide();

    applyProblem(quiz::generateProblem(m_state, m_random, m_clock, m_locale));

    c.cmdNext->setEnabled(false);
    c.txtAnswer->setFocus();
}

void Tavola::applyProblem(const quiz::Problem &problem)
{
    for (int i = 0; i < quiz::lengthCount; ++i) {
        m_controls.lengths[i]->setCaption(problem.texts[i]);
        m_controls.lengths[i]->setVisible(problem.visible[i]);
    }
    for (int i = 0; i < quiz::unitLabelCount; ++i)
        m_controls.Label2[i]->setVisible(problem.unitVisible[i]);
    m_controls.Label5->setTextColour(fromBgr(problem.captionColour));
    m_controls.Label5->setCaption(problem.caption);
}

void Tavola::txtAnswer_KeyPress(char16_t &KeyAscii)
{
    switch (quiz::classifyKey(KeyAscii)) {
    case quiz::KeyAction::Pass:
        return;
    case quiz::KeyAction::Discard:
        KeyAscii = 0;
        return;
    case quiz::KeyAction::Judge:
        applyVerdict(quiz::judgeAnswer(m_state, m_controls.txtAnswer->text(), m_locale));
        return;
    }
}

void Tavola::applyVerdict(const quiz::Verdict &verdict)
{
    Controls &c = m_controls;
    if (c.txtAnswer->text() != verdict.boxText)
        c.txtAnswer->setText(verdict.boxText);
    c.lblMessage->setCaption(verdict.message);
    if (!verdict.counted)
        return; // the pupil corrects the text in the box, which keeps the focus

    if (verdict.wrongScore)
        c.lblScore1->setCaption(*verdict.wrongScore);
    if (verdict.rightScore)
        c.lblScore->setCaption(*verdict.rightScore);
    if (verdict.totalScore)
        c.lblScore2->setCaption(*verdict.totalScore);
    c.cmdNext->setEnabled(true);
    c.cmdNext->setFocus();
}

void Tavola::Timer1_Timer()
{
    // A modal alarm box lets ticks through; they wait for it to close.
    if (m_inTick)
        return;
    const QTime now = m_clock.timeOfDay();
    if (format::timeToText(now, m_locale) == m_controls.lblTime->text())
        return;

    if (quiz::isAtOrAfter(now, m_state.AlarmTime) && !m_alarmSounded) {
        m_inTick = true;
        showAlarm();
        m_inTick = false;
        m_alarmSounded = true;
    } else if (quiz::isBefore(now, m_state.AlarmTime)) {
        m_alarmSounded = false;
    }

    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        m_controls.lblTime->setCaption(format::timeToText(m_clock.timeOfDay(), m_locale));
    else
        runCaptionClock(m_clock.timeOfDay());
}

void Tavola::showAlarm()
{
    m_platform.beep();
    showBox(this, QMessageBox::NoIcon, QStringLiteral("Sveglia"),
            QStringLiteral("Sveglia alle ") + format::timeToText(m_clock.timeOfDay(), m_locale));
}

void Tavola::runCaptionClock(QTime now)
{
    // A caption that is no time ("Giocare con I Solvetra") counts as another
    // minute, so the clock takes over the caption at the next new second.
    const std::optional<QTime> shown = format::readTime(windowTitle(), m_locale);
    if (!shown || shown->minute() != now.minute())
        setWindowTitle(format::mediumTime(now, m_locale));
}

void Tavola::calc_Click()
{
    if (m_platform.startCalculator())
        return;
    showBox(this, QMessageBox::Information, QStringLiteral("Calcolatrice"),
            QStringLiteral("Nessuna calcolatrice trovata su questo computer."));
}

void Tavola::new_Click()
{
    unload();
    load();
    showMaximized();
    Form_Activate();
}

void Tavola::cmdExit_Click()
{
    const auto answer = showBox(this, QMessageBox::Question, QStringLiteral("Uscire dal programma"),
                                QStringLiteral("Vuoi veramente lasciarmi  ?"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    const QTime time = m_clock.timeOfDay();
    const QDate date = m_clock.date();
    showBox(this, QMessageBox::NoIcon, QStringLiteral("Data ") + format::dateToText(date, m_locale),
            QStringLiteral("Ciao a presto. Ore ") + format::timeToText(time, m_locale));
    m_controls.Timer1->stop();
    m_platform.endProgram(0);
}

} // namespace ui
