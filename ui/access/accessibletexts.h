// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/answer.h"
#include "quiz/problem.h"

#include <QString>

// What a screen reader reads for the quiz's controls, made from the problem
// and the verdict alone. A screen reader speaks the control that takes the
// focus and not labels that change elsewhere, so the focused controls carry
// the problem and the verdict.
namespace ui::accessible {

// Short names for the pictures; the figure's lengths are read from the labels.
QString figureName();       // "Triangolo rettangolo ABC con l'altezza AH"
QString illustrationName(); // "Il vecchio geometra"
QString stopwatchName();    // "Cronometro"

enum class Counter { Right, Wrong, Total };

// "Cateto AB 21,6 cm"; empty while the label shows nothing.
QString lengthLabelName(quiz::Length which, const QString &valueText);

// "Risposte esatte", "Risposte errate", "Risposte totali".
QString counterHeading(Counter which);

// "Risposte esatte: 3".
QString counterName(Counter which, const quiz::Score &score);

// "Risposte esatte: 3, Risposte errate: 1, Risposte totali: 4".
QString scoreSummary(const quiz::Score &score);

// The question, e.g. "Altezza AH, in centimetri".
QString answerBoxName(const quiz::Problem &problem);

// The level (unless the first), the two given lengths with their sides, then the box's tool tip.
QString answerBoxDescription(const quiz::Problem &problem, const QString &toolTip);

// The verdict, the right value with its name when the answer was wrong, and
// the score with its headings.
QString verdictDescription(const quiz::Verdict &verdict, const quiz::Problem &problem);

} // namespace ui::accessible
