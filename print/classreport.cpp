// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/classreport.h"

#include "quiz/kindid.h"

#include "files/safewrite.h"
#include "format/displaylocale.h"
#include "format/echo.h"
#include "quiz/assignment.h"
#include "record/assignmentstanding.h"
#include "record/summary.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <map>
#include <tuple>

namespace print {
namespace {

// Points: the writer's resolution is 72 dots per inch.
constexpr int pageDpi = 72;
constexpr qreal margin = 50;
constexpr qreal lineHeight = 15;

enum class Style { Title, Heading, Header, Row, Text };

struct Line
{
    Style style = Style::Row;
    QStringList cells;
    bool newPage = false; // starts a page of its own
};
using Page = QList<Line>;

// This file's texts, under its namespace's context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(print)
};

QString levels(const QList<int> &played)
{
    QStringList names;
    for (int level : played)
        names << QString::number(level);
    return names.join(QStringLiteral(", "));
}

QString period(const record::ReportFigures &figures, const record::RecordFilter &filter)
{
    const QDate from = filter.from.isValid() ? filter.from : figures.firstDay;
    const QDate to = filter.to.isValid() ? filter.to : figures.lastDay;
    const QLocale locale = format::DisplayLocale::current().qtLocale;
    return Texts::tr("dal %1 al %2")
        .arg(locale.toString(from, QLocale::ShortFormat),
             locale.toString(to, QLocale::ShortFormat));
}

QString pupilName(const record::PupilSummary &pupil)
{
    return pupil.pupil.isEmpty() ? Texts::tr("(senza nome)") : pupil.pupil;
}

QList<Line> kindLines(const QList<record::KindSummary> &kinds)
{
    QList<Line> lines{{Style::Header,
                       {Texts::tr("Tipo di problema"), Texts::tr("Risposte"), Texts::tr("Esatte"),
                        Texts::tr("Sbagliate")}}};
    for (const record::KindSummary &kind : kinds)
        lines.append({Style::Row,
                      {quiz::readableKind(kind.kind), QString::number(kind.tally.answers),
                       percent(kind.tally), QString::number(kind.tally.wrong())}});
    return lines;
}

QList<Line> summaryLines(const record::ReportFigures &contents, const record::RecordFilter &filter)
{
    const QList<record::PupilSummary> &pupils = contents.pupils;
    QList<Line> lines{
        {Style::Title, {Texts::tr("Resoconto della classe")}},
        {Style::Text,
         {Texts::tr("Classe: %1")
              .arg(filter.className.isEmpty() ? Texts::tr("tutte") : filter.className)}},
        {Style::Text, {Texts::tr("Periodo: %1").arg(period(contents, filter))}},
        {Style::Text, {Texts::tr("Alunni: %1").arg(pupils.size())}},
        {Style::Text, {Texts::tr("Risposte: %1").arg(contents.total.answers)}},
        {Style::Text, {Texts::tr("Esatte: %1").arg(percent(contents.total))}},
        {Style::Heading, {Texts::tr("Alunni")}},
        {Style::Header,
         {Texts::tr("Alunno"), Texts::tr("Classe"), Texts::tr("Risposte"), Texts::tr("Esatte"),
          Texts::tr("Tempo"), Texts::tr("Livelli")}}};
    for (const record::PupilSummary &pupil : pupils)
        lines.append({Style::Row,
                      {pupilName(pupil), pupil.className, QString::number(pupil.tally.answers),
                       percent(pupil.tally), duration(pupil.seconds), levels(pupil.levels)}});
    lines.append({Style::Heading, {Texts::tr("Per tipo di problema")}});
    lines += kindLines(contents.kinds);
    lines.append({Style::Heading, {Texts::tr("I cinque tipi più spesso sbagliati")}});
    lines += kindLines(record::mostOftenWrong(contents.kinds, 5));
    if (!contents.skipped.isEmpty()) {
        lines.append({Style::Heading, {Texts::tr("File saltati")}});
        for (const record::SkippedFile &skipped : contents.skipped)
            lines.append({Style::Text, {skipped.reason}});
    }
    if (contents.discarded > 0 || !contents.clashes.isEmpty()) {
        lines.append({Style::Heading, {Texts::tr("Risposte lasciate fuori")}});
        if (contents.discarded > 0)
            lines.append({Style::Text, {Texts::tr("Righe scartate: %1").arg(contents.discarded)}});
        for (const QString &clash : contents.clashes)
            lines.append({Style::Text, {clash}});
    }
    return lines;
}

QList<Line> pupilLines(const record::PupilSummary &pupil, const QList<record::KindSummary> &kinds)
{
    QList<Line> lines{
        {Style::Title, {pupilName(pupil)}, true},
        {Style::Text, {Texts::tr("Classe: %1").arg(pupil.className)}},
        {Style::Text,
         {Texts::tr("Risposte: %1, esatte %2, sbagliate %3 (%4)")
              .arg(pupil.tally.answers)
              .arg(pupil.tally.right)
              .arg(pupil.tally.wrong())
              .arg(percent(pupil.tally))}},
        {Style::Text, {Texts::tr("Tempo: %1").arg(duration(pupil.seconds))}},
        {Style::Text, {Texts::tr("Livelli giocati: %1").arg(levels(pupil.levels))}},
        {Style::Text, {Texts::tr("Record di risposte esatte di fila: %1").arg(pupil.longestRun)}},
        {Style::Heading, {Texts::tr("I tipi più spesso sbagliati")}}};
    lines += kindLines(record::mostOftenWrong(kinds, 5));
    return lines;
}

QList<Line> assignmentLines(const QString &code, const QList<record::PupilSummary> &pupils,
                            const record::AssignmentStandings &standings)
{
    const auto assignment = quiz::assignmentOfCode(code);
    if (!assignment)
        return {};
    using State = record::AssignmentStanding::State;
    const QList<record::Tally> &byProblem = standings.byProblem;
    const QList<QString> &kindOf = standings.kindOf;
    QList<Line> rows;
    const int done = standings.counted(State::Done);
    const int begun = standings.counted(State::Begun);
    const QLocale locale = format::DisplayLocale::current().qtLocale;
    for (const record::AssignmentStanding &standing : standings.pupils) {
        QString state = Texts::tr("non iniziato");
        if (standing.state() == State::Done)
            state = Texts::tr("fatto");
        else if (standing.state() == State::Begun)
            state = Texts::tr("iniziato (%1 di %2)").arg(standing.answered).arg(standing.count);
        const bool started = standing.answered > 0;
        record::PupilSummary pupil;
        pupil.pupil = standing.pupil;
        pupil.className = standing.className;
        // The class goes with the name: the state needs the room.
        const QString who = pupil.className.isEmpty()
                                ? pupilName(pupil)
                                : Texts::tr("%1 (%2)").arg(pupilName(pupil), pupil.className);
        rows.append({Style::Row,
                     {who, state,
                      started ? Texts::tr("%1 su %2").arg(standing.tally.right).arg(standing.count)
                              : QString(),
                      started ? duration(standing.seconds) : QString(),
                      standing.state() == State::Done
                          ? locale.toString(standing.finished.date(), QLocale::ShortFormat)
                          : QString()}});
    }

    QList<Line> lines{
        {Style::Title, {Texts::tr("Compito %1").arg(code)}, true},
        {Style::Text,
         {Texts::tr("Livello %1, %2 problemi").arg(int(assignment->level)).arg(assignment->count)}},
        {Style::Text,
         {Texts::tr("Fatto: %1 · Iniziato: %2 · Non iniziato: %3")
              .arg(done)
              .arg(begun)
              .arg(pupils.size() - done - begun)}},
        {Style::Header,
         {Texts::tr("Alunno"), Texts::tr("Stato"), Texts::tr("Esatte"), Texts::tr("Tempo"),
          Texts::tr("Finito il")}}};
    lines += rows;
    lines.append({Style::Heading, {Texts::tr("I problemi più spesso sbagliati")}});
    lines.append(
        {Style::Header, {Texts::tr("Problema"), Texts::tr("Risposte"), Texts::tr("Sbagliate")}});
    QList<int> wrongFirst;
    for (int place = 0; place < assignment->count; ++place)
        if (byProblem[place].wrong() > 0)
            wrongFirst.append(place);
    std::ranges::stable_sort(wrongFirst, std::greater<>(),
                             [&](int place) { return byProblem[place].wrong(); });
    for (const int place : wrongFirst.mid(0, 5))
        lines.append({Style::Row,
                      {Texts::tr("%1. %2").arg(place + 1).arg(quiz::readableKind(kindOf[place])),
                       QString::number(byProblem[place].answers),
                       QString::number(byProblem[place].wrong())}});
    return lines;
}

qreal heightOf(Style style)
{
    switch (style) {
    case Style::Title:
        return 2.2 * lineHeight;
    case Style::Heading:
        return 2 * lineHeight;
    default:
        return lineHeight;
    }
}

QList<Page> paginate(const QList<Line> &lines, qreal pageHeight)
{
    QList<Page> pages(1);
    qreal used = 0;
    for (const Line &line : lines) {
        if ((line.newPage && !pages.last().isEmpty()) || used + heightOf(line.style) > pageHeight) {
            pages.append(Page());
            used = 0;
        }
        pages.last().append(line);
        used += heightOf(line.style);
    }
    return pages;
}

QFont fontFor(Style style)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(style == Style::Title ? 16 : style == Style::Heading ? 12 : 9);
    font.setBold(style == Style::Title || style == Style::Heading || style == Style::Header);
    return font;
}

