// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/problemset.h"

#include <QString>

#include <optional>

class QPagedPaintDevice;

namespace print {

inline constexpr int minProblemCount = 5;
inline constexpr int maxProblemCount = 60;
inline constexpr int defaultProblemCount = 20;

// What a teacher asks for; the seed makes the sheet reproducible.
struct WorksheetRequest
{
    int count = defaultProblemCount;
    quiz::TheoremChoice theorem = quiz::TheoremChoice::Both;
    quint32 seed = 0;
};

// A seed short enough to copy from the sheet by hand.
quint32 randomSeed();

// Paints the whole worksheet, problems then "Soluzioni", on A4 portrait pages
// of any paged device (a PDF writer or a printer). False when the device
// cannot be painted on.
bool paintWorksheet(QPagedPaintDevice &device, const WorksheetRequest &request);

// Writes the worksheet as a PDF file. The pages go to a temporary file that
// replaces path only once complete, so a failure leaves no partial file.
// Returns the Italian reason on failure, nothing on success.
std::optional<QString> writeWorksheetPdf(const QString &path, const WorksheetRequest &request);

} // namespace print
