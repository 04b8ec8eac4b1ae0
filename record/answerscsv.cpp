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

// Appends the cell to line, quoted where RFC 4180 wants it.
void appendQuoted(QString &line, const QString &cell)
{
    const QString safe = neutralised(cell);
    if (!safe.contains(u',') && !safe.contains(u'"') && !safe.contains(u'\n') &&
        !safe.contains(u'\r')) {
        line += safe;
        return;
    }
    line += u'"';
    line += QString(safe).replace(u'"', QStringLiteral("\"\""));
    line += u'"';
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

void appendNumber(QString &line, int value, int digits)
{
    for (int unit = digits == 4 ? 1000 : 10; unit > 0; unit /= 10)
        line += QChar(u'0' + value / unit % 10);
}

// As when.toString("yyyy-MM-dd HH:mm:ss") writes it, digit by digit: a
// local time is turned into words once per answer, and Qt's own formatting
// of it was most of the time a school's CSV took.
void appendStamp(QString &line, const QDateTime &when)
{
    const QDate day = when.date();
    if (!when.isValid() || day.year() < 1000 || day.year() > 9999) {
        line += when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return;
    }
    const QTime time = when.time();
    appendNumber(line, day.year(), 4);
    line += u'-';
    appendNumber(line, day.month(), 2);
    line += u'-';
    appendNumber(line, day.day(), 2);
    line += u' ';
    appendNumber(line, time.hour(), 2);
    line += u':';
    appendNumber(line, time.minute(), 2);
    line += u':';
    appendNumber(line, time.second(), 2);
}

// How the cells are written, taken once for all rows: the locale and the
// translations would otherwise be looked up for every cell.
struct CsvCells
{
    QChar decimalSeparator = format::DisplayLocale::current().decimalSeparator;
    QString yes = QCoreApplication::translate("record", "sì");
    QString no = QCoreApplication::translate("record", "no");

    void appendLine(QString &line, const AnswerRow &row) const
    {
        bool first = true;
        for (const AnswerColumn &column : answerColumns()) {
            if (!column.csvHeader)
                continue;
            if (!first)
                line += u',';
            first = false;
            switch (column.type) {
            case ColumnType::Stamp:
                appendStamp(line, row.when);
                break;
            case ColumnType::Real:
                // Seven digits: the expected value comes from single precision.
                appendQuoted(line, QString::number(column.value(row).toDouble(), 'g', 7)
                                       .replace(u'.', decimalSeparator));
                break;
            case ColumnType::Flag:
                appendQuoted(line, column.value(row).toInt() != 0 ? yes : no);
                break;
            case ColumnType::Text:
            case ColumnType::Integer:
            case ColumnType::AnswerId:
                appendQuoted(line, column.value(row).toString());
                break;
            }
        }
        line += QStringLiteral("\r\n");
    }
};

void appendHeader(QString &text)
{
    const QStringList cells = header();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += u',';
        appendQuoted(text, cells[i]);
    }
    text += QStringLiteral("\r\n");
}

constexpr qsizetype waitingSize = 1 << 16;

} // namespace

struct AnswersCsvWriter::CellFormat : CsvCells
{
};

QByteArray answersCsv(const QList<AnswerRow> &answers)
{
    QString text;
    appendHeader(text);
    const CsvCells format;
    for (const AnswerRow &row : answers)
        format.appendLine(text, row);
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
    m_format = std::make_unique<CellFormat>();
    m_waiting.reserve(waitingSize + 4096);
    appendHeader(m_waiting);
    return std::nullopt;
}

void AnswersCsvWriter::add(const AnswerRow &row)
{
    m_format->appendLine(m_waiting, row);
    ++m_added;
    if (m_waiting.size() > waitingSize)
        flush();
}

bool AnswersCsvWriter::flush()
{
    const QByteArray bytes = m_waiting.toUtf8();
    m_waiting.resize(0); // keeps its room
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
