// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/answervalidator.h"

namespace ui {

QValidator::State AnswerValidator::validate(QString &input, int & /*pos*/) const
{
    // The box takes the changed text, so the separator is what it shows.
    for (QChar &c : input) {
        if (c == u'.' || c == u',')
            c = m_separator;
        else if (c < u'0' || c > u'9')
            return Invalid;
    }
    return Acceptable;
}

} // namespace ui
