// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the real window: random keys, text, pastes, clicks, menu
// commands, window states, clock ticks and message-box answers from a fixed
// seed, with the game's invariants checked after every event. Controls are
// found by objectName, so the test holds whatever the window is built from.
// SOLVETRA_MONKEY_SEED=<n> replays another seed.
#include "quiz/answer.h"
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "ui/dialogs/alarmdialog.h"
#include "ui/dialogs/worksheetdialog.h"
#include "ui/window/tavola.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <random>

namespace {

constexpr int eventCount = 100'000;
constexpr quint64 defaultSeed = 20261208;

const QStringList valueLabels{"Lblpro1", "Lblpro2", "lblcat1", "Lblcat2", "lblipoeu", "Lblalt"};
const QStringList commands{"new", "calc",      "software", "gim",    "Tmer_2",
                           "pop", "soluzione", "scheda",   "sveglia"};
const QList<Qt::Key> keys{
    Qt::Key_0,      Qt::Key_1,         Qt::Key_5,      Qt::Key_9,     Qt::Key_Comma,
    Qt::Key_Period, Qt::Key_Minus,     Qt::Key_A,      Qt::Key_E,     Qt::Key_V,
    Qt::Key_X,      Qt::Key_N,         Qt::Key_Z,      Qt::Key_Space, Qt::Key_Return,
    Qt::Key_Enter,  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab,   Qt::Key_Backtab,
    Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,   Qt::Key_Escape,
    Qt::Key_Insert, Qt::Key_F1,        Qt::Key_F4,     Qt::Key_F10,   Qt::Key_Menu,
    Qt::Key_Up,     Qt::Key_Down,      Qt::Key_PageUp, Qt::Key_Alt,   Qt::Key_Control};
const QList<Qt::KeyboardModifiers> modifierSets{
    Qt::NoModifier,      Qt::NoModifier,
    Qt::NoModifier,      Qt::ShiftModifier,
    Qt::ControlModifier, Qt::AltModifier,
    Qt::KeypadModifier,  Qt::ControlModifier | Qt::ShiftModifier};
const QString textAlphabet = QStringLiteral("0123456789,,,..-+eE x%€ßé\t٣");

quint64 chosenSeed()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("SOLVETRA_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : defaultSeed;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHoldUnderRandomEvents();

private:
    template <typename T> T *find(const QString &name) const
    {
        return m_tavola ? m_tavola->findChild<T *>(name) : nullptr;
    }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    QString randomText(int maxLength);

    QString sendRandomEvent();
    QString pressKey();
    QString typeText();
    QString paste();
    QString clickControl();
    QString runCommand();
    QString changeWindowState();
    QString tick();
    void answerOpenBox();

    QString brokenInvariant() const;

    std::mt19937_64 m_random;
    FakeClock m_clock;
    FakePlatform m_platform;
    QPointer<ui::Tavola> m_tavola;
    int m_boxesAnswered = 0;
    bool m_clickPending = false;
    QMap<QString, int> m_dialogsAnswered; // by class
    int m_verdictsSeen = 0;               // events after which a verdict stood
    int m_restarts = 0;
};

QString TestMonkey::randomText(int maxLength)
{
    QString text;
    for (int i = pick(maxLength + 1); i > 0; --i)
        text += textAlphabet.at(pick(int(textAlphabet.size())));
    return text;
}

QString TestMonkey::pressKey()
{
    const Qt::Key key = keys.at(pick(int(keys.size())));
    const Qt::KeyboardModifiers modifiers = modifierSets.at(pick(int(modifierSets.size())));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_tavola.data();
    QTest::keyClick(target, key, modifiers);
    return QStringLiteral("key %1 modifiers %2 to %3")
        .arg(int(key), 0, 16)
        .arg(int(modifiers), 0, 16)
        .arg(target ? target->objectName() : QStringLiteral("-"));
}

QString TestMonkey::typeText()
{
    // Now and then the right answer, so that right verdicts come too.
    QString text = pick(4) ? randomText(8)
                           : QString::number(m_tavola->state().ExpectedValue).replace(u'.', u',');
    if (pick(2))
        text += u'\r';
    auto *box = find<QLineEdit>(QStringLiteral("txtAnswer"));
    // As a keyboard layout would deliver them, non-ASCII characters included.
    for (const QChar c : text) {
        const int key = c == u'\r'          ? int(Qt::Key_Return)
                        : c.unicode() < 128 ? c.toUpper().unicode()
                                            : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
    return QStringLiteral("text \"%1\"")
        .arg(QString(text).replace(u'\r', QStringLiteral("<Enter>")));
}

QString TestMonkey::paste()
{
    const QString text = randomText(12);
    QApplication::clipboard()->setText(text);
    auto *box = find<QLineEdit>(QStringLiteral("txtAnswer"));
    if (pick(2))
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    else
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    return QStringLiteral("paste \"%1\"").arg(text);
}

QString TestMonkey::clickControl()
{
    QList<QWidget *> shown;
    for (QWidget *widget : m_tavola->findChildren<QWidget *>())
        if (!widget->objectName().isEmpty() && widget->isVisible() && widget->width() > 0 &&
            widget->height() > 0)
            shown << widget;
    if (shown.isEmpty())
        return QStringLiteral("click on nothing (window not shown)");
    QWidget *widget = shown.at(pick(int(shown.size())));
    const QString name = widget->objectName();
    const QPoint at(pick(widget->width()), pick(widget->height()));
    if (pick(8) == 0)
        QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    else
        QTest::mouseClick(widget, pick(6) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, at);
    return QStringLiteral("click on %1 at %2,%3").arg(name).arg(at.x()).arg(at.y());
}

QString TestMonkey::runCommand()
{
    const QString name = commands.at(pick(int(commands.size())));
    if (auto *action = m_tavola->menuBar()->findChild<QAction *>(name))
        action->trigger();
    return QStringLiteral("command %1").arg(name);
}

QString TestMonkey::changeWindowState()
{
    switch (pick(4)) {
    case 0:
        m_tavola->showNormal();
        return QStringLiteral("show normal");
    case 1:
        m_tavola->showMinimized();
        return QStringLiteral("show minimised");
    case 2:
        m_tavola->showMaximized();
        return QStringLiteral("show maximised");
    default:
        m_tavola->setWindowState(m_tavola->windowState() ^ Qt::WindowMaximized);
        return QStringLiteral("toggle maximised");
    }
}

QString TestMonkey::tick()
{
    // Mostly the next second; now and then a jump, across midnight too.
    const int step = pick(10) ? 1 : pick(86'400);
    m_clock.now = m_clock.now.addSecs(step);
    m_tavola->Timer1_Timer();
    return QStringLiteral("tick at %1").arg(m_clock.now.toString(QStringLiteral("HH:mm:ss")));
}

// Any box or dialog of the window's own is answered with one of its buttons,
// at random; Qt's file and print dialogs are cancelled, so that the monkey
// never writes a file or prints.
void TestMonkey::answerOpenBox()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || m_clickPending)
        return;
    ++m_boxesAnswered;
    ++m_dialogsAnswered[QString::fromLatin1(dialog->metaObject()->className())];
    QList<QAbstractButton *> buttons;
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        buttons = box->buttons();
    else if (qobject_cast<ui::AlarmDialog *>(dialog) || qobject_cast<ui::WorksheetDialog *>(dialog))
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled())
                buttons << button;
    if (buttons.isEmpty()) {
        dialog->reject();
        return;
    }
    // Clicked from the event loop, not from inside this timer's slot: a
    // dialog the click opens (the print dialog, the file dialog) must find
    // the timer free to answer it.
    m_clickPending = true;
    QTimer::singleShot(0, this, [this, button = QPointer(buttons.at(pick(int(buttons.size()))))] {
        m_clickPending = false;
        if (button)
            button->click();
    });
}

