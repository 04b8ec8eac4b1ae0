// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/worksheet.h"
#include "quiz/solution.h"

#include <QColor>
#include <QCoreApplication>
#include <QPointF>
#include <QPolygonF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace print {

// What the pupils are asked to do, as the sheet's header says it.
QString worksheetInstructions(const WorksheetRequest &request);

// Paints the parts of a worksheet's pages, in millimetres from the top-left
// corner of the area inside the margins.
class SheetPainter
{
    Q_DECLARE_TR_FUNCTIONS(print::SheetPainter)

public:
    // Any device: the pages of a PDF or a printer, or the picture of one figure.
    SheetPainter(QPainter &painter, const QPaintDevice &device);

    void text(const QRectF &mm, const QString &text, double points,
              int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false);
    // A text centred on a point.
    void label(QPointF centreMm, const QString &caption, double points, bool bold = false);
    // The width a text takes.
    double textWidthMm(const QString &text, double points, bool bold = false) const;
    void line(QPointF fromMm, QPointF toMm, double widthMm, Qt::PenStyle style = Qt::SolidLine);
    void polyline(const QPolygonF &mm, double widthMm);
    void polygon(const QPolygonF &mm, double widthMm, const QColor &colour = Qt::black);
    void frame(const QRectF &mm, double widthMm, const QColor &colour);

    void firstHeader(const WorksheetRequest &request);
    void nameLine(double topMm);
    void keyTitle();
    // The answers at a glance, for quick marking; returns its height.
    double answerTable(double topMm, const QList<quiz::WorkedSolution> &solutions,
                       const format::DisplayLocale &locale);
    void footer(const WorksheetRequest &request, bool key, int page, int pageCount);

    // A two-step problem gets a taller part of the page, its working box
    // reaching under the drawing.
    void problem(QPointF topLeftMm, int number, const quiz::WorkedSolution &solution,
                 const format::DisplayLocale &locale);
    void solution(QPointF topLeftMm, int number, const quiz::WorkedSolution &solution);

private:
    QPointF point(QPointF mm) const { return mm * m_dotsPerMm; }
    QRectF rect(const QRectF &mm) const;
    void setPen(double widthMm, Qt::PenStyle style, const QColor &colour = Qt::black);

    QPainter &m_painter;
    double m_dotsPerMm;
};

} // namespace print