// The first cell takes the room a kind's or a pupil's name needs.
void paintLine(QPainter &painter, const Line &line, qreal top, qreal width)
{
    painter.setFont(fontFor(line.style));
    const qreal first = line.cells.size() > 1 ? width * 0.3 : width;
    const qreal rest = line.cells.size() > 1 ? (width - first) / (line.cells.size() - 1) : 0;
    const qreal bottom = top + heightOf(line.style);
    qreal left = margin;
    for (qsizetype i = 0; i < line.cells.size(); ++i) {
        const qreal cell = i == 0 ? first : rest;
        // A name from a file may carry controls and direction overrides.
        painter.drawText(QRectF(left, bottom - lineHeight, cell - 4, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, format::withoutControls(line.cells[i]));
        left += cell;
    }
    if (line.style == Style::Header)
        painter.drawLine(QPointF(margin, bottom), QPointF(margin + width, bottom));
}

bool paintPages(QPdfWriter &writer, const QList<Page> &pages)
{
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRect paper = writer.pageLayout().fullRectPixels(pageDpi);
    const qreal width = paper.width() - 2 * margin;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !writer.newPage())
            return false;
        qreal top = margin;
        for (const Line &line : pages[p]) {
            paintLine(painter, line, top, width);
            top += heightOf(line.style);
        }
        painter.setFont(fontFor(Style::Text));
        painter.drawText(QRectF(margin, paper.height() - margin, width, lineHeight),
                         Qt::AlignCenter,
                         Texts::tr("Pagina %1 di %2").arg(p + 1).arg(pages.size()));
    }
    return painter.end();
}

} // namespace

