// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modalboxes.h"
#include "support/tavolafixture.h"
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

// Typing, pasting and judging in the answer box, and the buttons and boxes
// that follow a verdict.
class TestAnswerBox : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void init() { makeWindow(); }
    void cleanup() { dropWindow(); }

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
    void play(const QString &script);
};

void TestAnswerBox::keyboardOnlyCycle_data()
{
    QTest::addColumn<int>("pick");
    for (int pick = 1; pick <= 6; ++pick)
        QTest::addRow("pick %d", pick) << pick;
}

void TestAnswerBox::keyboardOnlyCycle()
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

void TestAnswerBox::exactlyTwoLengthsShown()
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

void TestAnswerBox::filtersTypedCharacters_data()
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

void TestAnswerBox::filtersTypedCharacters()
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
void TestAnswerBox::play(const QString &script)
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

void TestAnswerBox::editsLikeAnyLineEdit_data()
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

void TestAnswerBox::editsLikeAnyLineEdit()
{
    QFETCH(QString, script);
    QFETCH(QString, shown);
    startWith(std::make_unique<quiz::MixingRandomSource>(1));
    play(script);
    QCOMPARE(answerBox()->text(), shown);
    QCOMPARE(m_tavola->state().RightCount + m_tavola->state().WrongCount, 0);
}

void TestAnswerBox::correctedAnswerIsJudgedThenEnterMovesOn()
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

void TestAnswerBox::emptyBoxIsJudgedAsZero()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(3));
    const QString hiddenText = label(hiddenLabelOf(m_tavola->state().HiddenPick))->text();
    QTest::keyClick(answerBox(), Qt::Key_Return);
    QCOMPARE(answerBox()->text(), "0");
    QCOMPARE(label("lblMessage")->text(), "Sbagliato!! " + hiddenText);
    QCOMPARE(label("lblScore1")->text(), "1");
}

void TestAnswerBox::notANumberKeepsTheProblemOpen()
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

void TestAnswerBox::keypadEnterJudges()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(9));
    QTest::keyClicks(answerBox(), "1");
    QTest::keyClick(answerBox(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(label("lblScore2")->text(), "1");
}

void TestAnswerBox::pasteIsFiltered_data()
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

void TestAnswerBox::pasteIsFiltered()
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
void TestAnswerBox::decimalPointGivesARightAnswer_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("typed full stop") << "typed";
    QTest::newRow("keypad's decimal key") << "keypad";
    QTest::newRow("pasted full stop") << "pasted";
}

void TestAnswerBox::decimalPointGivesARightAnswer()
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

void TestAnswerBox::nextButtonShowsItsState()
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

void TestAnswerBox::pictureButtonFacesAreFlat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");
    QTest::newRow("next") << "cmdNext" << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("exit") << "cmdExit" << QColor(0x00, 0xFF, 0xFF);
}

void TestAnswerBox::pictureButtonFacesAreFlat()
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

void TestAnswerBox::messageBoxesSpeakItalian()
{
    QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QString::fromUtf8("Sì"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), "No");
}

// The program's own set-up: font substitutes, Qt's Italian texts.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestAnswerBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_answerbox.moc"
