// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/kindid.h"

#include "quiz/length.h"

#include <QCoreApplication>
#include <QStringList>

namespace quiz {

QString kindId(const ProblemKind &kind)
{
    const auto givens = kind.givens();
    return lengthLetters(kind.asked()) + u':' + lengthLetters(givens[0]) + u',' +
           lengthLetters(givens[1]);
}

QString readableKind(const QString &kindId)
{
    const QString asked = kindId.section(u':', 0, 0);
    const QStringList givens = kindId.section(u':', 1).split(u',');
    if (givens.size() != 2)
        return kindId;
    return QCoreApplication::translate("quiz", "%1 da %2 e %3").arg(asked, givens[0], givens[1]);
}

} // namespace quiz
