// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/assignmentstanding.h"
#include "record/recordreader.h"
#include "record/summary.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>

#include <memory>

namespace record {

// What a report shows of one pupil: the counted answers' figures, and the
// assignments every answer names.
struct PupilFigures
{
    PupilSummary summary;
    QMap<QString, Tally> kinds;
    QDate firstDay; // of the counted answers
    QDate lastDay;
    QHash<QString, QMap<ProblemOfSheet, ProblemAnswers>> attempts; // counted, by code
    QSet<QString> codes;                                           // of every answer
    QSet<QString> storedNames; // the names as stored, before a cut or a sender's mark
};
using PupilFigureSet = QMap<PupilKey, PupilFigures>;

// Every figure the class report and the teacher's window show, and what was
// read to get them.
struct ReportFigures
{
    Tally total;
    QDate firstDay; // of the counted answers
    QDate lastDay;
    QList<PupilSummary> pupils;   // with counted answers, by class then name
    QList<PupilSummary> everyone; // every pupil of the records, by class then name
    QList<KindSummary> kinds;     // by id
    QHash<PupilKey, QList<KindSummary>> pupilKinds;
    QStringList codes;    // the assignments of the counted answers, in order
    QStringList allCodes; // of every answer
    QMap<QString, AssignmentStandings> standings; // for codes and the filter's own
    QHash<PupilKey, QSet<QString>> storedNames;

    QStringList files;
    QStringList sources; // the files and servers read, to read a pupil's rows again
    QList<SkippedFile> skipped;
    int discarded = 0;
    QStringList clashes;

    bool hasCounted() const { return total.answers > 0; }
};

// One pupil's figures from their answers; rows in the order they were read.
PupilFigures pupilFiguresOf(const QList<AnswerRow> &all, const RecordFilter &filter);

// The whole from each pupil's figures.
ReportFigures reportFiguresOf(const PupilFigureSet &pupils, const RecordFilter &filter);

// The figures worked out from the rows themselves: small records, and the
// yardstick the sums are held to.
ReportFigures reportFiguresOfRows(const RecordContents &contents, const RecordFilter &filter);

// The sums one record file or the school's server works out: per pupil,
// keyed as the rows would be read. Pupils whose stored names come out
// alike, whose figures cannot be summed apart, are named in mixed.
struct SourceFigures
{
    PupilFigureSet pupils;
    QSet<PupilKey> mixed;
    int good = 0; // rows that can be answers
    bool read = false;
};

// One answer that can be an answer, as a record file hands it over; the texts
// as stored, up to a character more than a name may have.
struct FoldedAnswer
{
    QString className;
    QString pupil;
    QString kind;
    QString assignment;
    int level = 0;
    int m = 0;
    int n = 0;
    bool right = false;
    double seconds = 0;
    QLatin1StringView when; // ISO text to the millisecond
};

// The report's sums of one record file, taken in one pass over its answers in
// the order they were given: SQLite sorts and groups a file's few thousand
// rows far slower than it hands them over in the order of its index on time.
class FigureFold
{
public:
    explicit FigureFold(RecordFilter filter);
    ~FigureFold();
    FigureFold(const FigureFold &) = delete;
    FigureFold &operator=(const FigureFold &) = delete;

    // The pupil the answer is counted for.
    PupilKey add(const FoldedAnswer &answer);
    // Once, after the last answer.
    SourceFigures finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// How one database spells what the queries need.
struct FigureDialect
{
    QString from; // the answers, filtered, as columns c, p, s, kind, level, m, n,
                  // r, secs, t, o1, o2, asg
    QString (*stamp)(const QString &column); // a time as ISO text to the millisecond
};

// The report's sums, as statements over dialect.from; runs and attempts
// take the filter's assignment after dialect.from's values.
struct FigureStatements
{
    QString groups;   // by pupil, assignment, kind and level: pupils, codes and sums
    QString runs;     // each pupil's longest run of right answers
    QString attempts; // each pupil's answers to each problem of an assignment
};
FigureStatements figureStatements(const FigureDialect &dialect, const RecordFilter &filter);

// Runs the report's sums on db over dialect.from, whose statement takes values.
SourceFigures sourceFiguresOf(const QSqlDatabase &db, const FigureDialect &dialect,
                              const QVariantList &values, const RecordFilter &filter,
                              const std::atomic_bool *stop);

} // namespace record
