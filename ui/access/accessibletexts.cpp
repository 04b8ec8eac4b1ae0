// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/accessibletexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

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

QString figureName()
{
    return QCoreApplication::translate("Accessible", "Triangolo rettangolo ABC con l'altezza AH");
}

QString illustrationName()
{
    return QCoreApplication::translate("Accessible", "Il vecchio geometra");
}

QString stopwatchName()
{
    return QCoreApplication::translate("Accessible", "Cronometro");
}

QString lengthLabelName(quiz::Length which, const QString &valueText)
{
    if (valueText.isEmpty())
        return {};
    return quiz::lengthName(which) + u' ' + valueText + u' ' + unit;
}

QString counterHeading(Counter which)
{
    switch (which) {
    case Counter::Right:
        return QCoreApplication::translate("Accessible", "Risposte esatte");
    case Counter::Wrong:
        return QCoreApplication::translate("Accessible", "Risposte errate");
    case Counter::Total:
        return QCoreApplication::translate("Accessible", "Risposte totali");
    }
    return {};
}

QString counterName(Counter which, const quiz::Score &score)
{
    qint64 count = score.total;
    if (which == Counter::Right)
        count = score.right;
    else if (which == Counter::Wrong)
        count = score.wrong;
    return counterHeading(which) + QStringLiteral(": ") + QString::number(count);
}

QString scoreSummary(const quiz::Score &score)
{
    return QStringList{counterName(Counter::Right, score), counterName(Counter::Wrong, score),
                       counterName(Counter::Total, score)}
        .join(QStringLiteral(", "));
}

QString answerBoxName(const quiz::Problem &problem)
{
    if (problem.caption.isEmpty())
        return {};
    return QCoreApplication::translate("Accessible", "%1, in centimetri").arg(problem.caption);
}

QString answerBoxDescription(const quiz::Problem &problem, const QString &toolTip)
{
    // In the figure's order of lengths, whatever the formula's.
    QStringList given;
    for (int i = 0; i < quiz::lengthCount; ++i) {
        const auto which = quiz::Length(i);
        const auto givens = problem.kind().givens();
        if (std::find(givens.begin(), givens.end(), which) != givens.end())
            given << lengthLabelName(which, problem.text(which));
    }
    QStringList parts;
    // The designed game is level 1; a pupil who chose another hears it with
    // every question.
    if (problem.level != quiz::defaultLevel)
        parts << sentence(QCoreApplication::translate("Accessible", "Livello %1: %2")
                              .arg(int(problem.level))
                              .arg(quiz::levelName(problem.level)));
    if (!given.isEmpty())
        parts << sentence(QCoreApplication::translate("Accessible", "Dati: %1").arg(given.join(QStringLiteral(", "))));
    // The tool tip's double blanks are for the eye; a reader needs single ones.
    if (!toolTip.simplified().isEmpty())
        parts << sentence(toolTip.simplified());
    return parts.join(u' ');
}

QString verdictDescription(const quiz::Verdict &verdict, const quiz::Problem &problem)
{
    QStringList parts;
    if (verdict.counted && !verdict.right) {
        // The right value as the pupil sees it, with its quantity and unit.
        parts << quiz::wrongMessagePrefix().trimmed()
              << sentence(quiz::lengthName(problem.kind().asked()) + u' ' + verdict.expectedText +
                          u' ' + unit);
    } else {
        parts << sentence(verdict.message);
    }
    parts << sentence(scoreSummary(verdict.score));
    return parts.join(u' ');
}

} // namespace ui::accessible
