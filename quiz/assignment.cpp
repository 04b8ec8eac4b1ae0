// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/assignment.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace quiz {
namespace {

// Crockford's base 32: no I, L, O or U, which pass for 1, 1, 0 and V.
constexpr std::array<char, 32> alphabet{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A',
                                        'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J', 'K', 'M', 'N',
                                        'P', 'Q', 'R', 'S', 'T', 'V', 'W', 'X', 'Y', 'Z'};
constexpr int symbolBits = 5;
constexpr int payloadSymbols = 9;
constexpr int codeSymbols = payloadSymbols + 1; // and the check symbol
constexpr int groupSize = 4;
constexpr int payloadBits = payloadSymbols * symbolBits;
constexpr quint64 payloadMask = (quint64(1) << payloadBits) - 1;

constexpr std::array<TheoremChoice, 3> theorems{TheoremChoice::Both, TheoremChoice::Leg,
                                                TheoremChoice::Altitude};
constexpr int counts = maxProblemSetSize - minProblemSetSize + 1;
// Level, theorem and count together, below the 32 bits of the seed.
constexpr quint64 shapes = allLevels.size() * theorems.size() * counts;
static_assert((shapes << 32) <= payloadMask + 1);

// The payload is scrambled by a bijection of its 45 bits, so that codes of
// neighbouring seeds or of one class's sheets do not look alike.
constexpr quint64 scrambleFactors[2] = {0x1B873593A3D5ull, 0x0CC9E2D51B4Full};
constexpr int scrambleShift = 23; // at least half the bits: x ^= x >> s undoes itself

constexpr quint64 inverseOf(quint64 odd)
{
    quint64 inverse = odd; // right in the low 3 bits; each step doubles them
    for (int i = 0; i < 6; ++i)
        inverse *= 2 - odd * inverse;
    return inverse & payloadMask;
}

static_assert(((scrambleFactors[0] * inverseOf(scrambleFactors[0])) & payloadMask) == 1);
static_assert(((scrambleFactors[1] * inverseOf(scrambleFactors[1])) & payloadMask) == 1);

quint64 scramble(quint64 value)
{
    value = (value * scrambleFactors[0]) & payloadMask;
    value ^= value >> scrambleShift;
    return (value * scrambleFactors[1]) & payloadMask;
}

quint64 unscramble(quint64 value)
{
    value = (value * inverseOf(scrambleFactors[1])) & payloadMask;
    value ^= value >> scrambleShift;
    return (value * inverseOf(scrambleFactors[0])) & payloadMask;
}

// Multiplication by a primitive element of GF(32) (x^5 + x^2 + 1).
int timesPrimitive(int symbol)
{
    symbol <<= 1;
    return symbol & 32 ? symbol ^ 0b100101 : symbol;
}

// Damm's scheme on the quasigroup x * y = a x + y over GF(32): a walk that
// ends at 0 for a good code. A changed symbol changes the end by a nonzero
// multiple of the change; two symbols k apart swapped change it by
// (a^k + 1) times their difference, nonzero because a has order 31.
int checkWalk(const std::array<int, codeSymbols> &symbols, int length)
{
    int interim = 0;
    for (int i = 0; i < length; ++i)
        interim = timesPrimitive(interim) ^ symbols[size_t(i)];
    return interim;
}

int symbolOf(QChar typed)
{
    const QChar upper = typed.toUpper();
    if (upper == u'O')
        return 0;
    if (upper == u'I' || upper == u'L')
        return 1;
    for (size_t i = 0; i < alphabet.size(); ++i)
        if (upper == QLatin1Char(alphabet[i]))
            return int(i);
    return -1;
}

} // namespace

bool isGivable(const Assignment &assignment)
{
    return assignment.count >= minProblemSetSize && assignment.count <= maxProblemSetSize &&
           problemsOffered(assignment.level, assignment.theorem) > 0;
}

QString assignmentCode(const Assignment &assignment)
{
    Q_ASSERT(isGivable(assignment));
    const quint64 theorem =
        quint64(std::find(theorems.begin(), theorems.end(), assignment.theorem) - theorems.begin());
    const quint64 shape =
        (quint64(int(assignment.level) - 1) * theorems.size() + theorem) * counts +
        quint64(assignment.count - minProblemSetSize);
    quint64 payload = scramble(shape << 32 | assignment.seed);

    std::array<int, codeSymbols> symbols{};
    for (int i = payloadSymbols - 1; i >= 0; --i) {
        symbols[size_t(i)] = int(payload & 31);
        payload >>= symbolBits;
    }
    symbols[payloadSymbols] = timesPrimitive(checkWalk(symbols, payloadSymbols));

    QString code;
    for (int i = 0; i < codeSymbols; ++i) {
        if (i > 0 && i % groupSize == 0)
            code += u'-';
        code += QLatin1Char(alphabet[size_t(symbols[size_t(i)])]);
    }
    return code;
}

std::optional<Assignment> assignmentOfCode(const QString &typed)
{
    std::array<int, codeSymbols> symbols{};
    int length = 0;
    for (const QChar c : typed) {
        if (c.isSpace() || c == u'-')
            continue;
        const int symbol = symbolOf(c);
        if (symbol < 0 || length == codeSymbols)
            return std::nullopt;
        symbols[size_t(length++)] = symbol;
    }
    if (length != codeSymbols || checkWalk(symbols, codeSymbols) != 0)
        return std::nullopt;

    quint64 payload = 0;
    for (int i = 0; i < payloadSymbols; ++i)
        payload = payload << symbolBits | quint64(symbols[size_t(i)]);
    payload = unscramble(payload);
    const quint64 shape = payload >> 32;
    if (shape >= shapes)
        return std::nullopt;

    Assignment assignment;
    assignment.seed = quint32(payload);
    assignment.count = int(shape % counts) + minProblemSetSize;
    assignment.theorem = theorems[size_t(shape / counts % theorems.size())];
    assignment.level = allLevels[size_t(shape / counts / theorems.size())];
    if (!isGivable(assignment))
        return std::nullopt;
    return assignment;
}

QString invalidAssignmentCode()
{
    return QCoreApplication::translate("quiz", "Codice del compito non valido");
}

QList<ProblemDraw> assignmentProblems(const Assignment &assignment)
{
    return drawProblemSet(assignment.seed, assignment.count, assignment.theorem, assignment.level);
}

} // namespace quiz
