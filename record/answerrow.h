// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/kind.h"

#include <QDateTime>
#include <QString>

namespace quiz {
struct Problem;
}

namespace record {

// One judged answer, as the record keeps it.
struct AnswerRow
{
    QDateTime when;
    QString pupil; // either may be empty: the record is kept all the same
    QString className;
    int level = 1;
    QString kind; // a stable id of the kind of problem, see quiz::kindId()
    int m = 0;    // the triangle: its shape's shorter leg (the generator, 3 or 7, at
                  // level 1) and its multiplier
    int n = 0;
    double given1 = 0; // the givens, in the order the kind names them
    double given2 = 0;
    QString asked; // the letters of the asked length
    double expected = 0;
    QString typed;
    bool right = false;
    double seconds = 0; // from the problem shown to Enter
    bool solutionOpened = false;
    QString uuid;       // given by the writer; the same answer on every copy and server
    QString assignment; // the code of the assignment it belongs to, or empty
};

struct SessionRow
{
    QDateTime started;
    QDateTime ended; // null while it lasts, or when the program was killed
    int level = 1;
};

// The row of an answer to problem; when and who are filled in by the writer.
AnswerRow answerRowOf(const quiz::Problem &problem, const QString &typed, bool right,
                      double seconds);

} // namespace record
