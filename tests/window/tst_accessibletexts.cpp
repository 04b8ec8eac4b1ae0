// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/accessibletexts.h"

#include <QTest>

using format::DisplayLocale;
using namespace ui::accessible;

class TestAccessibleTexts : public QObject
{
    Q_OBJECT

private slots:
    void answerBoxReadsTheQuestionAndBothGivenLengths_data();
    void answerBoxReadsTheQuestionAndBothGivenLengths();
    void emptyLabelHasNoName();
    void verdictCarriesRightValueAndScore_data();
    void verdictCarriesRightValueAndScore();

private:
    const DisplayLocale locale = DisplayLocale::italian();
};

void TestAccessibleTexts::answerBoxReadsTheQuestionAndBothGivenLengths_data()
{
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    // Triangle 3-4-5 scaled by 6: AB 18, AC 24, BC 30, BH 10,8, HC 19,2, AH 14,4.
    const QString tip = QStringLiteral(" Premi il tasto Invio.");
    QTest::newRow("altitude") << 1 << "Altezza AH, in centimetri"
                              << "Dati: Proiezione BH 10,8 cm, Proiezione HC 19,2 cm." + tip;
    QTest::newRow("projection HC from BH and AH")
        << 2 << "Proiezione HC, in centimetri"
        << "Dati: Proiezione BH 10,8 cm, Altezza AH 14,4 cm." + tip;
    QTest::newRow("projection BH from HC and AH")
        << 3 << "Proiezione BH, in centimetri"
        << "Dati: Proiezione HC 19,2 cm, Altezza AH 14,4 cm." + tip;
    QTest::newRow("projection BH from the leg")
        << 4 << "Proiezione BH, in centimetri"
        << "Dati: Cateto AB 18 cm, Ipotenusa BC 30 cm." + tip;
    QTest::newRow("projection HC from the leg")
        << 5 << "Proiezione HC, in centimetri"
        << "Dati: Cateto AC 24 cm, Ipotenusa BC 30 cm." + tip;
    QTest::newRow("hypotenuse") << 6 << "Ipotenusa BC, in centimetri"
                                << "Dati: Proiezione HC 19,2 cm, Cateto AC 24 cm." + tip;
}

void TestAccessibleTexts::answerBoxReadsTheQuestionAndBothGivenLengths()
{
    QFETCH(int, pick);
    QFETCH(QString, name);
    QFETCH(QString, description);

    const auto problem = quiz::problemOf({3, 6, qint16(pick)}, locale);
    QCOMPARE(answerBoxName(problem), name);
    // The tool tip's run of blanks is read as one.
    QCOMPARE(answerBoxDescription(problem, QStringLiteral("Premi  il tasto  Invio")), description);
}

void TestAccessibleTexts::emptyLabelHasNoName()
{
    QCOMPARE(lengthLabelName(quiz::Length::LegAB, QString()), QString());
    QCOMPARE(lengthLabelName(quiz::Length::HeightAH, QStringLiteral("1,96")),
             QStringLiteral("Altezza AH 1,96 cm"));
}

void TestAccessibleTexts::verdictCarriesRightValueAndScore_data()
{
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("description");

    // Triangle 7-24-25 scaled by 1: BH 1,96, HC 23,04, AH 6,72.
    QTest::newRow("right") << 1 << "6,72"
                           << "Esatto. Sei in gamba!!! Risposte esatte: 3, Risposte errate: 1, "
                              "Risposte totali: 4.";
    QTest::newRow("wrong, decimal value")
        << 4 << "2"
        << "Sbagliato!! Proiezione BH 1,96 cm. Risposte esatte: 2, "
           "Risposte errate: 2, Risposte totali: 4.";
    QTest::newRow("wrong, whole value") << 6 << "24"
                                        << "Sbagliato!! Ipotenusa BC 25 cm. Risposte esatte: 2, "
                                           "Risposte errate: 2, Risposte totali: 4.";
    QTest::newRow("not a number") << 1 << ","
                                  << "Scrivi un numero, per esempio 12,5. Risposte esatte: 2, "
                                     "Risposte errate: 1, Risposte totali: 3.";
}

void TestAccessibleTexts::verdictCarriesRightValueAndScore()
{
    QFETCH(int, pick);
    QFETCH(QString, typed);
    QFETCH(QString, description);

    const auto problem = quiz::problemOf({7, 1, qint16(pick)}, locale);
    quiz::QuizState state;
    state.RightCount = 2;
    state.WrongCount = 1;
    state.ExpectedValue = problem.expectedValue();
    const quiz::Verdict verdict = quiz::judgeAnswer(state, typed, locale);
    QCOMPARE(verdictDescription(verdict, problem), description);
}

QTEST_GUILESS_MAIN(TestAccessibleTexts)
#include "tst_accessibletexts.moc"
