// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/answervalidator.h"

namespace ui {

QValidator::State AnswerValidator::validate(QString &input, int & /*pos*/) const
{
    // The box takes the changed text, so the comma is what it shows.
    input.replace(u'.', u',');
    for (const QChar c : input) {
        if (c != u',' && (c < u'0' || c > u'9'))
            return Invalid;
    }
    return Acceptable;
}

} // namespace ui
