// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <optional>

namespace files {
class PrivateSaveFile;
}

namespace record {

// The answers as CSV (RFC 4180): UTF-8, a header row, one row per answer,
// Italian decimal commas.
QByteArray answersCsv(const QList<AnswerRow> &answers);

// Writes answersCsv() to path whole or not at all; returns the Italian line
// that says why it could not, or nothing.
std::optional<QString> writeAnswersCsv(const QString &path, const QList<AnswerRow> &answers);

// The same CSV written a row at a time, as the rows come: nothing is kept
// but what waits to be written. The file appears at path on commit() alone.
class AnswersCsvWriter
{
public:
    explicit AnswersCsvWriter(const QString &path);
    ~AnswersCsvWriter();

    // The Italian line that says why the file cannot be written, or nothing.
    std::optional<QString> open();
    void add(const AnswerRow &row);
    qsizetype added() const { return m_added; }
    std::optional<QString> commit();

private:
    bool flush();

    struct CellFormat;
    QString m_path;
    std::unique_ptr<files::PrivateSaveFile> m_file;
    std::unique_ptr<CellFormat> m_format;
    QString m_waiting;
    qsizetype m_added = 0;
    bool m_failed = false;
};

} // namespace record
