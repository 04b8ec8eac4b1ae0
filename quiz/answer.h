// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "quiz/quizstate.h"

#include <QString>

#include <optional>

namespace quiz {

// Reads a non-negative number written with digits and at most one decimal
// separator ("12,5", "12,", ",5", "007"); nothing for any other text.
std::optional<float> readNumber(const QString &text, QChar decimalSeparator);

// The verdict's messages; a wrong answer's message is the prefix and the value.
QString rightMessage();       // "Esatto. Sei in gamba!!!"
QString wrongMessagePrefix(); // "Sbagliato!! "
QString notANumberMessage();  // "Scrivi un numero, per esempio 12,5"

// The three counters.
struct Score
{
    qint32 right = 0;
    qint32 wrong = 0;
    qint64 total = 0;
};

// The outcome of one Enter in the answer box: facts, which the window turns
// into its labels' texts.
struct Verdict
{
    QString boxText; // "0" when the box was empty, else what it held
    QString message;
    bool counted = false; // false when the text is not a number
    bool right = false;
    float expectedValue = 0;
    QString expectedText; // the right value as the message writes it
    Score score;          // after this answer
};

// Judges the box text against the expected value and counts the answer.
Verdict judgeAnswer(QuizState &state, const QString &boxText, const format::DisplayLocale &locale);

} // namespace quiz
