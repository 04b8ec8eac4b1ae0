// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/modalboxes.h"
#include "support/windowtests.h"
#include "ui/sheet/picturebutton.h"
#include "ui/window/appsetup.h"
#include "ui/window/tavola.h"

#include <QClipboard>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

using windowtests::hiddenLabelOf;
using windowtests::valueLabels;

namespace {

using quiz::Length;

// The figure's vertices, read from the segments the sheet draws: BH and HC
// along the base, AH from A down to the foot H.
struct Figure
{
    QPointF a, b, c, h;

    QLineF segment(Length which) const
    {
        switch (which) {
        case Length::ProjBH:
            return {b, h};
        case Length::ProjHC:
            return {h, c};
        case Length::LegAB:
            return {a, b};
        case Length::LegAC:
            return {a, c};
        case Length::HypBC:
            return {b, c};
        case Length::HeightAH:
            break;
        }
        return {a, h};
    }
};

// Which side of the segment's line a point lies on: the sign of the cross product.
double sideOf(const QLineF &line, QPointF p)
{
    const QPointF d = line.p2() - line.p1();
    const QPointF v = p - line.p1();
    return d.x() * v.y() - d.y() * v.x();
}

double distanceToLine(const QLineF &line, QPointF p)
{
    return std::abs(sideOf(line, p)) / line.length();
}

// Where p falls along the segment: 0 at its first end, 1 at its second.
double alongSegment(const QLineF &line, QPointF p)
{
    const QPointF d = line.p2() - line.p1();
    const QPointF v = p - line.p1();
    return (d.x() * v.x() + d.y() * v.y()) / (line.length() * line.length());
}

QList<QPointF> cornersOf(const QRectF &r)
{
    return {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
}

} // namespace

class TestTavola : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designedStateBeforeAnyHandler();
    void valueLabelLiesBesideItsSegment_data();
    void valueLabelLiesBesideItsSegment();
    void topRowReadsLeftToRight();
    void counterLiesUnderItsHeading_data();
    void counterLiesUnderItsHeading();
    void designedTexts_data();
    void designedTexts();
    void fontsMapToLiberation_data();
    void fontsMapToLiberation();
    void figureDrawsInDesignedOrder();
    void menusAndStatusBar();
    void keyboardOnlyCycle_data();
    void keyboardOnlyCycle();
    void exactlyTwoLengthsShown();
    void filtersTypedCharacters_data();
    void filtersTypedCharacters();
    void editsLikeAnyLineEdit_data();
    void editsLikeAnyLineEdit();
    void correctedAnswerIsJudgedThenEnterMovesOn();
    void emptyBoxIsJudgedAsZero();
    void notANumberKeepsTheProblemOpen();
    void keypadEnterJudges();
    void pasteIsFiltered_data();
    void pasteIsFiltered();
    void decimalPointGivesARightAnswer_data();
    void decimalPointGivesARightAnswer();
    void nextButtonShowsItsState();
    void pictureButtonFacesAreFlat_data();
    void pictureButtonFacesAreFlat();
    void messageBoxesSpeakItalian();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return windowtests::controlOf<T>(m_tavola.get(), name);
    }
    QLabel *label(const QString &name) const { return control<QLabel>(name); }
    QLineEdit *answerBox() const { return control<QLineEdit>("txtAnswer"); }
    void startWith(std::unique_ptr<quiz::RandomSource> random);
    void play(const QString &script);
    int visibleValueLabels() const;
    Figure figure() const;

    FakeClock m_clock;
    FakePlatform m_platform;
    std::unique_ptr<quiz::RandomSource> m_random;
    std::unique_ptr<ui::Tavola> m_tavola;
};

void TestTavola::init()
{
    m_random = std::make_unique<quiz::MixingRandomSource>(42);
    m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
}

void TestTavola::cleanup()
{
    m_tavola.reset();
    m_random.reset();
}

