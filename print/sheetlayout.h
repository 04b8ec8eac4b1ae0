// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <algorithm>

namespace print {

// Millimetres on the area inside the margins of an A4 page (190 x 277).
inline constexpr double marginMm = 10;
inline constexpr double pageWidthMm = 190;
inline constexpr double pageHeightMm = 277;
inline constexpr double footerMm = 7;
inline constexpr double firstHeaderMm = 26; // title, name line, instructions, score
inline constexpr double nameHeaderMm = 10;  // the name line alone
inline constexpr double keyTitleMm = 10;
inline constexpr double columnWidthMm = pageWidthMm / 2;
inline constexpr double problemHeightMm = 48.5;
inline constexpr double solutionLineMm = 5.5;
// Five rows of problems fit under either header, so every full page of
// problems holds ten and only the last page may hold fewer.
inline constexpr int problemRows = 5;
inline constexpr int problemsPerPage = 2 * problemRows;
static_assert(firstHeaderMm + problemRows * problemHeightMm + footerMm <= pageHeightMm);
// A two-step problem's working box reaches under the drawing too: four rows.
inline constexpr double twoStepProblemHeightMm = 60;
inline constexpr int twoStepProblemRows = 4;
static_assert(firstHeaderMm + twoStepProblemRows * twoStepProblemHeightMm + footerMm <=
              pageHeightMm);
// The key's table of answers: a heading, rows of answerColumns, then the
// heading of the worked solutions.
inline constexpr int answerColumns = 4; // the page's middle stays a column edge
inline constexpr double answerRowMm = 5;
inline constexpr double answerHeadingMm = 7;
inline constexpr double answerTableHeightMm(int count)
{
    return 2 * answerHeadingMm + (count + answerColumns - 1) / answerColumns * answerRowMm;
}
// A worked solution's part of a key page: its lines and a gap. Every key of
// a sheet gets the room of the longest, so the columns stay aligned; three
// lines (one step) give 23 mm.
inline constexpr double solutionHeightMm(int lineCount)
{
    return lineCount * solutionLineMm + 6.5;
}
inline constexpr int solutionsPerPage(int lineCount)
{
    return 2 * int((pageHeightMm - footerMm - keyTitleMm) / solutionHeightMm(lineCount));
}

// The items (problems or solutions) of one page.
struct PageItems
{
    int first = 0;
    int count = 0;
};

// firstPage: how many the first page holds, when it holds fewer.
inline QList<PageItems> paginate(int itemCount, int perPage, int firstPage = -1)
{
    QList<PageItems> pages;
    for (int first = 0; first < itemCount;) {
        const int room = std::max(1, pages.isEmpty() && firstPage >= 0 ? firstPage : perPage);
        pages.append({first, std::min(room, itemCount - first)});
        first += room;
    }
    return pages;
}

} // namespace print
