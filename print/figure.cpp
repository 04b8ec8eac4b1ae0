// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/figure.h"

#include "print/sheetpainter.h"

#include <QCoreApplication>
#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace print {
namespace {

using quiz::Length;

constexpr double labelPoints = 9;
constexpr double leastLabelPoints = 6.5;
constexpr double labelHalfHeightMm = 1.6;
constexpr double gapMm = 2.5; // between a label and its segment
constexpr double dimensionDropMm = 9;
// Below this share of BC a projection has no room for its H, nor A for
// AB's length: such a triangle is drawn with this foot, as the right
// triangle that has it, and marked as not to scale.
constexpr double leastFootShare = 0.15;
// Drawn within this much of the true shape, a triangle is to scale.
constexpr double shapeTolerance = 0.05;

QString captionOf(Length which, const QString &value)
{
    return quiz::lengthLetters(which) + QStringLiteral(" = ") + value;
}

struct Corners
{
    QPointF a, b, c, h;
};

// The triangle's shape: H where BH : HC puts it, AH its height over BC,
// scaled into the box with the base at its bottom.
struct Shape
{
    double foot = 0;   // BH / BC as drawn
    double height = 0; // AH / BC as drawn
    bool toScale = true;
};

// The foot's share f of BC sets the shape: AH² = BH × HC gives the
// height's share √(f (1 − f)).
Shape shapeOf(const quiz::WorkedSolution &solution)
{
    const double base = double(solution.lengths[size_t(Length::HypBC)]);
    const double foot = base > 0 ? double(solution.lengths[size_t(Length::ProjBH)]) / base : 0;
    const double drawn = std::clamp(foot, leastFootShare, 0.5);
    return {drawn, std::sqrt(drawn * (1 - drawn)), drawn - foot <= shapeTolerance * drawn};
}

// The share of the way from A down to B at which AB's label sits.
constexpr double legLabelShare = 0.25;

// leftRoom: the width that AB's label takes left of AB, 0 without one. A
// triangle whose A stands near B leaves it no room inside the problem's
// part of the page: B moves right and the drawing shrinks, keeping its shape.
Corners corners(QPointF originMm, const Shape &shape, double leftRoom)
{
    // A right triangle is at most half as high as long: the box's height
    // takes the tallest at a base a little under the full width.
    const double right = std::min(figureWidthMm, figureHeightMm / shape.height);
    double left = 0;
    for (int pass = 0; pass < 3 && leftRoom > 0; ++pass) {
        const double w = right - left;
        const double share = legLabelShare + labelHalfHeightMm / (shape.height * w);
        const double labelLeft = left + shape.foot * w * (1 - share) - leftRoom;
        left = std::max(left, left - labelLeft - figureLeftMm + 0.5);
    }
    const double w = right - left;
    const QPointF b = originMm + QPointF(left, figureHeightMm);
    const QPointF h = b + QPointF(shape.foot * w, 0);
    return {h - QPointF(0, shape.height * w), b, b + QPointF(w, 0), h};
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
    Figure(SheetPainter &sheet, QPointF originMm, const Shape &shape, double leftRoom)
        : m_sheet(sheet), m_origin(originMm), m_shape(shape),
          m_at(corners(originMm, shape, leftRoom))
    {
    }

    void draw()
    {
        if (!m_shape.toScale)
            m_sheet.text(QRectF(m_origin + QPointF(figureWidthMm - 30, -1), QSizeF(30, 4)),
                         QCoreApplication::translate("Worksheet", "non in scala"), 7.5,
                         Qt::AlignRight | Qt::AlignVCenter);
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
        const QString caption = captionOf(which, value);
        const double width = m_sheet.textWidthMm(caption, labelPoints, asked);
        const auto &[a, b, c, h] = m_at;
        switch (which) {
        case Length::LegAB: {
            // Left of the leg, near A where the drawing leaves room.
            const double y = a.y() + legLabelShare * (b.y() - a.y());
            put(caption, xAt(a, b, y + labelHalfHeightMm) - gapMm - width, y, width, asked);
            break;
        }
        case Length::LegAC: {
            const double y = a.y() + 0.45 * (c.y() - a.y());
            put(caption, xAt(a, c, y + labelHalfHeightMm) + gapMm, y, width, asked);
            break;
        }
        case Length::HeightAH: {
            // Low, where the triangle is widest, yet nearer AH than the base;
            // in a small drawing it shrinks to stay clear of AC.
            const double y = b.y() - gapMm - 2 * labelHalfHeightMm;
            const double room = xAt(a, c, y - labelHalfHeightMm) - a.x() - 2 * gapMm;
            const double points =
                std::clamp(labelPoints * room / width, leastLabelPoints, labelPoints);
            m_sheet.text(QRectF(a.x() + gapMm - 1, y - 3, room + 2, 6), caption, points,
                         Qt::AlignLeft | Qt::AlignVCenter, asked);
            break;
        }
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
    QPointF m_origin;
    Shape m_shape;
    Corners m_at;
};

} // namespace

void paintFigure(SheetPainter &sheet, QPointF originMm, const quiz::WorkedSolution &solution,
                 const format::DisplayLocale &locale)
{
    const QString unit = QCoreApplication::translate("Worksheet", "%1 cm");
    const std::array<std::tuple<Length, QString, bool>, 3> shown{{
        {solution.first, unit.arg(quiz::exactDecimalText(solution.firstValue, 2, locale)), false},
        {solution.second, unit.arg(quiz::exactDecimalText(solution.secondValue, 2, locale)), false},
        {solution.hidden, QStringLiteral("?"), true},
    }};
    double leftRoom = 0;
    for (const auto &[which, value, asked] : shown)
        if (which == Length::LegAB)
            leftRoom = sheet.textWidthMm(captionOf(which, value), labelPoints, asked) + gapMm + 1;
    Figure figure(sheet, originMm, shapeOf(solution), leftRoom);
    figure.draw();
    for (const auto &[which, value, asked] : shown)
        figure.length(which, value, asked);
}

} // namespace print
