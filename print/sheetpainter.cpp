// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/sheetpainter.h"

#include "print/figure.h"
#include "print/sheetlayout.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace print {
namespace {

const QString fontFamily = QStringLiteral("Liberation Sans");
constexpr double keyPoints = 9.5;

QFont sheetFont(double points, bool bold)
{
    QFont font(fontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// lupdate files a free tr() call under the enclosing namespace.
QString tr(const char *text)
{
    return QCoreApplication::translate("print", text);
}

QString oneStepInstructions(quiz::TheoremChoice choice)
{
    switch (choice) {
    case quiz::TheoremChoice::Leg:
        return tr("Trova la lunghezza richiesta con il primo teorema di Euclide.");
    case quiz::TheoremChoice::Altitude:
        return tr("Trova la lunghezza richiesta con il secondo teorema di Euclide.");
    case quiz::TheoremChoice::Both:
        break;
    }
    return tr("Trova la lunghezza richiesta con il primo o il secondo teorema di Euclide.");
}

// Two steps may also rest on Pythagoras or on BC = BH + HC.
QString twoStepInstructions(quiz::TheoremChoice choice)
{
    switch (choice) {
    case quiz::TheoremChoice::Leg:
        return tr("Trova la lunghezza richiesta in due passi, uno con il primo teorema di "
                  "Euclide.");
    case quiz::TheoremChoice::Altitude:
        return tr("Trova la lunghezza richiesta in due passi, uno con il secondo teorema di "
                  "Euclide.");
    case quiz::TheoremChoice::Both:
        break;
    }
    return tr("Trova la lunghezza richiesta in due passi.");
}

// Level 1 is the sheet as it always was; the others say their level.
QString levelPart(quiz::Level level)
{
    if (level == quiz::Level::OneStep)
        return {};
    return tr("Livello %1: %2 · ").arg(int(level)).arg(quiz::levelName(level));
}

} // namespace

QString worksheetInstructions(const WorksheetRequest &request)
{
    return request.level == quiz::Level::TwoSteps ? twoStepInstructions(request.theorem)
                                                  : oneStepInstructions(request.theorem);
}

SheetPainter::SheetPainter(QPainter &painter, const QPaintDevice &device)
    : m_painter(painter), m_dotsPerMm(device.logicalDpiY() / 25.4)
{
}

QRectF SheetPainter::rect(const QRectF &mm) const
{
    return {point(mm.topLeft()), point(mm.bottomRight())};
}

void SheetPainter::setPen(double widthMm, Qt::PenStyle style, const QColor &colour)
{
    QPen pen(colour, widthMm * m_dotsPerMm, style);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void SheetPainter::text(const QRectF &mm, const QString &text, double points, int flags, bool bold)
{
    m_painter.setPen(Qt::black);
    m_painter.setFont(sheetFont(points, bold));
    m_painter.drawText(rect(mm), flags, text);
}

void SheetPainter::label(QPointF centreMm, const QString &caption, double points, bool bold)
{
    text(QRectF(centreMm - QPointF(20, 3), QSizeF(40, 6)), caption, points, Qt::AlignCenter, bold);
}

double SheetPainter::textWidthMm(const QString &text, double points, bool bold) const
{
    // Measured on the device, whose resolution sets the font's pixel size.
    QFontMetricsF metrics(sheetFont(points, bold), m_painter.device());
    return metrics.horizontalAdvance(text) / m_dotsPerMm;
}

void SheetPainter::line(QPointF fromMm, QPointF toMm, double widthMm, Qt::PenStyle style)
{
    setPen(widthMm, style);
    m_painter.drawLine(point(fromMm), point(toMm));
}

void SheetPainter::polyline(const QPolygonF &mm, double widthMm)
{
    setPen(widthMm, Qt::SolidLine);
    QPolygonF dots;
    for (const QPointF &p : mm)
        dots << point(p);
    m_painter.drawPolyline(dots);
}

void SheetPainter::polygon(const QPolygonF &mm, double widthMm, const QColor &colour)
{
    setPen(widthMm, Qt::SolidLine, colour);
    QPolygonF dots;
    for (const QPointF &p : mm)
        dots << point(p);
    m_painter.drawPolygon(dots);
}

void SheetPainter::frame(const QRectF &mm, double widthMm, const QColor &colour)
{
    setPen(widthMm, Qt::SolidLine, colour);
    m_painter.drawRect(rect(mm));
}

void SheetPainter::firstHeader(const WorksheetRequest &request)
{
    text({0, 0, pageWidthMm, 9}, tr("Scheda di esercizi: i teoremi di Euclide"), 16,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    nameLine(9);
    text({0, 17, pageWidthMm - 50, 7}, worksheetInstructions(request), 10);
    // The score box: the teacher writes the points out of the problems.
    const QRectF score(pageWidthMm - 48, 16.5, 48, 8);
    frame(score, 0.3, Qt::black);
    text(score.adjusted(2, 0, -2, 0), tr("Punteggio ____ / %1").arg(request.count), 11,
         Qt::AlignCenter);
    line({0, firstHeaderMm - 1}, {pageWidthMm, firstHeaderMm - 1}, 0.2);
}

void SheetPainter::nameLine(double topMm)
{
    text({0, topMm, pageWidthMm, 7},
         tr("Nome ______________________   Classe ________   Data ____________"), 11);
    if (topMm == 0)
        line({0, nameHeaderMm - 1.5}, {pageWidthMm, nameHeaderMm - 1.5}, 0.2);
}

void SheetPainter::keyTitle()
{
    text({0, 0, pageWidthMm, 8}, tr("Soluzioni"), 14, Qt::AlignLeft | Qt::AlignVCenter, true);
}

double SheetPainter::answerTable(double topMm, const QList<quiz::WorkedSolution> &solutions,
                                 const format::DisplayLocale &locale)
{
    text({0, topMm, pageWidthMm, answerHeadingMm}, tr("Risposte"), 11,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    const double cellWidth = pageWidthMm / answerColumns;
    for (qsizetype i = 0; i < solutions.size(); ++i) {
        const quiz::WorkedSolution &s = solutions[i];
        const QRectF cell((i % answerColumns) * cellWidth,
                          topMm + answerHeadingMm + double(i / answerColumns) * answerRowMm,
                          cellWidth - 2, answerRowMm);
        text(cell,
             tr("%1. %2 = %3 cm")
                 .arg(i + 1)
                 .arg(quiz::lengthLetters(s.hidden), quiz::exactDecimalText(s.result, 2, locale)),
             keyPoints);
    }
    const double height = answerTableHeightMm(int(solutions.size()));
    line({0, topMm + height - answerHeadingMm}, {pageWidthMm, topMm + height - answerHeadingMm},
         0.2);
    text({0, topMm + height - answerHeadingMm, pageWidthMm, answerHeadingMm}, tr("Svolgimento"), 11,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    return height;
}

void SheetPainter::footer(const WorksheetRequest &request, bool key, int page, int pageCount)
{
    const QString mark = request.mark == SheetMark::AssignmentCode
                             ? tr("Compito %1").arg(quiz::assignmentCode(assignmentOf(request)))
                             : tr("Seme %1").arg(request.seed);
    const QString text =
        key ? tr("%1 · %2soluzioni · pagina %3 di %4") : tr("%1 · %2pagina %3 di %4");
    this->text({0, pageHeightMm - footerMm + 2, pageWidthMm, footerMm - 2},
               text.arg(mark, levelPart(request.level)).arg(page).arg(pageCount), 8,
               Qt::AlignRight | Qt::AlignVCenter);
}

void SheetPainter::problem(QPointF topLeftMm, int number, const quiz::WorkedSolution &solution,
                           const format::DisplayLocale &locale)
{
    const double x = topLeftMm.x();
    const double y = topLeftMm.y();
    text({x, y, 10, 6}, QStringLiteral("%1.").arg(number), 11, Qt::AlignLeft | Qt::AlignVCenter,
         true);
    text({x + 44, y, columnWidthMm - 46, 6},
         tr("%1 = ________ cm").arg(quiz::lengthLetters(solution.hidden)), 11,
         Qt::AlignRight | Qt::AlignVCenter);
    paintFigure(*this, topLeftMm + QPointF(figureLeftMm, figureTopMm), solution, locale);
    // Room for the working, beside the drawing; for two steps under it too.
    const double right = x + columnWidthMm - 2;
    const double top = y + figureTopMm;
    if (solution.steps.size() < 2) {
        frame(
            {x + workingLeftMm, top, right - x - workingLeftMm, problemHeightMm - figureTopMm - 3},
            0.15, Qt::gray);
        return;
    }
    const double bottom = y + twoStepProblemHeightMm - 3;
    const double underDrawing = y + problemHeightMm;
    polygon(QPolygonF{{x + workingLeftMm, top},
                      {right, top},
                      {right, bottom},
                      {x + 2, bottom},
                      {x + 2, underDrawing},
                      {x + workingLeftMm, underDrawing}},
            0.15, Qt::gray);
}

void SheetPainter::solution(QPointF topLeftMm, int number, const quiz::WorkedSolution &solution)
{
    const double x = topLeftMm.x();
    const double y = topLeftMm.y();
    text({x, y, 8, 5}, QStringLiteral("%1.").arg(number), 10, Qt::AlignLeft | Qt::AlignVCenter,
         true);
    const double width = columnWidthMm - 10;
    for (qsizetype i = 0; i < solution.lines.size(); ++i) {
        // A long line of big numbers shrinks rather than run into the next column.
        const QString &line = solution.lines[i];
        const double points = std::min(keyPoints, keyPoints * width / textWidthMm(line, keyPoints));
        text({x + 8, y + solutionLineMm * double(i), width, 5}, line, points);
    }
}

} // namespace print