void TestTavola::startWith(std::unique_ptr<quiz::RandomSource> random)
{
    m_tavola.reset();
    m_random = std::move(random);
    m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    m_tavola->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_tavola.get()));
    control<QTimer>("Timer1")->stop();
}

int TestTavola::visibleValueLabels() const
{
    int visible = 0;
    for (const QString &name : valueLabels)
        visible += label(name)->isVisibleTo(m_tavola.get());
    return visible;
}

void TestTavola::designedStateBeforeAnyHandler()
{
    m_tavola->load();
    QCOMPARE(answerBox()->text(), "0");
    for (const char *score : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(label(score)->text(), "0");
    for (const QString &name : valueLabels + QStringList{"lblMessage", "Label5", "lblTime"})
        QVERIFY2(label(name)->text().isEmpty(), qPrintable(name));
    QVERIFY(!control("cmdNext")->isEnabled());
    QVERIFY(control("cmdExit")->isEnabled());
    QCOMPARE(m_tavola->windowTitle(), windowtests::designedCaption);
    QCOMPARE(m_tavola->centralWidget()->palette().color(QPalette::Window), QColor("#FFFFC0"));
    QVERIFY(!m_tavola->centralWidget()->cursor().pixmap().isNull());
    QVERIFY(!m_tavola->windowIcon().isNull());
}

Figure TestTavola::figure() const
{
    const QRectF bh = control("Shape8")->geometry();
    const QRectF hc = control("Shape7")->geometry();
    const QRectF ah = control("Shape6")->geometry();
    const double base = (bh.center().y() + hc.center().y()) / 2;
    return {QPointF(ah.center().x(), ah.top()), QPointF(bh.left(), base), QPointF(hc.right(), base),
            QPointF(ah.center().x(), base)};
}

void TestTavola::valueLabelLiesBesideItsSegment_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<char>("reference"); // a vertex off the segment
    QTest::addColumn<bool>("sameSide");  // the label on the reference's side

    QTest::newRow("AB outside the triangle") << "lblcat1" << int(Length::LegAB) << 'C' << false;
    QTest::newRow("AC outside the triangle") << "Lblcat2" << int(Length::LegAC) << 'B' << false;
    QTest::newRow("AH towards C") << "Lblalt" << int(Length::HeightAH) << 'C' << true;
    QTest::newRow("BH under the base") << "Lblpro1" << int(Length::ProjBH) << 'A' << false;
    QTest::newRow("HC under the base") << "Lblpro2" << int(Length::ProjHC) << 'A' << false;
    QTest::newRow("BC under the base") << "lblipoeu" << int(Length::HypBC) << 'A' << false;
}

void TestTavola::valueLabelLiesBesideItsSegment()
{
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(char, reference);
    QFETCH(bool, sameSide);
    startWith(std::make_unique<quiz::MixingRandomSource>(7)); // texts of a real problem
    const Figure f = figure();
    const QPointF vertex = reference == 'A' ? f.a : reference == 'B' ? f.b : f.c;
    const QLineF segment = f.segment(Length(length));
    const QRectF rect = control(name)->geometry();
    QVERIFY(!label(name)->text().isEmpty());

    // Wholly on the designed side: the segment never runs through its text.
    const bool referenceSide = sideOf(segment, vertex) > 0;
    double nearest = std::numeric_limits<double>::max();
    for (const QPointF corner : cornersOf(rect)) {
        QCOMPARE(sideOf(segment, corner) > 0, referenceSide == sameSide);
        nearest = std::min(nearest, distanceToLine(segment, corner));
    }
    // Beside it: within about a line and a half of its own text (the
    // hypotenuse's value stands under the projections' values).
    QVERIFY2(nearest <= 1.6 * rect.height(),
             qPrintable(QStringLiteral("%1 px from its segment").arg(nearest)));
    const double along = alongSegment(segment, rect.center());
    QVERIFY2(along > 0 && along < 1, // not past either end
             qPrintable(QStringLiteral("at %1 along").arg(along)));
}

