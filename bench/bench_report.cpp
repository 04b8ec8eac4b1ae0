// SPDX-License-Identifier: GPL-3.0-or-later
// The class report over 10, 20 and 30 pupils of 5,000 answers each: read,
// summary and PDF, timed; the ratio shows whether the cost grows linearly.
#include "print/classreport.h"
#include "quiz/clock.h"
#include "record/recordreader.h"
#include "record/recordwriter.h"
#include "record/summary.h"

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
        row.typed = QString::number(i);
        row.right = (i * 7 + pupil) % 10 < 7;
        row.seconds = 3 + i % 11;
        writer.addAnswer(row);
    }
    writer.endSession();
}

double reportSeconds(const QStringList &files, const QString &pdf)
{
    QElapsedTimer timer;
    timer.start();
    const record::RecordContents contents = record::RecordReader().read(files);
    if (print::writeClassReportPdf(pdf, contents, {}))
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
    for (int run = 1; run <= 3; ++run) {
        std::printf("run %d\n", run);
        double first = 0;
        for (int pupils : {10, 20, 30}) {
            const double seconds =
                reportSeconds(files.mid(0, pupils), dir.filePath(QStringLiteral("class.pdf")));
            if (pupils == 10)
                first = seconds;
            std::printf("%2d pupils (%6d answers): %.3f s, %.2fx the 10-pupil time\n", pupils,
                        pupils * answersPerPupil, seconds, seconds / first);
        }
    }
    return 0;
}
