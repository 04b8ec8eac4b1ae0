// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answerscsv.h"

#include "record/answercolumns.h"

#include "files/safewrite.h"
#include "format/displaylocale.h"

#include <QCoreApplication>
#include <QStringList>

namespace record {

namespace {

// A spreadsheet runs a cell that begins like a formula: a pupil's name
// "=HYPERLINK(...)" must stay a name in the teacher's sheet. A Tab or a
// carriage return before it is skipped by some spreadsheets.
QString neutralised(const QString &cell)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && formulaStarts.contains(cell.front()))
        return u'\'' + cell;
    return cell;
}

QString quoted(const QString &cell)
{
    const QString safe = neutralised(cell);
    if (!safe.contains(u',') && !safe.contains(u'"') && !safe.contains(u'\n') &&
        !safe.contains(u'\r'))
        return safe;
    return u'"' + QString(safe).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString decimal(double value)
{
    // Seven digits: the expected value comes from single precision.
    return QString::number(value, 'g', 7)
        .replace(u'.', format::DisplayLocale::current().decimalSeparator);
}

QString yesNo(bool value)
{
    return value ? QCoreApplication::translate("record", "sì")
                 : QCoreApplication::translate("record", "no");
}

QStringList header()
{
    QStringList cells;
    for (const AnswerColumn &column : answerColumns()) {
        if (column.csvHeader)
            cells << QCoreApplication::translate("record", column.csvHeader);
    }
    return cells;
}

QString cellOf(const AnswerColumn &column, const AnswerRow &row)
{
    const QVariant value = column.value(row);
    switch (column.type) {
    case ColumnType::Stamp:
        return row.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case ColumnType::Real:
        return decimal(value.toDouble());
    case ColumnType::Flag:
        return yesNo(value.toInt() != 0);
    case ColumnType::Text:
    case ColumnType::Integer:
    case ColumnType::AnswerId:
        break;
    }
    return value.toString();
}

QStringList cellsOf(const AnswerRow &row)
{
    QStringList cells;
    for (const AnswerColumn &column : answerColumns()) {
        if (column.csvHeader)
            cells << cellOf(column, row);
    }
    return cells;
}

void appendLine(QString &text, const QStringList &cells)
{
    QStringList line;
    for (const QString &cell : cells)
        line << quoted(cell);
    text += line.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QByteArray answersCsv(const QList<AnswerRow> &answers)
{
    QString text;
    appendLine(text, header());
    for (const AnswerRow &row : answers)
        appendLine(text, cellsOf(row));
    // The byte-order mark tells a spreadsheet the file is UTF-8, not Latin-1.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

std::optional<QString> writeAnswersCsv(const QString &path, const QList<AnswerRow> &answers)
{
    AnswersCsvWriter writer(path);
    if (auto refusal = writer.open())
        return refusal;
    for (const AnswerRow &row : answers)
        writer.add(row);
    return writer.commit();
}

AnswersCsvWriter::AnswersCsvWriter(const QString &path) : m_path(path)
{
}

AnswersCsvWriter::~AnswersCsvWriter() = default;

std::optional<QString> AnswersCsvWriter::open()
{
    m_file = std::make_unique<files::PrivateSaveFile>(m_path);
    if (auto refusal = m_file->open())
        return refusal;
    // The byte-order mark tells a spreadsheet the file is UTF-8, not Latin-1.
    m_failed = m_file->device().write("\xEF\xBB\xBF") != 3;
    appendLine(m_waiting, header());
    return std::nullopt;
}

void AnswersCsvWriter::add(const AnswerRow &row)
{
    appendLine(m_waiting, cellsOf(row));
    ++m_added;
    if (m_waiting.size() > 1 << 16)
        flush();
}

bool AnswersCsvWriter::flush()
{
    const QByteArray bytes = m_waiting.toUtf8();
    m_waiting.clear();
    m_failed = m_failed || m_file->device().write(bytes) != bytes.size();
    return !m_failed;
}

std::optional<QString> AnswersCsvWriter::commit()
{
    if (!flush())
        return files::cannotWrite(m_path, m_file->device().errorString());
    return m_file->commit();
}

} // namespace record
