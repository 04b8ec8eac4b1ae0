// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/worksheet.h"

#include "format/displaylocale.h"
#include "print/sheetlayout.h"
#include "print/sheetpainter.h"
#include "quiz/solution.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace print {
namespace {

void setA4(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                     QPageLayout::Millimeter));
}

// Down the left column, then down the right one.
QPointF itemPlace(int indexOnPage, int itemCount, double topMm, double itemHeightMm)
{
    const int rows = (itemCount + 1) / 2;
    return {indexOnPage < rows ? 0 : columnWidthMm, topMm + (indexOnPage % rows) * itemHeightMm};
}

// Starts each page but the first of a run on a new sheet of the device.
bool nextPage(QPagedPaintDevice &device, bool &first)
{
    const bool ok = first || device.newPage();
    first = false;
    return ok;
}

bool paintProblemPages(QPagedPaintDevice &device, SheetPainter &sheet,
                       const WorksheetRequest &request, const QList<quiz::WorkedSolution> &problems,
                       const format::DisplayLocale &locale, bool &firstOnDevice)
{
    const bool twoSteps = request.level == quiz::Level::TwoSteps;
    const double height = twoSteps ? twoStepProblemHeightMm : problemHeightMm;
    const QList<PageItems> pages =
        paginate(int(problems.size()), 2 * (twoSteps ? twoStepProblemRows : problemRows));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (!nextPage(device, firstOnDevice))
            return false;
        // Pages get separated in class: each carries the pupil's name.
        if (p == 0)
            sheet.firstHeader(request);
        else
            sheet.nameLine(0);
        const double top = p == 0 ? firstHeaderMm : nameHeaderMm;
        for (int i = 0; i < pages[p].count; ++i) {
            const int index = pages[p].first + i;
            sheet.problem(itemPlace(i, pages[p].count, top, height), index + 1, problems[index],
                          locale);
        }
        sheet.footer(request, false, int(p + 1), int(pages.size()));
    }
    return true;
}

bool paintKeyPages(QPagedPaintDevice &device, SheetPainter &sheet, const WorksheetRequest &request,
                   const QList<quiz::WorkedSolution> &problems, const format::DisplayLocale &locale,
                   bool &firstOnDevice)
{
    int lineCount = 0;
    for (const quiz::WorkedSolution &solution : problems)
        lineCount = std::max(lineCount, int(solution.lines.size()));
    const double height = solutionHeightMm(lineCount);
    // The first page opens with the table of answers, then the worked steps.
    const double firstTop = keyTitleMm + answerTableHeightMm(int(problems.size()));
    const int firstRoom = 2 * int((pageHeightMm - footerMm - firstTop) / height);
    const QList<PageItems> pages =
        paginate(int(problems.size()), solutionsPerPage(lineCount), firstRoom);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (!nextPage(device, firstOnDevice))
            return false;
        if (p == 0) {
            sheet.keyTitle();
            sheet.answerTable(keyTitleMm, problems, locale);
        }
        const double top = p == 0 ? firstTop : keyTitleMm;
        for (int i = 0; i < pages[p].count; ++i) {
            const int index = pages[p].first + i;
            sheet.solution(itemPlace(i, pages[p].count, top, height), index + 1, problems[index]);
        }
        sheet.footer(request, true, int(p + 1), int(pages.size()));
    }
    return true;
}

enum class Pages { Problems, ProblemsAndKey, Key };

bool paint(QPagedPaintDevice &device, const WorksheetRequest &request, Pages which)
{
    setA4(device);
    const format::DisplayLocale locale = format::DisplayLocale::current();
    const QList<quiz::WorkedSolution> problems = solvedProblems(request, locale);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    SheetPainter sheet(painter, device);
    bool first = true;
    if (which != Pages::Key && !paintProblemPages(device, sheet, request, problems, locale, first))
        return false;
    if (which != Pages::Problems && !paintKeyPages(device, sheet, request, problems, locale, first))
        return false;
    return painter.end();
}

} // namespace

QList<quiz::WorkedSolution> solvedProblems(const WorksheetRequest &request,
                                           const format::DisplayLocale &locale)
{
    QList<quiz::WorkedSolution> problems;
    for (const quiz::ProblemDraw &draw : quiz::assignmentProblems(assignmentOf(request)))
        problems.append(quiz::solveProblem(draw, locale));
    return problems;
}

quiz::Assignment assignmentOf(const WorksheetRequest &request)
{
    return {request.level, request.theorem, request.count, request.seed};
}

WorksheetRequest sheetOf(const quiz::Assignment &assignment)
{
    WorksheetRequest request;
    request.level = assignment.level;
    request.theorem = assignment.theorem;
    request.count = assignment.count;
    request.seed = assignment.seed;
    request.mark = SheetMark::AssignmentCode;
    return request;
}

quint32 randomSeed()
{
    return QRandomGenerator::system()->bounded(1u, 1000000u);
}

bool paintWorksheet(QPagedPaintDevice &device, const WorksheetRequest &request)
{
    return paint(device, request,
                 request.key == KeyPlacement::End ? Pages::ProblemsAndKey : Pages::Problems);
}

bool paintAnswerKey(QPagedPaintDevice &device, const WorksheetRequest &request)
{
    return paint(device, request, Pages::Key);
}

} // namespace print
