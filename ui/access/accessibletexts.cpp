// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/accessibletexts.h"

#include <QStringList>

namespace ui::accessible {
namespace {

const QString unit = QStringLiteral("cm");

// Ends a sentence unless its text already does ("Sei in gamba!!!").
QString sentence(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.endsWith(u'.') || trimmed.endsWith(u'!') ||
        trimmed.endsWith(u'?'))
        return trimmed;
    return trimmed + u'.';
}

} // namespace

QString lengthName(quiz::Length which)
{
    switch (which) {
    case quiz::Length::ProjBH:
        return QStringLiteral("Proiezione BH");
    case quiz::Length::ProjHC:
        return QStringLiteral("Proiezione HC");
    case quiz::Length::LegAB:
        return QStringLiteral("Cateto AB");
    case quiz::Length::LegAC:
        return QStringLiteral("Cateto AC");
    case quiz::Length::HypBC:
        return QStringLiteral("Ipotenusa BC");
    case quiz::Length::HeightAH:
        return QStringLiteral("Altezza AH");
    }
    return {};
}

QString lengthLabelName(quiz::Length which, const QString &valueText)
{
    if (valueText.isEmpty())
        return {};
    return lengthName(which) + u' ' + valueText + u' ' + unit;
}

QString counterHeading(Counter which)
{
    switch (which) {
    case Counter::Right:
        return QStringLiteral("Risposte esatte");
    case Counter::Wrong:
        return QStringLiteral("Risposte errate");
    case Counter::Total:
        return QStringLiteral("Risposte totali");
    }
    return {};
}

QString counterName(Counter which, const QString &countText)
{
    return counterHeading(which) + QStringLiteral(": ") + countText;
}

QString scoreSummary(const ScoreTexts &score)
{
    return QStringList{counterName(Counter::Right, score.right),
                       counterName(Counter::Wrong, score.wrong),
                       counterName(Counter::Total, score.total)}
        .join(QStringLiteral(", "));
}

QString answerBoxName(const quiz::Problem &problem)
{
    if (problem.caption.isEmpty())
        return {};
    return problem.caption + QStringLiteral(", in centimetri");
}

QString answerBoxDescription(const quiz::Problem &problem, const QString &toolTip)
{
    QStringList given;
    for (int i = 0; i < quiz::lengthCount; ++i) {
        const auto which = quiz::Length(i);
        if (problem.visible[size_t(i)])
            given << lengthLabelName(which, problem.text(which));
    }
    QStringList parts;
    if (!given.isEmpty())
        parts << sentence(QStringLiteral("Dati: ") + given.join(QStringLiteral(", ")));
    // The tool tip's double blanks are for the eye; a reader needs single ones.
    if (!toolTip.simplified().isEmpty())
        parts << sentence(toolTip.simplified());
    return parts.join(u' ');
}

QString verdictDescription(const quiz::Verdict &verdict, const quiz::Problem &problem,
                           const ScoreTexts &score)
{
    QStringList parts;
    if (verdict.counted && verdict.message.startsWith(quiz::wrongMessagePrefix)) {
        // The message ends with the right value as the pupil sees it; say
        // which quantity it is and its unit.
        const QString rightValue = verdict.message.mid(quiz::wrongMessagePrefix.size());
        parts << quiz::wrongMessagePrefix.trimmed()
              << sentence(problem.caption + u' ' + rightValue + u' ' + unit);
    } else {
        parts << sentence(verdict.message);
    }
    parts << sentence(scoreSummary(score));
    return parts.join(u' ');
}

} // namespace ui::accessible
