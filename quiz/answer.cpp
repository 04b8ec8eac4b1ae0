// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/answer.h"

#include "format/numberpattern.h"
#include "quiz/checked.h"

#include <QCoreApplication>

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

QString rightMessage()
{
    return QCoreApplication::translate("quiz", "Esatto. Sei in gamba!!!");
}

QString wrongMessagePrefix()
{
    return QCoreApplication::translate("quiz", "Sbagliato!! ");
}

QString notANumberMessage()
{
    return QCoreApplication::translate("quiz", "Scrivi un numero, per esempio 12,5");
}

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
    verdict.score = {state.RightCount, state.WrongCount,
                     qint64(state.RightCount) + state.WrongCount};
    if (!typed) {
        verdict.message = notANumberMessage();
        return verdict;
    }

    state.TypedValue = *typed;
    verdict.counted = true;
    verdict.right = state.TypedValue == state.ExpectedValue;
    verdict.expectedValue = state.ExpectedValue;
    verdict.expectedText = expectedText(state.ExpectedValue, locale);
    if (verdict.right) {
        state.RightCount = checked::add(state.RightCount, qint32(1));
        verdict.message = rightMessage();
    } else {
        state.WrongCount = checked::add(state.WrongCount, qint32(1));
        verdict.message = wrongMessagePrefix() + verdict.expectedText;
    }
    verdict.score = {state.RightCount, state.WrongCount,
                     qint64(state.RightCount) + state.WrongCount};
    return verdict;
}

} // namespace quiz
