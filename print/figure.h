// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/solution.h"

#include <QPointF>

namespace print {

class SheetPainter;

// Where the drawing sits in a problem's part of the page, in millimetres.
inline constexpr double figureLeftMm = 8;
inline constexpr double figureTopMm = 8;
inline constexpr double figureWidthMm = 58;
inline constexpr double figureHeightMm = 28; // from A at its highest down to the base
inline constexpr double workingLeftMm = 74; // the room for working, right of the drawing

// Triangle ABC with the right angle at A and the altitude AH, in the shape
// of the solution's triangle (a very flat one clamped and marked "non in
// scala"); each given length as its name and value beside its own segment
// ("BC = 10 cm", the hypotenuse on a dimension line under the whole base),
// the asked one as "BH = ?".
void paintFigure(SheetPainter &sheet, QPointF originMm, const quiz::WorkedSolution &solution,
                 const format::DisplayLocale &locale);

} // namespace print