void TestTavola::topRowReadsLeftToRight()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(7));
    const QStringList row{"Label5", "Label4", "txtAnswer", "Text1"};
    for (qsizetype i = 1; i < row.size(); ++i) {
        const QRect before = control(row[i - 1])->geometry();
        const QRect next = control(row[i])->geometry();
        // The box and its unit touch, as designed; none reaches past the next one's middle.
        QVERIFY2(before.left() < next.left() && before.right() < next.center().x(),
                 qPrintable(QStringLiteral("%1 runs into %2").arg(row[i - 1], row[i])));
        // One row: each overlaps the next in height.
        QVERIFY(before.top() < next.bottom() && next.top() < before.bottom());
    }
}

void TestTavola::counterLiesUnderItsHeading_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("headingText");
    QTest::newRow("right answers") << "lblScore"
                                   << "Label6"
                                   << "Risposte esatte";
    QTest::newRow("wrong answers") << "lblScore1"
                                   << "Label1"
                                   << "Risposte errate";
    QTest::newRow("all answers") << "lblScore2"
                                 << "Label3"
                                 << "Risposte totali";
}

void TestTavola::counterLiesUnderItsHeading()
{
    QFETCH(QString, counter);
    QFETCH(QString, heading);
    QFETCH(QString, headingText);
    startWith(std::make_unique<quiz::MixingRandomSource>(7));
    QCOMPARE(label(heading)->text(), headingText);
    const QRect above = control(heading)->geometry();
    const QRect below = control(counter)->geometry();
    QVERIFY(below.top() >= above.bottom());
    QVERIFY(below.left() >= above.left() && below.right() <= above.right());
    // Nearer its own heading than any other.
    for (const QString &other :
         {QStringLiteral("Label6"), QStringLiteral("Label1"), QStringLiteral("Label3")})
        if (other != heading)
            QVERIFY(std::abs(control(other)->geometry().center().x() - below.center().x()) >
                    std::abs(above.center().x() - below.center().x()));
}

void TestTavola::designedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("right heading") << "Label6"
                                   << "Risposte esatte"
                                   << "" << QColor("#00C000");
    QTest::newRow("wrong heading") << "Label1"
                                   << "Risposte errate"
                                   << "" << QColor("#FF0000");
    QTest::newRow("total heading") << "Label3"
                                   << "Risposte totali"
                                   << "" << QColor("#0000FF");
    QTest::newRow("right score") << "lblScore"
                                 << "0"
                                 << "Questo è il tuo punteggio. Forza con il  record" << QColor();
    QTest::newRow("wrong score") << "lblScore1"
                                 << "0"
                                 << "" << QColor("#FF0000");
    QTest::newRow("total score") << "lblScore2"
                                 << "0"
                                 << "" << QColor("#0000FF");
    QTest::newRow("equals") << "Label4"
                            << "="
                            << "" << QColor();
    QTest::newRow("message") << "lblMessage"
                             << ""
                             << "" << QColor("#FF00FF");
    QTest::newRow("clock") << "lblTime"
                           << ""
                           << "Clicca sotto di me per attivare il Timer" << QColor();
    QTest::newRow("stopwatch") << "Image1"
                               << ""
                               << "Clicca sotto di me per impostare il Timer" << QColor();
    QTest::newRow("unit label 0") << "Label2_0"
                                  << "cm"
                                  << "" << QColor();
}

void TestTavola::designedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QColor, colour);
    m_tavola->load();
    QLabel *shown = label(name);
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->toolTip(), toolTip);
    if (colour.isValid())
        QCOMPARE(shown->palette().color(QPalette::WindowText), colour);
}

