// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/worksheet.h"

#include "files/safewrite.h"
#include "format/displaylocale.h"
#include "quiz/problem.h"
#include "quiz/solution.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cmath>

namespace print {
namespace {

using quiz::Length;

// Layout in millimetres on the area inside the margins of an A4 page.
constexpr double marginMm = 15;
constexpr double headerMm = 30;
constexpr double footerMm = 8;
constexpr double problemWidthMm = 90;
constexpr double problemHeightMm = 54;
constexpr double solutionHeightMm = 23;
constexpr double figureWidthMm = 58;
// The figure is drawn with the 3-4-5 shape for every problem, not to scale,
// so that even a short projection has room for its length.
constexpr double footShare = 9.0 / 25;    // BH / BC
constexpr double heightShare = 12.0 / 25; // AH / BC

const QString fontFamily = QStringLiteral("Liberation Sans");

struct Page
{
    int firstItem = 0;
    int itemCount = 0;
    bool solutions = false;
};

// How many items fit on the pages, in two columns.
QList<Page> paginate(int itemCount, double itemHeightMm, bool solutions, double pageHeightMm,
                     bool firstHasHeader)
{
    QList<Page> pages;
    int next = 0;
    bool withHeader = firstHasHeader;
    while (next < itemCount) {
        const double free = pageHeightMm - footerMm - (withHeader ? headerMm : 10);
        const int perPage = 2 * std::max(1, int(free / itemHeightMm));
        const int taken = std::min(perPage, itemCount - next);
        pages.append({next, taken, solutions});
        next += taken;
        withHeader = false;
    }
    return pages;
}

class SheetPainter
{
public:
    SheetPainter(QPainter &painter, QPagedPaintDevice &device)
        : m_painter(painter), m_dotsPerMm(device.logicalDpiY() / 25.4),
          m_widthMm(device.width() / m_dotsPerMm), m_heightMm(device.height() / m_dotsPerMm)
    {
    }

    double heightMm() const { return m_heightMm; }

    void text(double xMm, double yMm, double widthMm, double heightMm, const QString &text,
              double points, int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false)
    {
        QFont font(fontFamily);
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.drawText(rect(xMm, yMm, widthMm, heightMm), flags, text);
    }

    // A text centred on a point.
    void label(QPointF centreMm, const QString &caption, double points, bool bold = false)
    {
        text(centreMm.x() - 15, centreMm.y() - 3, 30, 6, caption, points, Qt::AlignCenter, bold);
    }

    void header(const WorksheetRequest &request)
    {
        text(0, 0, m_widthMm, 10, QStringLiteral("Scheda di esercizi: i teoremi di Euclide"), 16,
             Qt::AlignLeft | Qt::AlignVCenter, true);
        text(0, 12, m_widthMm, 8,
             QStringLiteral("Nome ______________________   Classe ________   Data ____________"),
             11);
        text(0, 20, m_widthMm, 8, instructions(request.theorem), 10);
        m_painter.drawLine(point({0, headerMm - 2}), point({m_widthMm, headerMm - 2}));
    }

    void footer(quint32 seed, int page, int pageCount)
    {
        text(0, m_heightMm - footerMm + 2, m_widthMm, footerMm - 2,
             QStringLiteral("Seme %1 · pagina %2 di %3").arg(seed).arg(page).arg(pageCount), 8,
             Qt::AlignRight | Qt::AlignVCenter);
    }

    void solutionsTitle()
    {
        text(0, 0, m_widthMm, 8, QStringLiteral("Soluzioni"), 14, Qt::AlignLeft | Qt::AlignVCenter,
             true);
    }

    void problem(QPointF topLeftMm, int number, const quiz::WorkedSolution &solution,
                 const format::DisplayLocale &locale)
    {
        text(topLeftMm.x(), topLeftMm.y(), 10, 6, QStringLiteral("%1.").arg(number), 11,
             Qt::AlignLeft | Qt::AlignVCenter, true);
        figure(topLeftMm + QPointF(14, 8), solution, locale);
        text(topLeftMm.x() + 8, topLeftMm.y() + 45, problemWidthMm - 10, 7,
             quiz::lengthLetters(solution.hidden) + QStringLiteral(" = ________ cm"), 11);
    }

    void solution(QPointF topLeftMm, int number, const quiz::WorkedSolution &solution)
    {
        text(topLeftMm.x(), topLeftMm.y(), 8, 5, QStringLiteral("%1.").arg(number), 10,
             Qt::AlignLeft | Qt::AlignVCenter, true);
        for (qsizetype i = 0; i < solution.lines.size(); ++i)
            text(topLeftMm.x() + 8, topLeftMm.y() + 5.5 * double(i), problemWidthMm - 10, 5,
                 solution.lines[i], 9.5);
    }

private:
    static QString instructions(quiz::TheoremChoice choice)
    {
        switch (choice) {
        case quiz::TheoremChoice::Leg:
            return QStringLiteral("Trova la lunghezza richiesta con il primo teorema di Euclide.");
        case quiz::TheoremChoice::Altitude:
            return QStringLiteral(
                "Trova la lunghezza richiesta con il secondo teorema di Euclide.");
        case quiz::TheoremChoice::Both:
            break;
        }
        return QStringLiteral("Trova la lunghezza richiesta con il primo o il secondo teorema "
                              "di Euclide.");
    }

