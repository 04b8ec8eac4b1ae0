// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/xlsxreport.h"

#include "record/answercolumns.h"
#include "record/assignmentstanding.h"
#include "record/reportfigures.h"
#include "record/summary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>

namespace record {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("record", text);
}

// A spreadsheet row holds no more; the header takes one.
constexpr qsizetype maxRows = 1048576 - 1;
constexpr int maxCellText = 32767;

// XML 1.0 has no place for control characters: a cell would break the file.
QByteArray cellText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text)
        clean += (c.unicode() < 0x20 && c != u'\t' && c != u'\n') ? QChar(u'\uFFFD') : c;
    return clean.left(maxCellText).toUtf8();
}

lxw_datetime cellTime(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    const QDate d = local.date();
    const QTime t = local.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
}

class Sheet
{
public:
    Sheet(lxw_workbook *book, const char *name, lxw_format *head, const QStringList &heads,
          const QList<double> &widths)
        : m_sheet(workbook_add_worksheet(book, name))
    {
        for (qsizetype c = 0; c < heads.size(); ++c) {
            worksheet_write_string(m_sheet, 0, lxw_col_t(c), cellText(heads[c]).constData(), head);
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), widths.value(c, 12), nullptr);
        }
        worksheet_freeze_panes(m_sheet, 1, 0);
        m_columns = int(heads.size());
    }

    void text(int column, const QString &value)
    {
        if (!value.isEmpty())
            worksheet_write_string(m_sheet, m_row, lxw_col_t(column), cellText(value).constData(),
                                   nullptr);
    }
    void number(int column, double value, lxw_format *format = nullptr)
    {
        worksheet_write_number(m_sheet, m_row, lxw_col_t(column), value, format);
    }
    void time(int column, const QDateTime &when, lxw_format *format)
    {
        if (!when.isValid())
            return;
        lxw_datetime cell = cellTime(when);
        worksheet_write_datetime(m_sheet, m_row, lxw_col_t(column), &cell, format);
    }
    void boolean(int column, bool value)
    {
        worksheet_write_boolean(m_sheet, m_row, lxw_col_t(column), value, nullptr);
    }
    void nextRow() { ++m_row; }
    // The header's filter buttons, so that the rows sort in place.
    void finish()
    {
        if (m_row > 1)
            worksheet_autofilter(m_sheet, 0, 0, m_row - 1, lxw_col_t(m_columns - 1));
    }

private:
    lxw_worksheet *m_sheet;
    lxw_row_t m_row = 1;
    int m_columns = 0;
};

QString levelsText(const QList<int> &levels)
{
    QStringList texts;
    for (const int level : levels)
        texts << QString::number(level);
    return texts.join(QStringLiteral(", "));
}

QString stateText(AssignmentStanding::State state)
{
    switch (state) {
    case AssignmentStanding::State::Done:
        return tr("fatto");
    case AssignmentStanding::State::Begun:
        return tr("iniziato");
    case AssignmentStanding::State::NotBegun:
        break;
    }
    return tr("non iniziato");
}

struct Formats
{
    lxw_format *head;
    lxw_format *percent;
    lxw_format *seconds;
    lxw_format *date;
    lxw_format *dateTime;
};

// The answers' sheet takes the answer's own columns, as the CSV does.
void writeAnswer(Sheet &sheet, const AnswerRow &row, const Formats &formats)
{
    int place = 0;
    for (const AnswerColumn &column : answerColumns()) {
        if (!column.csvHeader)
            continue;
        const QVariant value = column.value(row);
        switch (column.type) {
        case ColumnType::Stamp:
            sheet.time(place, row.when, formats.dateTime);
            break;
        case ColumnType::Integer:
            sheet.number(place, value.toDouble());
            break;
        case ColumnType::Real:
            sheet.number(place, value.toDouble(),
                         qstrcmp(column.name, "seconds") == 0 ? formats.seconds : nullptr);
            break;
        case ColumnType::Flag:
            sheet.boolean(place, value.toInt() != 0);
            break;
        case ColumnType::Text:
        case ColumnType::AnswerId:
            sheet.text(place, value.toString());
            break;
        }
        ++place;
    }
    sheet.nextRow();
}

