// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace ui {

// The answer box holds digits and decimal separators only. A comma or a full
// stop, typed (the keypad's decimal key gives either, by keyboard) or pasted,
// becomes the separator of the language in use, the one the pupil meant;
// anything else is refused.
class AnswerValidator : public QValidator
{
    Q_OBJECT

public:
    AnswerValidator(QChar separator, QObject *parent) : QValidator(parent), m_separator(separator)
    {
    }

    State validate(QString &input, int &pos) const override;

private:
    QChar m_separator;
};

} // namespace ui