void TestTavola::fontsMapToLiberation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    QTest::newRow("answer box, Arial 36 bold") << "txtAnswer"
                                               << "Liberation Sans" << 36.0 << true;
    QTest::newRow("score, Times New Roman 36 bold") << "lblScore"
                                                    << "Liberation Serif" << 36.0 << true;
    QTest::newRow("heading, MS Sans Serif 18") << "Label6"
                                               << "Liberation Sans" << 18.0 << false;
    QTest::newRow("value label, window font") << "Lblalt"
                                              << "Liberation Sans" << 18.0 << true;
    QTest::newRow("clock, 12 bold") << "lblTime"
                                    << "Liberation Sans" << 12.0 << true;
    QTest::newRow("button caption, 8.25 bold") << "cmdNext"
                                               << "Liberation Sans" << 8.25 << true;
}

void TestTavola::fontsMapToLiberation()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    m_tavola->load();
    const QFont font = control(name)->font();
    QCOMPARE(QFontInfo(font).family(), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
}

void TestTavola::figureDrawsInDesignedOrder()
{
    m_tavola->load();
    const QObjectList order = m_tavola->centralWidget()->children(); // back to front
    const auto place = [&](const char *name) { return order.indexOf(control(name)); };
    QVERIFY(place("Label2_0") < place("Shape5"));
    QVERIFY(place("Label2_2") < place("Shape5"));
    QVERIFY(place("Shape5") < place("Label2_1"));
    QVERIFY(place("Label2_1") < place("Image4"));
    for (const QString &name : valueLabels) {
        QVERIFY(place("Image4") < place(qPrintable(name)));
        QVERIFY(place(qPrintable(name)) < place("Shape7"));
    }
    QVERIFY(place("Shape7") < place("Line5"));
    QVERIFY(place("Line5") < place("Shape6"));
    for (const char *windowed : {"cmdExit", "cmdNext", "txtAnswer", "Picture3", "Text1"})
        QVERIFY(place("Shape6") < place(windowed));
}

void TestTavola::menusAndStatusBar()
{
    m_tavola->load();
    QMenuBar *bar = m_tavola->menuBar();
    QStringList entries;
    for (QAction *entry : bar->actions())
        entries << entry->objectName();
    // The four designed menus, then the exercises.
    QCOMPARE(entries, (QStringList{"scuola", "Ciao_1", "calc", "new", "esercizi"}));
    QCOMPARE(bar->findChild<QAction *>("calc")->text(), "Calcolatrice");
    QCOMPARE(bar->findChild<QAction *>("new")->text(), "Nuovo gioco");
    for (const char *credit : {"software", "gim", "Tmer_2", "pop"}) {
        const QAction *line = bar->findChild<QAction *>(credit);
        QVERIFY2(line && !line->text().isEmpty(), credit);
        QVERIFY(!line->text().contains(u'@')); // no invented addresses
    }

    m_tavola->show(); // the panels are laid out with the window
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    QStatusBar *status = control<QStatusBar>("StatusBar1");
    QCOMPARE(status->height(), 41);
    const QStringList texts{"Solvetra", "Solvetra", "Record di", ""};
    const QList<int> widths{4910, 4800, 1590, 1440};
    for (int i = 0; i < 4; ++i) {
        const QLabel *panel = status->findChild<QLabel *>(QStringLiteral("Panel%1").arg(i + 1));
        QCOMPARE(panel->text(), texts[i]);
        QCOMPARE(panel->toolTip(), texts[i]);
        QCOMPARE(panel->width(), qRound(widths[i] / 15.0));
    }
    QVERIFY(!status->findChild<QLabel *>("Panel4")->pixmap().isNull());
}

void TestTavola::keyboardOnlyCycle_data()
{
    QTest::addColumn<int>("pick");
    for (int pick = 1; pick <= 6; ++pick)
        QTest::addRow("pick %d", pick) << pick;
}

