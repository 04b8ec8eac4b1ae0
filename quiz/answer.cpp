// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/answer.h"

#include "format/numberpattern.h"
#include "quiz/checked.h"

#include <cmath>

namespace quiz {
namespace {

QString expectedText(float expected, const format::DisplayLocale &locale)
{
    const bool whole = float(std::floor(expected)) == expected;
    return format::formatNumber(expected, whole ? format::pattern::whole : format::pattern::decimal,
                                locale);
}

} // namespace

std::optional<float> readNumber(const QString &text, QChar decimalSeparator)
{
    QString plain;
    bool separatorSeen = false;
    bool digitSeen = false;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            digitSeen = true;
            plain += c;
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
            plain += u'.';
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    bool ok = false;
    const float value = plain.toFloat(&ok); // C locale: the separator is now "."
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Verdict judgeAnswer(QuizState &state, const QString &boxText, const format::DisplayLocale &locale)
{
    Verdict verdict;
    verdict.boxText = boxText.isEmpty() ? QStringLiteral("0") : boxText;
    const std::optional<float> typed = readNumber(verdict.boxText, locale.decimalSeparator);
    if (!typed) {
        verdict.message = notANumberMessage;
        return verdict;
    }

    state.TypedValue = *typed;
    verdict.counted = true;
    if (state.TypedValue == state.ExpectedValue) {
        state.RightCount = checked::add(state.RightCount, qint32(1));
        verdict.message = rightMessage;
    } else {
        state.WrongCount = checked::add(state.WrongCount, qint32(1));
        verdict.message = wrongMessagePrefix + expectedText(state.ExpectedValue, locale);
        verdict.wrongScore =
            format::formatNumber(state.WrongCount, format::pattern::wrongCount, locale);
    }
    verdict.rightScore = format::formatNumber(state.RightCount, format::pattern::count, locale);
    const qint64 total = qint64(state.RightCount) + state.WrongCount;
    verdict.totalScore = format::formatNumber(double(total), format::pattern::count, locale);
    return verdict;
}

} // namespace quiz