QString TestMonkey::sendRandomEvent()
{
    const int roll = pick(1000);
    if (roll < 450)
        return pressKey();
    if (roll < 600)
        return typeText();
    if (roll < 680)
        return paste();
    if (roll < 900)
        return clickControl();
    if (roll < 915)
        return runCommand();
    if (roll < 930)
        return changeWindowState();
    return tick();
}

QString TestMonkey::brokenInvariant() const
{
    if (!m_tavola)
        return QStringLiteral("the window is gone");
    if (m_platform.endings.contains(1))
        return QStringLiteral("an uncaught error ended the program");

    const auto count = [this](const char *name) {
        auto *label = find<QLabel>(QString::fromLatin1(name));
        bool ok = false;
        const int value = label ? label->text().toInt(&ok) : -1;
        return ok ? value : -1;
    };
    const int right = count("lblScore"), wrong = count("lblScore1"), total = count("lblScore2");
    if (right < 0 || wrong < 0 || right + wrong != total)
        return QStringLiteral("right %1 + wrong %2 != total %3").arg(right).arg(wrong).arg(total);

    int shown = 0;
    for (const QString &name : valueLabels)
        if (auto *label = find<QLabel>(name); label && label->isVisibleTo(m_tavola))
            ++shown;
    if (shown != 2)
        return QStringLiteral("%1 value labels show, not 2").arg(shown);

    auto *box = find<QLineEdit>(QStringLiteral("txtAnswer"));
    static const QRegularExpression answerText(QStringLiteral("^[0-9,]{0,6}$"));
    if (!box || !answerText.match(box->text()).hasMatch())
        return QStringLiteral("answer box holds \"%1\"").arg(box ? box->text() : QString());

    auto *next = find<QAbstractButton>(QStringLiteral("cmdNext"));
    auto *message = find<QLabel>(QStringLiteral("lblMessage"));
    if (!next || !message)
        return QStringLiteral("cmdNext or lblMessage is gone");
    const bool verdictStands = message->text() == quiz::rightMessage() ||
                               message->text().startsWith(quiz::wrongMessagePrefix());
    if (next->isEnabled() != verdictStands)
        return QStringLiteral("cmdNext %1 while the message reads \"%2\"")
            .arg(next->isEnabled() ? "enabled" : "disabled", message->text());
    return {};
}