QString percent(const record::Tally &tally)
{
    return format::DisplayLocale::current().qtLocale.toString(tally.percentRight(), 'f', 1) +
           QStringLiteral(" %");
}

QString duration(double seconds)
{
    // A year of a class is more seconds than an int holds.
    const qint64 whole = qRound64(seconds);
    if (whole < 3600)
        return QCoreApplication::translate("print", "%1 min %2 s").arg(whole / 60).arg(whole % 60);
    return QCoreApplication::translate("print", "%1 h %2 min")
        .arg(whole / 3600)
        .arg(whole / 60 % 60);
}

QList<record::AnswerRow> countedAnswers(const record::RecordContents &contents,
                                        const record::RecordFilter &filter)
{
    if (filter.assignment.isEmpty())
        return contents.answers;
    QList<record::AnswerRow> counted;
    for (const record::AnswerRow &row : contents.answers)
        if (row.assignment == filter.assignment)
            counted.append(row);
    return counted;
}

std::optional<QString> writeClassReportPdf(const QString &path,
                                           const record::RecordContents &contents,
                                           const record::RecordFilter &filter)
{
    return writeClassReportPdf(path, record::reportFiguresOfRows(contents, filter), filter);
}

std::optional<QString> writeClassReportPdf(const QString &path,
                                           const record::ReportFigures &figures,
                                           const record::RecordFilter &filter)
{
    files::PrivateSaveFile file(path);
    if (auto refusal = file.open())
        return refusal;
    QPdfWriter writer(&file.device());
    writer.setResolution(pageDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(Texts::tr("Resoconto della classe"));
    writer.setCreator(QStringLiteral("Solvetra"));

    QList<Line> lines;
    if (figures.hasCounted()) {
        lines = summaryLines(figures, filter);
        for (const record::PupilSummary &pupil : figures.pupils)
            lines += pupilLines(pupil, figures.pupilKinds.value({pupil.className, pupil.pupil}));
    }
    // A page per assignment, listing every pupil the records know of, the
    // ones who never began it too.
    for (auto standing = figures.standings.cbegin(); standing != figures.standings.cend();
         ++standing)
        lines += assignmentLines(standing.key(), figures.everyone, *standing);
    const qreal pageHeight = writer.pageLayout().fullRectPixels(pageDpi).height() - 3 * margin;
    if (!paintPages(writer, paginate(lines, pageHeight)))
        return files::cannotWrite(path, file.device().errorString());
    return file.commit();
}

} // namespace print