void TestTavola::keyboardOnlyCycle()
{
    QFETCH(int, pick);
    // The same u for every draw: it fixes the pick (and with it the triangle).
    startWith(std::make_unique<ScriptedRandom>(QList<float>{(pick - 0.5f) / 6}));
    QCOMPARE(m_tavola->state().HiddenPick, pick);
    const QString hiddenText = label(hiddenLabelOf(pick))->text();
    QVERIFY(!label(hiddenLabelOf(pick))->isVisibleTo(m_tavola.get()));

    // Right answer: type, Enter.
    QCOMPARE(QApplication::focusWidget(), answerBox());
    QTest::keyClicks(answerBox(), hiddenText);
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(label("lblMessage")->text(), "Esatto. Sei in gamba!!!");
    QCOMPARE(label("lblScore")->text(), "1");
    QCOMPARE(label("lblScore1")->text(), "0");
    QCOMPARE(label("lblScore2")->text(), "1");
    QVERIFY(control("cmdNext")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), control("cmdNext"));

    // Enter again: the next problem.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), answerBox());
    QVERIFY(answerBox()->text().isEmpty());
    QVERIFY(label("lblMessage")->text().isEmpty());
    QVERIFY(!control("cmdNext")->isEnabled());

    // Wrong answer: the right value is shown.
    QTest::keyClicks(answerBox(), hiddenText + "1");
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(label("lblMessage")->text(), "Sbagliato!! " + hiddenText);
    QCOMPARE(label("lblScore")->text(), "1");
    QCOMPARE(label("lblScore1")->text(), "1");
    QCOMPARE(label("lblScore2")->text(), "2");

    // Enter typed in the box while the next button is enabled starts the next problem.
    answerBox()->setFocus();
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QVERIFY(!control("cmdNext")->isEnabled());
    QCOMPARE(label("lblScore2")->text(), "2");
}

void TestTavola::exactlyTwoLengthsShown()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(7));
    auto *next = control<QPushButton>("cmdNext");
    for (int i = 0; i < 60; ++i) {
        next->setEnabled(true);
        next->click();
        const int pick = m_tavola->state().HiddenPick;
        QCOMPARE(visibleValueLabels(), 2);
        QVERIFY(!label(hiddenLabelOf(pick))->isVisibleTo(m_tavola.get()));
        QVERIFY(!label("Label5")->text().isEmpty());
        QVERIFY(label("Label2_0")->isVisibleTo(m_tavola.get()));
        QCOMPARE(label("Label2_2")->isVisibleTo(m_tavola.get()), pick <= 2);
    }
}

void TestTavola::filtersTypedCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("digits and comma pass") << "12,5"
                                           << "12,5";
    QTest::newRow("letters, minus and blank are swallowed") << "1a- 5"
                                                            << "15";
    QTest::newRow("a full stop is a comma") << "1.5"
                                            << "1,5";
    QTest::newRow("six characters at most") << "1234567"
                                            << "123456";
    QTest::newRow("backspace deletes") << "12\b3"
                                       << "13";
}

void TestTavola::filtersTypedCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    startWith(std::make_unique<quiz::MixingRandomSource>(1));
    for (const QChar c : typed) {
        if (c == u'\b')
            QTest::keyClick(answerBox(), Qt::Key_Backspace);
        else
            QTest::keyClicks(answerBox(), QString(c));
    }
    QCOMPARE(answerBox()->text(), shown);
    QCOMPARE(m_tavola->state().RightCount + m_tavola->state().WrongCount, 0);
}

// Plays a script of blank-separated steps into the answer box: key names
// ("Home", "Del", "X11Del", "Ctrl+A", ...) or text to type.
void TestTavola::play(const QString &script)
{
    static const QHash<QString, QKeyCombination> keys{
        {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},
        {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},
        {"Del", Qt::Key_Delete},
        {"Bksp", Qt::Key_Backspace},
        {"Ctrl+A", Qt::ControlModifier | Qt::Key_A},
        {"Ctrl+C", Qt::ControlModifier | Qt::Key_C},
        {"Ctrl+X", Qt::ControlModifier | Qt::Key_X},
        {"Ctrl+V", Qt::ControlModifier | Qt::Key_V},
        {"Ctrl+Z", Qt::ControlModifier | Qt::Key_Z},
        {"Enter", Qt::Key_Return},
    };
    for (const QString &step : script.split(u' ')) {
        if (step == "X11Del") // the X server gives Delete the text DEL
            QTest::sendKeyEvent(QTest::Click, answerBox(), Qt::Key_Delete, QString(u'\x7f'),
                                Qt::NoModifier);
        else if (keys.contains(step))
            QTest::keyClick(answerBox(), keys[step].key(), keys[step].keyboardModifiers());
        else
            QTest::keyClicks(answerBox(), step);
    }
}