void TestMonkey::invariantsHoldUnderRandomEvents()
{
    const quint64 seed = chosenSeed();
    m_random.seed(seed);
    quiz::MixingRandomSource quizRandom(seed);
    ui::Tavola tavola(m_clock, quizRandom, m_platform);
    m_tavola = &tavola;
    tavola.start();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    // Ticks come from the monkey, at the monkey's times.
    if (auto *timer = tavola.findChild<QTimer *>(QStringLiteral("Timer1")))
        timer->stop();

    QTimer answerer;
    answerer.setInterval(0);
    connect(&answerer, &QTimer::timeout, this, &TestMonkey::answerOpenBox);
    answerer.start();

    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < eventCount; ++i) {
        const QString event = sendRandomEvent();
        if (i % 64 == 0 || event.startsWith(QLatin1String("command new")))
            QCoreApplication::processEvents();
        if (auto *timer = tavola.findChild<QTimer *>(QStringLiteral("Timer1")))
            timer->stop();
        const QString broken = brokenInvariant();
        m_verdictsSeen += find<QAbstractButton>(QStringLiteral("cmdNext"))->isEnabled();
        m_restarts += event == QLatin1String("command new");
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4 "
                                            "(replay with SOLVETRA_MONKEY_SEED=%1)")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(event, broken)));
    }
    const double seconds = double(elapsed.nsecsElapsed()) / 1e9;
    qInfo("monkey: %d events in %.1f s, %.0f events/s; %d restarts, %d message boxes answered, "
          "a verdict stood after %d events; seed %llu",
          eventCount, seconds, eventCount / seconds, m_restarts, m_boxesAnswered, m_verdictsSeen,
          seed);
    // A monkey that never reached a verdict or a restart would prove little.
    QVERIFY(m_verdictsSeen > eventCount / 100);
    QVERIFY(m_restarts > 100);
    QVERIFY(m_boxesAnswered > 100);
    QStringList dialogs;
    for (auto it = m_dialogsAnswered.cbegin(); it != m_dialogsAnswered.cend(); ++it)
        dialogs << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("monkey: dialogs answered: %s", qPrintable(dialogs.join(QStringLiteral(", "))));
    // The exercises' dialogs, and Qt's print dialog behind them; the save
    // dialogs come through the platform.
    for (const char *name : {"ui::AlarmDialog", "ui::WorksheetDialog", "QPrintDialog"})
        QVERIFY2(m_dialogsAnswered.value(QString::fromLatin1(name)) > 0, name);
    QVERIFY(!m_platform.savesProposed.isEmpty());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
