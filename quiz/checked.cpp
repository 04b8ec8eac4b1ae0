// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/checked.h"

#include "quiz/runtimeerror.h"

#include <cmath>
#include <limits>

namespace quiz::checked {
namespace {

template <typename Int> Int narrowed(qint64 value)
{
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return Int(value);
}

} // namespace

qint16 add(qint16 a, qint16 b)
{
    return narrowed<qint16>(qint64(a) + b);
}
qint16 subtract(qint16 a, qint16 b)
{
    return narrowed<qint16>(qint64(a) - b);
}
qint16 multiply(qint16 a, qint16 b)
{
    return narrowed<qint16>(qint64(a) * b);
}
qint32 add(qint32 a, qint32 b)
{
    return narrowed<qint32>(qint64(a) + b);
}

qint16 toInt16(double value)
{
    const double nearest = std::nearbyint(value); // the default rounding mode: ties to even
    if (!(nearest >= -32768.0 && nearest <= 32767.0))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return qint16(nearest);
}

double finite(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::FloatingPoint);
    return value;
}

} // namespace quiz::checked
