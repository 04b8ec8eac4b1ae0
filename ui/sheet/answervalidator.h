// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace ui {

// The answer box holds digits and decimal commas only. A full stop, typed
// (the keypad's decimal key gives one on many keyboards) or pasted, becomes
// the comma the pupil meant; anything else is refused.
class AnswerValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

} // namespace ui