void TestTavola::editsLikeAnyLineEdit_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Home, Delete") << "123 Home Del"
                                  << "23";
    QTest::newRow("Delete as X11 sends it") << "123 Home Right X11Del"
                                            << "13";
    QTest::newRow("arrow, Backspace") << "123 Left Bksp"
                                      << "13";
    QTest::newRow("Home, type, End, type") << "12 Home 9 End 3"
                                           << "9123";
    QTest::newRow("select all, overwrite") << "123 Ctrl+A 7"
                                           << "7";
    QTest::newRow("cut, paste back") << "45 Ctrl+A Ctrl+X 1 Ctrl+V"
                                     << "145";
    QTest::newRow("copy, paste") << "12 Ctrl+A Ctrl+C End Ctrl+V"
                                 << "1212";
    QTest::newRow("undo") << "12 Bksp Ctrl+Z"
                          << "12";
    QTest::newRow("still only digits and commas, six at most") << "1a2 Home x9,9999"
                                                               << "9,9912";
}

void TestTavola::editsLikeAnyLineEdit()
{
    QFETCH(QString, script);
    QFETCH(QString, shown);
    startWith(std::make_unique<quiz::MixingRandomSource>(1));
    play(script);
    QCOMPARE(answerBox()->text(), shown);
    QCOMPARE(m_tavola->state().RightCount + m_tavola->state().WrongCount, 0);
}

void TestTavola::correctedAnswerIsJudgedThenEnterMovesOn()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(2));
    const QString hiddenText = label(hiddenLabelOf(m_tavola->state().HiddenPick))->text();
    play("9" + hiddenText + " Home Del Enter");
    QCOMPARE(m_tavola->state().RightCount, 1);
    QVERIFY(control("cmdNext")->isEnabled());

    // Enter again, from the box too, starts the next problem and judges nothing.
    answerBox()->setFocus();
    play("Enter");
    QVERIFY(!control("cmdNext")->isEnabled());
    QCOMPARE(label("lblMessage")->text(), "");
    QCOMPARE(label("lblScore2")->text(), "1");
}

void TestTavola::emptyBoxIsJudgedAsZero()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(3));
    const QString hiddenText = label(hiddenLabelOf(m_tavola->state().HiddenPick))->text();
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(answerBox()->text(), "0");
    QCOMPARE(label("lblMessage")->text(), "Sbagliato!! " + hiddenText);
    QCOMPARE(label("lblScore1")->text(), "1");
}

void TestTavola::notANumberKeepsTheProblemOpen()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(5));
    QTest::keyClicks(answerBox(), "1,2,3");
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(label("lblMessage")->text(), "Scrivi un numero, per esempio 12,5");
    QCOMPARE(answerBox()->text(), "1,2,3");
    QCOMPARE(QApplication::focusWidget(), answerBox());
    QVERIFY(!control("cmdNext")->isEnabled());
    QCOMPARE(label("lblScore2")->text(), "0");
    // The whole message fits its line.
    const QLabel *message = label("lblMessage");
    QVERIFY(message->fontMetrics().horizontalAdvance(message->text()) <= message->width());
}

void TestTavola::keypadEnterJudges()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(9));
    QTest::keyClicks(answerBox(), "1");
    QTest::keyClick(answerBox(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(label("lblScore2")->text(), "1");
}

void TestTavola::pasteIsFiltered_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a number is pasted") << "3,5"
                                        << "73,5";
    QTest::newRow("letters are refused whole") << "12ab"
                                               << "7";
    QTest::newRow("a full stop becomes a comma") << "5.4"
                                                 << "75,4";
    QTest::newRow("a full stop among letters is refused") << "1.5a"
                                                          << "7";
    QTest::newRow("a negative number is refused") << "-2"
                                                  << "7";
}

