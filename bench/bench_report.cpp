// SPDX-License-Identifier: GPL-3.0-or-later
// The class report over 10, 20 and 30 pupils of 5,000 answers each, from
// sums each file works out, against the same report from every row brought
// over (the way it was made before); and the program's own report command in a
// process of its own, with its peak memory. The ratios show how the cost grows.
#include "print/classreport.h"
#include "quiz/clock.h"
#include "record/recordreader.h"
#include "record/recordwriter.h"
#include "record/summary.h"
#include "reportchild.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int answersPerPupil = 5000;

class StepClock final : public quiz::Clock
{
public:
    QDateTime dateTime() const override { return m_start.addSecs(7 * m_step++); }

private:
    QDateTime m_start{QDate(2026, 11, 2), QTime(8, 0)};
    mutable qint64 m_step = 0;
};

void writePupil(const QString &path, int pupil)
{
    static const char *kinds[] = {"AH:BH,HC", "BH:AB,BC", "HC:AC,BC", "AB:BH,BC", "AC:HC,BC"};
    StepClock clock;
    record::RecordWriter writer(path, clock);
    writer.setPupil(QStringLiteral("Alunno %1").arg(pupil, 2, 10, QLatin1Char('0')),
                    QStringLiteral("3A"));
    writer.startSession(1);
    for (int i = 0; i < answersPerPupil; ++i) {
        record::AnswerRow row;
        row.kind = QString::fromLatin1(kinds[(i + pupil) % 5]);
        row.asked = row.kind.left(2);
        row.level = 1 + i % 3;
        row.m = 3;
        row.n = 1 + i % 15;
        row.given1 = 1.8 * row.n;
        row.given2 = 3.2 * row.n;
        row.expected = 2.4 * row.n;
        row.typed = QString::number(i);
        row.right = (i * 7 + pupil) % 10 < 7;
        row.seconds = 3 + i % 11;
        writer.addAnswer(row);
    }
    writer.endSession();
}

double reportSeconds(const QStringList &files, const QString &pdf, bool fromRows)
{
    QElapsedTimer timer;
    timer.start();
    const auto error =
        fromRows ? print::writeClassReportPdf(pdf, record::RecordReader().read(files), {})
                 : print::writeClassReportPdf(pdf, record::RecordReader().readFigures(files), {});
    if (error)
        std::fputs("the report could not be written\n", stderr);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir dir;
    QStringList files;
    QElapsedTimer making;
    making.start();
    for (int pupil = 1; pupil <= 30; ++pupil) {
        files << dir.filePath(QStringLiteral("pupil%1.sqlite").arg(pupil));
        writePupil(files.last(), pupil);
    }
    std::printf("made 30 pupils x %d answers in %.1f s\n", answersPerPupil, making.elapsed() / 1e3);
    const QString pdf = dir.filePath(QStringLiteral("class.pdf"));
    for (int run = 1; run <= 3; ++run) {
        std::printf("run %d\n", run);
        double first = 0;
        for (int pupils : {10, 20, 30}) {
            const QStringList some = files.mid(0, pupils);
            const double sums = reportSeconds(some, pdf, false);
            const double rows = reportSeconds(some, pdf, true);
            if (pupils == 10)
                first = sums;
            QStringList arguments{QStringLiteral("--report"), pdf};
            for (const QString &file : some)
                arguments << QStringLiteral("--records") << file;
            const ChildRun command = runChild(QStringLiteral(SOLVETRA_BINARY), arguments);
            std::printf("%2d pupils (%6d answers): %.3f s from sums (target < 0.5 s at 30), "
                        "%.2fx the 10-pupil time; from rows %.3f s (%.1fx the sums); "
                        "solvetra --report %.3f s, peak %ld MB%s\n",
                        pupils, pupils * answersPerPupil, sums, sums / first, rows, rows / sums,
                        command.seconds, command.peakMb, command.status == 0 ? "" : " (failed)");
            std::fflush(stdout);
        }
    }
    return 0;
}
