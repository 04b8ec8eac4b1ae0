// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace record {

// The answers as CSV (RFC 4180): UTF-8, a header row, one row per answer,
// Italian decimal commas.
QByteArray answersCsv(const QList<AnswerRow> &answers);

// Writes answersCsv() to path whole or not at all; returns the Italian line
// that says why it could not, or nothing.
std::optional<QString> writeAnswersCsv(const QString &path, const QList<AnswerRow> &answers);

} // namespace record
