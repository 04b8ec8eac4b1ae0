// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/worksheet.h"

#include "files/safewrite.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>
#include <memory>

namespace print {
namespace {

using Painting = std::function<bool(QPagedPaintDevice &, const WorksheetRequest &)>;

// "Scheda di esercizi (seme 7)" or "Scheda di esercizi (compito K4Q2-7XMB-3T)".
QString pdfTitle(const WorksheetRequest &request, bool key)
{
    if (request.mark == SheetMark::AssignmentCode) {
        const QString code = quiz::assignmentCode(assignmentOf(request));
        return key ? QCoreApplication::translate("Worksheet", "Soluzioni (compito %1)").arg(code)
                   : QCoreApplication::translate("Worksheet", "Scheda di esercizi (compito %1)")
                         .arg(code);
    }
    return key ? QCoreApplication::translate("Worksheet", "Soluzioni (seme %1)").arg(request.seed)
               : QCoreApplication::translate("Worksheet", "Scheda di esercizi (seme %1)")
                     .arg(request.seed);
}

// Paints into a temporary file that replaces path only when committed.
std::optional<QString> paintPdf(QSaveFile &file, const QString &title,
                                const WorksheetRequest &request, const Painting &painting)
{
    if (auto refusal = files::refusalToWrite(file.fileName()))
        return refusal;
    if (!file.open(QIODevice::WriteOnly))
        return files::cannotWrite(file.fileName(), file.errorString());
    QPdfWriter writer(&file);
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Solvetra"));
    if (!painting(writer, request)) {
        file.cancelWriting();
        return files::cannotWrite(file.fileName(), file.errorString());
    }
    return std::nullopt;
}

} // namespace

QString answerKeyPath(const QString &worksheetPath)
{
    QString stem = worksheetPath;
    if (stem.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        stem.chop(4);
    return stem + QStringLiteral("-soluzioni.pdf");
}

std::optional<QString> writeWorksheetPdf(const QString &path, const WorksheetRequest &request)
{
    QSaveFile sheet(path);
    if (auto error = paintPdf(sheet, pdfTitle(request, false), request, paintWorksheet))
        return error;
    std::unique_ptr<QSaveFile> key;
    if (request.key == KeyPlacement::Separate) {
        key = std::make_unique<QSaveFile>(answerKeyPath(path));
        if (auto error = paintPdf(*key, pdfTitle(request, true), request, paintAnswerKey)) {
            sheet.cancelWriting();
            return error;
        }
    }
    // Both complete before either replaces its target.
    if (!sheet.commit())
        return files::cannotWrite(path, sheet.errorString());
    if (key && !key->commit())
        return files::cannotWrite(key->fileName(), key->errorString());
    return std::nullopt;
}

} // namespace print
