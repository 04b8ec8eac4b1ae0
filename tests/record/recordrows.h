// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

// A varied answer, numbered so a test can find it again by its typed text.
inline record::AnswerRow numberedAnswer(int i)
{
    static const char *kinds[] = {"AH:BH,HC", "BH:AB,BC", "HC:AC,BC", "AB:BH,BC", "AC:HC,BC"};
    record::AnswerRow row;
    row.kind = QString::fromLatin1(kinds[i % 5]);
    row.asked = row.kind.left(2);
    row.level = 1 + i % 2;
    row.m = i % 3 == 0 ? 7 : 3;
    row.n = 1 + i % 15;
    row.given1 = 1.8 * row.n;
    row.given2 = 3.2 * row.n;
    row.expected = 2.4 * row.n;
    row.typed = QString::number(i);
    row.right = i % 3 != 1;
    row.seconds = 1.5 + i % 7;
    // Some belong to an assignment, so that its code travels with them.
    if (i % 4 == 3)
        row.assignment = QStringLiteral("J8C0-DQ5Y-MR");
    return row;
}
