// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/questionset.h"

#include "files/safewrite.h"
#include "print/figure.h"
#include "print/sheetpainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <memory>
#include <vector>

namespace print {
namespace {

constexpr int sharpness = 2; // picture pixels to a screen's pixel
constexpr double imageDotsPerInch = 96 * sharpness;
constexpr double dotsPerMm = imageDotsPerInch / 25.4;
// Room enough for any drawing of the figure and its labels; the picture is
// then cut to what was drawn.
constexpr double canvasWidthMm = 130;
constexpr double canvasHeightMm = 90;
const QPointF figureOriginMm(30, 15);
constexpr int marginDots = 16;

QRect drawnArea(const QImage &image)
{
    const QRgb white = qRgb(255, 255, 255);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == white)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return image.rect();
    return QRect(QPoint(left, top), QPoint(right, bottom))
        .adjusted(-marginDots, -marginDots, marginDots, marginDots)
        .intersected(image.rect());
}

QString value(qint64 hundredths, const format::DisplayLocale &locale)
{
    return quiz::exactDecimalText(hundredths, 2, locale);
}

QString namedLength(quiz::Length which, qint64 hundredths, const format::DisplayLocale &locale)
{
    return QStringLiteral("%1 = %2 cm").arg(quiz::lengthName(which), value(hundredths, locale));
}

QString figureAlt(const quiz::WorkedSolution &solution, const format::DisplayLocale &locale)
{
    const auto letters = [&](quiz::Length which, qint64 hundredths) {
        return QStringLiteral("%1 = %2 cm")
            .arg(quiz::lengthLetters(which), value(hundredths, locale));
    };
    return QCoreApplication::translate(
               "questionset",
               "Figura: il triangolo ABC, rettangolo in A, con l'altezza AH sull'ipotenusa BC; "
               "accanto ai segmenti %1 e %2, e %3 = ?.")
        .arg(letters(solution.first, solution.firstValue),
             letters(solution.second, solution.secondValue), quiz::lengthLetters(solution.hidden));
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

format::Question question(int number, const quiz::WorkedSolution &solution,
                          const QString &instructions, const format::DisplayLocale &locale)
{
    // Moodle reads values with a decimal point, whatever the language.
    format::DisplayLocale point = locale;
    point.decimalSeparator = u'.';

    format::Question q;
    const QString numberText = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    q.name = QCoreApplication::translate("questionset", "Problema %1").arg(numberText);
    q.paragraphs = {instructions,
                    QCoreApplication::translate("questionset", "Dati: %1.")
                        .arg(QStringList{namedLength(solution.first, solution.firstValue, locale),
                                         namedLength(solution.second, solution.secondValue, locale)}
                                 .join(QStringLiteral(", "))),
                    QCoreApplication::translate("questionset", "Calcola %1 (in cm).")
                        .arg(quiz::lengthName(solution.hidden))};
    q.answer = value(solution.result, point);
    q.unit = QStringLiteral("cm");
    q.wrongFeedback = QCoreApplication::translate("questionset", "La risposta esatta è %1.")
                          .arg(namedLength(solution.hidden, solution.result, locale));
    q.solution = solution.lines;
    const QImage figure = figureImage(solution, locale);
    q.figureFile = QStringLiteral("problema-%1.png").arg(numberText);
    q.figurePng = png(figure);
    q.figureSize = figure.size() / sharpness;
    q.figureAlt = figureAlt(solution, locale);
    return q;
}

} // namespace

QString defaultCategory(const WorksheetRequest &request)
{
    if (request.mark == SheetMark::AssignmentCode)
        return QCoreApplication::translate("questionset",
                                           "Compito %1: teoremi di Euclide, livello %2")
            .arg(quiz::assignmentCode(assignmentOf(request)))
            .arg(int(request.level));
    if (request.level == quiz::Level::OneStep)
        return QCoreApplication::translate("questionset", "Teoremi di Euclide, seme %1")
            .arg(request.seed);
    return QCoreApplication::translate("questionset", "Teoremi di Euclide, livello %1, seme %2")
        .arg(int(request.level))
        .arg(request.seed);
}

QImage figureImage(const quiz::WorkedSolution &solution, const format::DisplayLocale &locale)
{
    QImage image(int(canvasWidthMm * dotsPerMm), int(canvasHeightMm * dotsPerMm),
                 QImage::Format_RGB32);
    const int dotsPerMetre = int(imageDotsPerInch / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        SheetPainter sheet(painter, image);
        paintFigure(sheet, figureOriginMm, solution, locale);
    }
    return image.copy(drawnArea(image));
}

format::QuestionSet questionSet(const WorksheetRequest &request, const QString &category)
{
    const format::DisplayLocale locale = format::DisplayLocale::current();
    const QString instructions = worksheetInstructions(request);
    format::QuestionSet set;
    set.category = category;
    const QList<quiz::WorkedSolution> problems = solvedProblems(request, locale);
    for (qsizetype i = 0; i < problems.size(); ++i)
        set.questions.append(question(int(i + 1), problems[i], instructions, locale));
    return set;
}

std::optional<QString> writeQuestionFiles(const QuestionFiles &files,
                                          const WorksheetRequest &request, const QString &category)
{
    const format::QuestionSet set = questionSet(request, category);
    std::vector<std::unique_ptr<QSaveFile>> written;
    const auto write = [&written](const QString &path,
                                  const QByteArray &bytes) -> std::optional<QString> {
        if (path.isEmpty())
            return std::nullopt;
        if (auto refusal = files::refusalToWrite(path))
            return refusal;
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size())
            return files::cannotWrite(path, file->errorString());
        written.push_back(std::move(file));
        return std::nullopt;
    };
    std::optional<QString> error = write(files.moodlePath, format::moodleXml(set));
    if (!error)
        error = write(files.giftPath, format::giftText(set));
    if (error) {
        for (const auto &file : written)
            file->cancelWriting();
        return error;
    }
    for (const auto &file : written) {
        if (!file->commit())
            return files::cannotWrite(file->fileName(), file->errorString());
    }
    return std::nullopt;
}

} // namespace print