bool writeBook(lxw_workbook *book, const ReportFigures &figures, const CountedRows &rows)
{
    Formats formats{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book),
                    workbook_add_format(book), workbook_add_format(book)};
    format_set_bold(formats.head);
    format_set_num_format(formats.percent, "0.0");
    format_set_num_format(formats.seconds, "0.0");
    format_set_num_format(formats.date, "yyyy-mm-dd");
    format_set_num_format(formats.dateTime, "yyyy-mm-dd hh:mm:ss");

    const QList<PupilSummary> &pupils = figures.pupils;
    QHash<std::pair<QString, QString>, int> assignmentsDone;
    QList<std::pair<QString, AssignmentStandings>> standings;
    for (const QString &code : figures.codes) {
        standings.append({code, figures.standings.value(code)});
        for (const AssignmentStanding &s : std::as_const(standings.last().second.pupils))
            if (s.state() == AssignmentStanding::State::Done)
                ++assignmentsDone[{s.className, s.pupil}];
    }

    Sheet alunni(book, "Alunni", formats.head,
                 {tr("Alunno"), tr("Classe"), tr("Risposte"), tr("Esatte"), tr("Sbagliate"),
                  tr("% esatte"), tr("Tempo (s)"), tr("Livelli"), tr("Compiti fatti")},
                 {24, 10, 10, 10, 10, 10, 11, 10, 14});
    for (const PupilSummary &pupil : pupils) {
        alunni.text(0, pupil.pupil);
        alunni.text(1, pupil.className);
        alunni.number(2, pupil.tally.answers);
        alunni.number(3, pupil.tally.right);
        alunni.number(4, pupil.tally.wrong());
        alunni.number(5, pupil.tally.percentRight(), formats.percent);
        alunni.number(6, pupil.seconds, formats.seconds);
        alunni.text(7, levelsText(pupil.levels));
        alunni.number(8, assignmentsDone.value({pupil.className, pupil.pupil}));
        alunni.nextRow();
    }
    alunni.finish();

    Sheet tipi(book, "Tipi", formats.head,
               {tr("Tipo"), tr("Risposte"), tr("Esatte"), tr("Sbagliate"), tr("% esatte")},
               {18, 10, 10, 10, 10});
    for (const KindSummary &kind : figures.kinds) {
        tipi.text(0, kind.kind);
        tipi.number(1, kind.tally.answers);
        tipi.number(2, kind.tally.right);
        tipi.number(3, kind.tally.wrong());
        tipi.number(4, kind.tally.percentRight(), formats.percent);
        tipi.nextRow();
    }
    tipi.finish();

    Sheet compiti(book, "Compiti", formats.head,
                  {tr("Compito"), tr("Alunno"), tr("Classe"), tr("Stato"), tr("Risolti"),
                   tr("Problemi"), tr("Esatte"), tr("Tempo (s)"), tr("Finito il")},
                  {16, 24, 10, 14, 10, 10, 10, 11, 12});
    for (const auto &[code, standing] : std::as_const(standings)) {
        for (const AssignmentStanding &s : standing.pupils) {
            compiti.text(0, code);
            compiti.text(1, s.pupil);
            compiti.text(2, s.className);
            compiti.text(3, stateText(s.state()));
            compiti.number(4, s.answered);
            compiti.number(5, s.count);
            compiti.number(6, s.tally.right);
            compiti.number(7, s.seconds, formats.seconds);
            compiti.time(8, s.finished, formats.date);
            compiti.nextRow();
        }
    }
    compiti.finish();

    QStringList heads;
    QList<double> widths;
    for (const AnswerColumn &column : answerColumns()) {
        if (!column.csvHeader)
            continue;
        heads << tr(column.csvHeader);
        widths << (column.type == ColumnType::Stamp  ? 19
                   : column.type == ColumnType::Text ? 16
                                                     : 10);
    }
    Sheet risposte(book, "Risposte", formats.head, heads, widths);
    const bool whole = rows([&](const AnswerRow &row) { writeAnswer(risposte, row, formats); });
    risposte.finish();
    return whole;
}

} // namespace

std::optional<QString> writeReportXlsx(const QString &path, const QList<AnswerRow> &counted,
                                       const QList<AnswerRow> &everyone)
{
    RecordContents contents;
    contents.answers = counted;
    ReportFigures figures = reportFiguresOfRows(contents, {});
    // Every pupil the answers name is listed on each assignment.
    figures.everyone = RecordSummary(everyone).pupils();
    for (auto it = figures.standings.begin(); it != figures.standings.end(); ++it)
        *it = assignmentStandings(it.key(), figures.everyone, counted);
    return writeReportXlsx(path, figures, [&](const auto &take) {
        for (const AnswerRow &row : counted)
            take(row);
        return true;
    });
}

std::optional<QString> writeReportXlsx(const QString &path, const ReportFigures &figures,
                                       const CountedRows &rows)
{
    if (figures.total.answers > maxRows)
        return tr("troppe risposte per un foglio di calcolo (%1, al più %2): restringi le date o "
                  "la classe.")
            .arg(figures.total.answers)
            .arg(maxRows);
    const QFileInfo target(path);
    // Written beside the target and moved over it once complete, so that a
    // failure leaves no half a file.
    QTemporaryFile part(
        target.absoluteDir().filePath(target.fileName() + QStringLiteral(".part-XXXXXX")));
    if (!part.open())
        return tr("impossibile scrivere «%1»: %2")
            .arg(QDir::toNativeSeparators(path), part.errorString());
    part.close();
    const QByteArray partName = QFile::encodeName(part.fileName());
    lxw_workbook_options options{};
    // Each row goes to the sheet's file as it is written.
    options.constant_memory = LXW_TRUE;
    const QByteArray tmp = QFile::encodeName(QDir::tempPath());
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *book = workbook_new_opt(partName.constData(), &options);
    if (!book)
        return tr("impossibile scrivere «%1»").arg(QDir::toNativeSeparators(path));
    const bool whole = writeBook(book, figures, rows);
    const lxw_error error = workbook_close(book);
    if (!whole)
        return tr("impossibile scrivere «%1»: un file si è interrotto a metà lettura.")
            .arg(QDir::toNativeSeparators(path));
    if (error != LXW_NO_ERROR)
        return tr("impossibile scrivere «%1»: %2")
            .arg(QDir::toNativeSeparators(path), QString::fromUtf8(lxw_strerror(error)));
    if (std::rename(partName.constData(), QFile::encodeName(path).constData()) != 0)
        return tr("impossibile scrivere «%1»").arg(QDir::toNativeSeparators(path));
    part.setAutoRemove(false);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    return std::nullopt;
}

} // namespace record
