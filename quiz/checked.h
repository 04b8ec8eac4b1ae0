// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Arithmetic that raises an error instead of wrapping or producing an
// infinity or NaN: the overflow error for integers, the floating-point
// error for doubles.
namespace quiz::checked {

qint16 add(qint16 a, qint16 b);
qint16 subtract(qint16 a, qint16 b);
qint16 multiply(qint16 a, qint16 b);

// Nearest whole number, halves to the even one; overflow outside -32768..32767.
qint16 toInt16(double value);

// Returns the value, or raises the floating-point error when it is not finite.
double finite(double value);

qint32 add(qint32 a, qint32 b);

} // namespace quiz::checked