    // Triangle ABC with the right angle at A and the altitude AH; the two given
    // lengths beside their segments, a question mark beside the one to find.
    void figure(QPointF originMm, const quiz::WorkedSolution &solution,
                const format::DisplayLocale &locale)
    {
        const double w = figureWidthMm;
        const QPointF b = originMm + QPointF(0, heightShare * w);
        const QPointF c = b + QPointF(w, 0);
        const QPointF h = b + QPointF(footShare * w, 0);
        const QPointF a(h.x(), originMm.y());

        QPen pen(Qt::black, 0.35 * m_dotsPerMm);
        pen.setJoinStyle(Qt::RoundJoin);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolygon(QPolygonF{point(a), point(b), point(c)});
        pen.setWidthF(0.25 * m_dotsPerMm);
        pen.setStyle(Qt::DashLine);
        m_painter.setPen(pen);
        m_painter.drawLine(point(a), point(h));
        pen.setStyle(Qt::SolidLine);
        m_painter.setPen(pen);
        rightAngleMark(h, QPointF(0, -1), QPointF(1, 0));
        rightAngleMark(a, unit(b - a), unit(c - a));

        label(a + QPointF(0, -3), QStringLiteral("A"), 10, true);
        label(b + QPointF(-3, 0), QStringLiteral("B"), 10, true);
        label(c + QPointF(3, 0), QStringLiteral("C"), 10, true);
        label(h + QPointF(0, 3), QStringLiteral("H"), 10, true);

        const auto place = [&](Length which) -> QPointF {
            switch (which) {
            case Length::LegAB:
                return (a + b) / 2 + QPointF(-7, -2);
            case Length::LegAC:
                return (a + c) / 2 + QPointF(6, -3);
            case Length::HypBC:
                return (b + c) / 2 + QPointF(0, 7.5);
            case Length::ProjBH:
                return (b + h) / 2 + QPointF(0, 7.5);
            case Length::ProjHC:
                return (h + c) / 2 + QPointF(0, 7.5);
            case Length::HeightAH:
                return (a + h) / 2 + QPointF(7, 0);
            }
            return a;
        };
        label(place(solution.first), quiz::exactDecimalText(solution.firstValue, 2, locale), 9.5);
        label(place(solution.second), quiz::exactDecimalText(solution.secondValue, 2, locale), 9.5);
        label(place(solution.hidden), QStringLiteral("?"), 11, true);
    }

    void rightAngleMark(QPointF cornerMm, QPointF along1, QPointF along2)
    {
        constexpr double side = 2.2;
        m_painter.drawPolyline(QPolygonF{point(cornerMm + along1 * side),
                                         point(cornerMm + (along1 + along2) * side),
                                         point(cornerMm + along2 * side)});
    }

    static QPointF unit(QPointF v) { return v / std::hypot(v.x(), v.y()); }
    QPointF point(QPointF mm) const { return mm * m_dotsPerMm; }
    QRectF rect(double x, double y, double w, double h) const
    {
        return {x * m_dotsPerMm, y * m_dotsPerMm, w * m_dotsPerMm, h * m_dotsPerMm};
    }

    QPainter &m_painter;
    double m_dotsPerMm;
    double m_widthMm;
    double m_heightMm;
};

} // namespace

quint32 randomSeed()
{
    return QRandomGenerator::system()->bounded(1u, 1000000u);
}

bool paintWorksheet(QPagedPaintDevice &device, const WorksheetRequest &request)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                     QPageLayout::Millimeter));
    const format::DisplayLocale locale = format::DisplayLocale::italian();
    // Each problem is solved once: its sheet entry and its key show the same numbers.
    QList<quiz::WorkedSolution> problems;
    for (const quiz::ProblemDraw &draw :
         quiz::drawProblemSet(request.seed, request.count, request.theorem))
        problems.append(quiz::solveProblem(draw, locale));

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    SheetPainter sheet(painter, device);

    QList<Page> pages =
        paginate(int(problems.size()), problemHeightMm, false, sheet.heightMm(), true);
    pages += paginate(int(problems.size()), solutionHeightMm, true, sheet.heightMm(), false);

    for (qsizetype p = 0; p < pages.size(); ++p) {
        const Page &page = pages[p];
        if (p > 0 && !device.newPage())
            return false;
        double top = 0;
        if (p == 0) {
            sheet.header(request);
            top = headerMm;
        } else if (page.solutions && page.firstItem == 0) {
            sheet.solutionsTitle();
            top = 10;
        }
        const double itemHeight = page.solutions ? solutionHeightMm : problemHeightMm;
        const int rows = (page.itemCount + 1) / 2;
        for (int i = 0; i < page.itemCount; ++i) {
            const int index = page.firstItem + i;
            // Down the left column, then down the right one.
            const QPointF at(i < rows ? 0 : problemWidthMm, top + (i % rows) * itemHeight);
            if (page.solutions)
                sheet.solution(at, index + 1, problems[index]);
            else
                sheet.problem(at, index + 1, problems[index], locale);
        }
        sheet.footer(request.seed, int(p + 1), int(pages.size()));
    }
    return painter.end();
}

std::optional<QString> writeWorksheetPdf(const QString &path, const WorksheetRequest &request)
{
    if (auto refusal = files::refusalToWrite(path))
        return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return files::cannotWrite(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Scheda di esercizi (seme %1)").arg(request.seed));
        writer.setCreator(QStringLiteral("Solvetra"));
        if (!paintWorksheet(writer, request)) {
            file.cancelWriting();
            return files::cannotWrite(path, file.errorString());
        }
    }
    if (!file.commit())
        return files::cannotWrite(path, file.errorString());
    return std::nullopt;
}

} // namespace print
