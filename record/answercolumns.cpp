// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answercolumns.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <array>

namespace record {

namespace {

QString stamp(const QDateTime &when)
{
    return when.isValid() ? when.toString(Qt::ISODateWithMs) : QString();
}

// Qt binds a null text as NULL; who and what was typed may be empty, never unknown.
QVariant text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant flag(bool value)
{
    return value ? 1 : 0;
}

// A column of one member of AnswerRow: written and read as its type says.
template <QString AnswerRow::*member> AnswerColumn textColumn(const char *name, const char *header)
{
    return {name, ColumnType::Text, [](const AnswerRow &r) { return text(r.*member); },
            [](AnswerRow &r, const QVariant &v) { r.*member = v.toString(); }, header};
}

template <int AnswerRow::*member> AnswerColumn integerColumn(const char *name, const char *header)
{
    return {name, ColumnType::Integer, [](const AnswerRow &r) { return QVariant(r.*member); },
            [](AnswerRow &r, const QVariant &v) { r.*member = v.toInt(); }, header};
}

template <double AnswerRow::*member> AnswerColumn realColumn(const char *name, const char *header)
{
    return {name, ColumnType::Real, [](const AnswerRow &r) { return QVariant(r.*member); },
            [](AnswerRow &r, const QVariant &v) { r.*member = v.toDouble(); }, header};
}

template <bool AnswerRow::*member> AnswerColumn flagColumn(const char *name, const char *header)
{
    return {name, ColumnType::Flag, [](const AnswerRow &r) { return flag(r.*member); },
            [](AnswerRow &r, const QVariant &v) { r.*member = v.toInt() != 0; }, header};
}

// A time as the record and the server write it, "2026-11-02T08:00:07.000",
// read digit by digit; any other text as Qt reads ISO times. A school's
// year is millions of them.
QDateTime stampOf(const QString &text)
{
    static constexpr char16_t shape[] = u"0000-00-00T00:00:00.000";
    const qsizetype size = std::size(shape) - 1;
    bool plain = text.size() == size;
    for (qsizetype i = 0; plain && i < size; ++i)
        plain = shape[i] == u'0' ? text[i].isDigit() && text[i].unicode() < 128
                                 : text[i] == QChar(shape[i]);
    const auto number = [&](qsizetype at, qsizetype digits) {
        int value = 0;
        for (qsizetype i = at; i < at + digits; ++i)
            value = value * 10 + text[i].unicode() - u'0';
        return value;
    };
    // Hour 24 is the next day's midnight to Qt.
    if (!plain || number(11, 2) > 23)
        return QDateTime::fromString(text, Qt::ISODateWithMs);
    const QDate day(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
    if (!day.isValid() || !time.isValid())
        return QDateTime::fromString(text, Qt::ISODateWithMs);
    return QDateTime(day, time);
}

AnswerColumn stampColumn(const char *name, const char *header)
{
    return {name, ColumnType::Stamp, [](const AnswerRow &r) { return QVariant(stamp(r.when)); },
            [](AnswerRow &r, const QVariant &v) { r.when = stampOf(v.toString()); }, header};
}

// The server keeps the solution's mark in a table of its own, so that a
// pupil's program only ever adds rows.
AnswerColumn inServerTableOfItsOwn(AnswerColumn column)
{
    column.onServerAnswer = false;
    return column;
}

AnswerColumn idColumn(const char *name)
{
    AnswerColumn column = textColumn<&AnswerRow::uuid>(name, nullptr);
    column.type = ColumnType::AnswerId;
    return column;
}

AnswerColumn addedIn(int version, AnswerColumn column)
{
    column.since = version;
    return column;
}

const std::array<AnswerColumn, 17> columns = {
    stampColumn("at", QT_TRANSLATE_NOOP("record", "Data e ora")),
    textColumn<&AnswerRow::pupil>("pupil", QT_TRANSLATE_NOOP("record", "Alunno")),
    textColumn<&AnswerRow::className>("class", QT_TRANSLATE_NOOP("record", "Classe")),
    integerColumn<&AnswerRow::level>("level", QT_TRANSLATE_NOOP("record", "Livello")),
    textColumn<&AnswerRow::kind>("kind", QT_TRANSLATE_NOOP("record", "Tipo di problema")),
    integerColumn<&AnswerRow::m>("m", QT_TRANSLATE_NOOP("record", "m")),
    integerColumn<&AnswerRow::n>("n", QT_TRANSLATE_NOOP("record", "n")),
    realColumn<&AnswerRow::given1>("given1", QT_TRANSLATE_NOOP("record", "Primo dato")),
    realColumn<&AnswerRow::given2>("given2", QT_TRANSLATE_NOOP("record", "Secondo dato")),
    textColumn<&AnswerRow::asked>("asked", QT_TRANSLATE_NOOP("record", "Lunghezza chiesta")),
    realColumn<&AnswerRow::expected>("expected", QT_TRANSLATE_NOOP("record", "Valore atteso")),
    textColumn<&AnswerRow::typed>("typed", QT_TRANSLATE_NOOP("record", "Risposta scritta")),
    flagColumn<&AnswerRow::right>("right", QT_TRANSLATE_NOOP("record", "Esatta")),
    realColumn<&AnswerRow::seconds>("seconds", QT_TRANSLATE_NOOP("record", "Secondi")),
    inServerTableOfItsOwn(flagColumn<&AnswerRow::solutionOpened>(
        "solution_opened", QT_TRANSLATE_NOOP("record", "Soluzione aperta"))),
    addedIn(3, idColumn("uuid")),
    addedIn(4, textColumn<&AnswerRow::assignment>("assignment",
                                                  QT_TRANSLATE_NOOP("record", "Compito"))),
};

} // namespace

std::span<const AnswerColumn> answerColumns()
{
    return columns;
}

QString answerColumnList(const std::function<QString(const AnswerColumn &)> &rename)
{
    QStringList names;
    for (const AnswerColumn &column : columns)
        names << (rename ? rename(column) : QString::fromLatin1(column.name));
    return names.join(QStringLiteral(", "));
}

QVariantList answerValues(const AnswerRow &row)
{
    QVariantList values;
    for (const AnswerColumn &column : columns)
        values << column.value(row);
    return values;
}

AnswerRow answerFrom(const QSqlQuery &query, int first)
{
    AnswerRow row;
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i].read(row, query.value(first + int(i)));
    return row;
}

QString serverType(ColumnType type)
{
    switch (type) {
    case ColumnType::Stamp:
        return QStringLiteral("timestamp(3)");
    case ColumnType::Text:
        return QStringLiteral("text");
    case ColumnType::Integer:
        return QStringLiteral("integer");
    case ColumnType::Real:
        return QStringLiteral("double precision");
    case ColumnType::Flag:
        return QStringLiteral("boolean");
    case ColumnType::AnswerId:
        return QStringLiteral("uuid");
    }
    return {};
}

} // namespace record