void TestTavola::pasteIsFiltered()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    startWith(std::make_unique<quiz::MixingRandomSource>(11));
    QTest::keyClicks(answerBox(), "7");
    QApplication::clipboard()->setText(clipboard);
    answerBox()->paste();
    QCOMPARE(answerBox()->text(), shown);
}

// Found in use: "1.96" became "196" and a right value was judged wrong.
void TestTavola::decimalPointGivesARightAnswer_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("typed full stop") << "typed";
    QTest::newRow("keypad's decimal key") << "keypad";
    QTest::newRow("pasted full stop") << "pasted";
}

void TestTavola::decimalPointGivesARightAnswer()
{
    QFETCH(QString, way);
    // A problem whose answer has decimals.
    QString hiddenText;
    for (quint32 seed = 1; !hiddenText.contains(u','); ++seed) {
        QVERIFY2(seed < 200, "no problem with a decimal answer");
        startWith(std::make_unique<quiz::MixingRandomSource>(seed));
        hiddenText = label(hiddenLabelOf(m_tavola->state().HiddenPick))->text();
    }
    const QString withStop = QString(hiddenText).replace(u',', u'.');
    if (way == "typed") {
        QTest::keyClicks(answerBox(), withStop);
    } else if (way == "keypad") {
        for (const QChar c : withStop) {
            const Qt::Key key = c == u'.' ? Qt::Key_Period : Qt::Key(Qt::Key_0 + c.digitValue());
            QTest::sendKeyEvent(QTest::Click, answerBox(), key, QString(c), Qt::KeypadModifier);
        }
    } else {
        QApplication::clipboard()->setText(withStop);
        answerBox()->paste();
    }
    QCOMPARE(answerBox()->text(), hiddenText);
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(m_tavola->state().RightCount, 1);
    QCOMPARE(m_tavola->state().WrongCount, 0);
}

void TestTavola::nextButtonShowsItsState()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(13));
    auto *next = control<ui::PictureButton>("cmdNext");
    const QImage disabled = next->currentPicture().toImage();
    next->setEnabled(true);
    const QImage normal = next->currentPicture().toImage();
    next->setDown(true);
    const QImage pressed = next->currentPicture().toImage();
    QVERIFY(!normal.isNull());
    QVERIFY(normal != disabled);
    QVERIFY(normal != pressed);
    QVERIFY(pressed != disabled);
    next->setDown(false);

    // Its access key works while it is enabled.
    QCOMPARE(next->shortcut(), QKeySequence(Qt::ALT | Qt::Key_N));
    QTest::keyClick(answerBox(), Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(!next->isEnabled()); // an access key clicks with a short animation
}

void TestTavola::pictureButtonFacesAreFlat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");
    QTest::newRow("next") << "cmdNext" << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("exit") << "cmdExit" << QColor(0x00, 0xFF, 0xFF);
}

void TestTavola::pictureButtonFacesAreFlat()
{
    QFETCH(QString, name);
    QFETCH(QColor, face);
    startWith(std::make_unique<quiz::MixingRandomSource>(1));
    QWidget *button = control(name);
    button->setEnabled(true);
    const QImage image = button->grab().toImage();
    // Down the left side, between the border and the picture, and across the
    // top: every point of the face shows the face colour itself.
    for (int y = 6; y < image.height() - 6; y += 4)
        QCOMPARE(image.pixelColor(6, y), face);
    for (int x = 6; x < image.width() - 6; x += 4)
        QCOMPARE(image.pixelColor(x, 3), face);
}

void TestTavola::messageBoxesSpeakItalian()
{
    QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QString::fromUtf8("Sì"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), "No");
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestTavola test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tavola.moc"
