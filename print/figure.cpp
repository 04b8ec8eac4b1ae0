// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/figure.h"

#include "print/sheetpainter.h"

#include <QCoreApplication>
#include <QLineF>

#include <cmath>

namespace print {
namespace {

using quiz::Length;

// Every problem is drawn with the 3-4-5 shape, not to scale, so that even a
// short projection has room for its length.
constexpr double footShare = 9.0 / 25;    // BH / BC
constexpr double heightShare = 12.0 / 25; // AH / BC
constexpr double labelPoints = 9;
constexpr double labelHalfHeightMm = 1.6;
constexpr double gapMm = 2.5; // between a label and its segment
constexpr double dimensionDropMm = 9;

struct Corners
{
    QPointF a, b, c, h;
};

Corners corners(QPointF originMm)
{
    const double w = figureWidthMm;
    const QPointF b = originMm + QPointF(0, heightShare * w);
    const QPointF h = b + QPointF(footShare * w, 0);
    return {QPointF(h.x(), originMm.y()), b, b + QPointF(w, 0), h};
}

// The x of the segment from p to q at height y.
double xAt(QPointF p, QPointF q, double y)
{
    return p.x() + (y - p.y()) / (q.y() - p.y()) * (q.x() - p.x());
}

QPointF unit(QPointF v)
{
    return v / std::hypot(v.x(), v.y());
}

class Figure
{
public:
    Figure(SheetPainter &sheet, QPointF originMm) : m_sheet(sheet), m_at(corners(originMm)) {}

    void draw()
    {
        m_sheet.polygon(QPolygonF{m_at.a, m_at.b, m_at.c}, 0.35);
        m_sheet.line(m_at.a, m_at.h, 0.25, Qt::DashLine);
        rightAngleMark(m_at.h, QPointF(0, -1), QPointF(1, 0));
        rightAngleMark(m_at.a, unit(m_at.b - m_at.a), unit(m_at.c - m_at.a));
        m_sheet.label(m_at.a + QPointF(0, -3), QStringLiteral("A"), 10, true);
        m_sheet.label(m_at.b + QPointF(-3, 0), QStringLiteral("B"), 10, true);
        m_sheet.label(m_at.c + QPointF(3, 0), QStringLiteral("C"), 10, true);
        // Inside, left of the foot: the base's own labels take the room under it.
        m_sheet.label(m_at.h + QPointF(-2.5, -2.5), QStringLiteral("H"), 10, true);
    }

    void length(Length which, const QString &value, bool asked)
    {
        const QString caption = quiz::lengthLetters(which) + QStringLiteral(" = ") + value;
        const double width = m_sheet.textWidthMm(caption, labelPoints, asked);
        const auto &[a, b, c, h] = m_at;
        switch (which) {
        case Length::LegAB: {
            // Left of the leg, near A where the drawing leaves room.
            const double y = a.y() + 0.25 * (b.y() - a.y());
            put(caption, xAt(a, b, y + labelHalfHeightMm) - gapMm - width, y, width, asked);
            break;
        }
        case Length::LegAC: {
            const double y = a.y() + 0.45 * (c.y() - a.y());
            put(caption, xAt(a, c, y + labelHalfHeightMm) + gapMm, y, width, asked);
            break;
        }
        case Length::HeightAH:
            put(caption, a.x() + gapMm, b.y() - 5.5, width, asked);
            break;
        case Length::ProjBH:
            put(caption, (b.x() + h.x() - width) / 2, b.y() + 4.2, width, asked);
            break;
        case Length::ProjHC:
            put(caption, (h.x() + c.x() - width) / 2, b.y() + 4.2, width, asked);
            break;
        case Length::HypBC:
            dimensionLine(caption, width, asked);
            break;
        }
    }

private:
    void put(const QString &caption, double left, double centreY, double width, bool asked)
    {
        m_sheet.text(QRectF(left - 1, centreY - 3, width + 2, 6), caption, labelPoints,
                     Qt::AlignCenter, asked);
    }

    // A line under the whole base, ticked at B and C, broken by the caption.
    void dimensionLine(const QString &caption, double width, bool asked)
    {
        const double y = m_at.b.y() + dimensionDropMm;
        const double middle = (m_at.b.x() + m_at.c.x()) / 2;
        const double gap = width / 2 + 1.5;
        m_sheet.line({m_at.b.x(), y}, {middle - gap, y}, 0.2);
        m_sheet.line({middle + gap, y}, {m_at.c.x(), y}, 0.2);
        for (const double x : {m_at.b.x(), m_at.c.x()})
            m_sheet.line({x, y - 1.3}, {x, y + 1.3}, 0.2);
        put(caption, middle - width / 2, y, width, asked);
    }

    void rightAngleMark(QPointF cornerMm, QPointF along1, QPointF along2)
    {
        constexpr double side = 2.2;
        m_sheet.polyline(QPolygonF{cornerMm + along1 * side, cornerMm + (along1 + along2) * side,
                                   cornerMm + along2 * side},
                         0.25);
    }

    SheetPainter &m_sheet;
    Corners m_at;
};

} // namespace

void paintFigure(SheetPainter &sheet, QPointF originMm, const quiz::WorkedSolution &solution,
                 const format::DisplayLocale &locale)
{
    Figure figure(sheet, originMm);
    figure.draw();
    const QString unit = QCoreApplication::translate("Worksheet", "%1 cm");
    figure.length(solution.first,
                  unit.arg(quiz::exactDecimalText(solution.firstValue, 2, locale)), false);
    figure.length(solution.second,
                  unit.arg(quiz::exactDecimalText(solution.secondValue, 2, locale)), false);
    figure.length(solution.hidden, QStringLiteral("?"), true);
}

} // namespace print
