// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/kind.h"

#include <QString>

namespace quiz {

// "AH:BH,HC": the asked length's letters, then the givens'. Records keep it
// in every answer, so it must never change for an existing kind.
QString kindId(const ProblemKind &kind);

// The id in words, "AH da BH e HC"; an id not of that form as it is.
QString readableKind(const QString &kindId);

} // namespace quiz
