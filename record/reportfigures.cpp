// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/reportfigures.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <map>
#include <string>

namespace record {
namespace {

void addTo(Tally &tally, const Tally &more)
{
    tally.answers += more.answers;
    tally.right += more.right;
}

void widen(QDate &first, QDate &last, QDate day)
{
    if (!first.isValid() || day < first)
        first = day;
    if (!last.isValid() || day > last)
        last = day;
}

QDate dayOf(const QString &stamp)
{
    return QDate::fromString(stamp.left(10), Qt::ISODate);
}

bool isCounted(const AnswerRow &row, const RecordFilter &filter)
{
    return filter.assignment.isEmpty() || row.assignment == filter.assignment;
}

// The queries, written once for SQLite and PostgreSQL: good holds the rows
// that can be answers, counted those the report counts.
QString withCounted(const FigureDialect &dialect, const RecordFilter &filter)
{
    return QStringLiteral("WITH good AS (") + dialect.from +
           (filter.assignment.isEmpty() ? QStringLiteral("), counted AS (SELECT * FROM good) ")
                                        : QStringLiteral("), counted AS (SELECT * FROM good WHERE "
                                                         "asg = ?) "));
}

bool run(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

// Keys as the row reader makes them: cut, and marked with the sender.
class Keys
{
public:
    PupilKey of(const QSqlQuery &query, SourceFigures &source)
    {
        return of(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                  source);
    }

    PupilKey of(const QString &className, const QString &pupil, const QString &sender,
                SourceFigures &source)
    {
        const PupilKey key{cutName(className), shownPupil(cutName(pupil), sender)};
        const Stored stored{className, pupil, sender};
        const auto known = m_stored.constFind(key);
        if (known == m_stored.cend())
            m_stored.insert(key, stored);
        else if (*known != stored)
            source.mixed.insert(key);
        PupilFigures &figures = source.pupils[key];
        figures.summary.className = key.first;
        figures.summary.pupil = key.second;
        figures.storedNames.insert(pupil);
        return key;
    }

private:
    using Stored = std::tuple<QString, QString, QString>;
    QHash<PupilKey, Stored> m_stored;
};

} // namespace

PupilFigures pupilFiguresOf(const QList<AnswerRow> &all, const RecordFilter &filter)
{
    PupilFigures figures;
    QList<AnswerRow> counted;
    for (const AnswerRow &row : all) {
        if (!row.assignment.isEmpty())
            figures.codes.insert(row.assignment);
        if (isCounted(row, filter))
            counted.append(row);
    }
    for (const AnswerRow &row : counted) {
        if (row.assignment.isEmpty())
            continue;
        ProblemAnswers &answers = figures.attempts[row.assignment][{row.kind, row.m, row.n}];
        answers.all.add(row.right);
        answers.lastRight = row.right;
        answers.lastSeconds = row.seconds;
        answers.lastWhen = row.when;
    }
    const RecordSummary summary(counted);
    const QList<PupilSummary> pupils = summary.pupils();
    if (!all.isEmpty()) {
        figures.summary.className = all.first().className;
        figures.summary.pupil = all.first().pupil;
    }
    if (!pupils.isEmpty())
        figures.summary = pupils.first();
    for (const KindSummary &kind : summary.kinds())
        figures.kinds.insert(kind.kind, kind.tally);
    const QList<DaySummary> days = summary.days();
    if (!days.isEmpty()) {
        figures.firstDay = days.first().day;
        figures.lastDay = days.last().day;
    }
    return figures;
}

ReportFigures reportFiguresOf(const PupilFigureSet &pupils, const RecordFilter &filter)
{
    ReportFigures report;
    QMap<QString, Tally> kinds;
    QSet<QString> codes;
    QSet<QString> allCodes;
    Attempts attempts;
    QHash<QString, Attempts> byCode;
    for (auto it = pupils.cbegin(); it != pupils.cend(); ++it) {
        const PupilFigures &pupil = *it;
        report.everyone.append(pupil.summary);
        allCodes.unite(pupil.codes);
        report.storedNames.insert(it.key(), pupil.storedNames);
        if (pupil.summary.tally.answers == 0)
            continue;
        report.pupils.append(pupil.summary);
        addTo(report.total, pupil.summary.tally);
        widen(report.firstDay, report.lastDay, pupil.firstDay);
        widen(report.firstDay, report.lastDay, pupil.lastDay);
        QList<KindSummary> own;
        for (auto kind = pupil.kinds.cbegin(); kind != pupil.kinds.cend(); ++kind) {
            addTo(kinds[kind.key()], *kind);
            own.append({kind.key(), *kind});
        }
        report.pupilKinds.insert(it.key(), own);
        for (auto code = pupil.attempts.cbegin(); code != pupil.attempts.cend(); ++code) {
            codes.insert(code.key());
            byCode[code.key()].insert(it.key(), *code);
        }
    }
    for (auto kind = kinds.cbegin(); kind != kinds.cend(); ++kind)
        report.kinds.append({kind.key(), *kind});
    report.codes = QStringList(codes.cbegin(), codes.cend());
    std::ranges::sort(report.codes);
    report.allCodes = QStringList(allCodes.cbegin(), allCodes.cend());
    std::ranges::sort(report.allCodes);
    if (filter.assignment.isEmpty())
        report.everyone = report.pupils;
    QStringList standing = report.codes;
    if (!filter.assignment.isEmpty() && !standing.contains(filter.assignment))
        standing.append(filter.assignment);
    for (const QString &code : std::as_const(standing))
        report.standings.insert(code,
                                assignmentStandings(code, report.everyone, byCode.value(code)));
    return report;
}

ReportFigures reportFiguresOfRows(const RecordContents &contents, const RecordFilter &filter)
{
    QMap<PupilKey, QList<AnswerRow>> byPupil;
    for (const AnswerRow &row : contents.answers)
        byPupil[{row.className, row.pupil}].append(row);
    PupilFigureSet pupils;
    for (auto it = byPupil.cbegin(); it != byPupil.cend(); ++it) {
        PupilFigures figures = pupilFiguresOf(*it, filter);
        figures.storedNames.insert(it.key().second);
        pupils.insert(it.key(), figures);
    }
    ReportFigures report = reportFiguresOf(pupils, filter);
    report.files = contents.files;
    report.sources = contents.files;
    report.skipped = contents.skipped;
    report.discarded = contents.discarded;
    report.clashes = contents.clashes;
    return report;
}

FigureStatements figureStatements(const FigureDialect &dialect, const RecordFilter &filter)
{
    const QString with = withCounted(dialect, filter);
    FigureStatements statements;
    // By pupil, assignment, kind and level: every pupil and assignment, and
    // the counted answers' sums.
    statements.groups =
        QStringLiteral("WITH good AS (") + dialect.from +
        QStringLiteral(") SELECT c, p, s, asg, kind, level, count(*), sum(r), sum(secs), ") +
        dialect.stamp(QStringLiteral("min(t)")) + QStringLiteral(", ") +
        dialect.stamp(QStringLiteral("max(t)")) +
        QStringLiteral(" FROM good GROUP BY c, p, s, asg, kind, level");
    // The longest run: the right answers after the same number of wrong
    // ones make one island.
    statements.runs =
        with +
        QStringLiteral("SELECT c, p, s, max(length) FROM (SELECT c, p, s, count(*) AS length "
                       "FROM (SELECT c, p, s, r, sum(1 - r) OVER (PARTITION BY c, p, s ORDER BY "
                       "t, o1, o2 ROWS UNBOUNDED PRECEDING) AS island FROM counted) AS placed "
                       "WHERE r = 1 GROUP BY c, p, s, island) AS runs GROUP BY c, p, s");
    // Each pupil's answers to each problem of an assignment, and the last one.
    statements.attempts =
        with + QStringLiteral("SELECT c, p, s, asg, kind, m, n, answers, rights, r, secs, ") +
        dialect.stamp(QStringLiteral("t")) +
        QStringLiteral(" FROM (SELECT c, p, s, asg, kind, m, n, r, secs, t, row_number() OVER "
                       "(PARTITION BY c, p, s, asg, kind, m, n ORDER BY t DESC, o1 DESC, o2 "
                       "DESC) AS latest, count(*) OVER (PARTITION BY c, p, s, asg, kind, m, n) "
                       "AS answers, sum(r) OVER (PARTITION BY c, p, s, asg, kind, m, n) AS "
                       "rights FROM counted WHERE asg <> '') AS problems WHERE latest = 1");
    return statements;
}

SourceFigures sourceFiguresOf(const QSqlDatabase &db, const FigureDialect &dialect,
                              const QVariantList &values, const RecordFilter &filter,
                              const std::atomic_bool *stop)
{
    SourceFigures source;
    QVariantList countedValues = values;
    if (!filter.assignment.isEmpty())
        countedValues << filter.assignment;
    const FigureStatements statements = figureStatements(dialect, filter);
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    QSqlQuery query(db);
    Keys keys;

    bool read = true;

    read = read && run(query, statements.groups, values);
    while (read && !stopped() && query.next()) {
        PupilFigures &pupil = source.pupils[keys.of(query, source)];
        const QString code = cutName(query.value(3).toString());
        if (!code.isEmpty())
            pupil.codes.insert(code);
        source.good += query.value(6).toInt();
        if (!filter.assignment.isEmpty() && code != filter.assignment)
            continue;
        const Tally tally{query.value(6).toInt(), query.value(7).toInt()};
        addTo(pupil.summary.tally, tally);
        addTo(pupil.kinds[cutName(query.value(4).toString())], tally);
        pupil.summary.seconds += query.value(8).toDouble();
        const int level = query.value(5).toInt();
        if (!pupil.summary.levels.contains(level)) {
            pupil.summary.levels.append(level);
            std::ranges::sort(pupil.summary.levels);
        }
        widen(pupil.firstDay, pupil.lastDay, dayOf(query.value(9).toString()));
        widen(pupil.firstDay, pupil.lastDay, dayOf(query.value(10).toString()));
    }
    read = read && !query.lastError().isValid();

    read = read && run(query, statements.runs, countedValues);
    while (read && !stopped() && query.next()) {
        PupilFigures &pupil = source.pupils[keys.of(query, source)];
        pupil.summary.longestRun = std::max(pupil.summary.longestRun, query.value(3).toInt());
    }
    read = read && !query.lastError().isValid();

    read = read && run(query, statements.attempts, countedValues);
    while (read && !stopped() && query.next()) {
        PupilFigures &pupil = source.pupils[keys.of(query, source)];
        ProblemAnswers &answers = pupil.attempts[cutName(query.value(3).toString())][{
            cutName(query.value(4).toString()), query.value(5).toInt(), query.value(6).toInt()}];
        // Two stored codes or kinds cut alike: the later answer is the last.
        const QDateTime when = QDateTime::fromString(query.value(11).toString(), Qt::ISODateWithMs);
        addTo(answers.all, {query.value(7).toInt(), query.value(8).toInt()});
        if (!answers.lastWhen.isValid() || when >= answers.lastWhen) {
            answers.lastRight = query.value(9).toInt() != 0;
            answers.lastSeconds = query.value(10).toDouble();
            answers.lastWhen = when;
        }
    }
    read = read && !query.lastError().isValid();
    source.read = read && !stopped();
    return source;
}

struct FigureFold::State
{
    struct Pupil
    {
        PupilFigures *figures = nullptr;
        int run = 0;
        std::string first; // the counted answers' earliest and latest times
        std::string last;
        QHash<QString, QMap<ProblemOfSheet, QString>> lastWhen; // as stored, by code
    };

    RecordFilter filter;
    Keys keys;
    SourceFigures source;
    std::map<PupilKey, Pupil> pupils; // kept in place as more are added
    // A file's answers are mostly one pupil's: the last one's key is kept.
    QString lastClass;
    QString lastPupil;
    PupilKey lastKey;
    Pupil *last = nullptr;
};

FigureFold::FigureFold(RecordFilter filter) : m_state(std::make_unique<State>())
{
    m_state->filter = std::move(filter);
}

FigureFold::~FigureFold() = default;

PupilKey FigureFold::add(const FoldedAnswer &answer)
{
    State &fold = *m_state;
    if (!fold.last || answer.className != fold.lastClass || answer.pupil != fold.lastPupil) {
        fold.lastKey = fold.keys.of(answer.className, answer.pupil, QString(), fold.source);
        fold.last = &fold.pupils[fold.lastKey];
        fold.last->figures = &fold.source.pupils[fold.lastKey];
        fold.lastClass = answer.className;
        fold.lastPupil = answer.pupil;
    }
    State::Pupil &state = *fold.last;
    PupilFigures &figures = *state.figures;
    ++fold.source.good;
    const QString code = cutName(answer.assignment);
    if (!code.isEmpty())
        figures.codes.insert(code);
    if (!fold.filter.assignment.isEmpty() && code != fold.filter.assignment)
        return fold.lastKey;
    figures.summary.tally.add(answer.right);
    const QString kind = cutName(answer.kind);
    figures.kinds[kind].add(answer.right);
    figures.summary.seconds += answer.seconds;
    if (!figures.summary.levels.contains(answer.level)) {
        figures.summary.levels.append(answer.level);
        std::ranges::sort(figures.summary.levels);
    }
    const std::string_view when(answer.when.data(), size_t(answer.when.size()));
    if (state.first.empty() || when < state.first)
        state.first.assign(when);
    if (when > state.last)
        state.last.assign(when);
    state.run = answer.right ? state.run + 1 : 0;
    figures.summary.longestRun = std::max(figures.summary.longestRun, state.run);
    if (!code.isEmpty()) {
        const ProblemOfSheet problem{kind, answer.m, answer.n};
        ProblemAnswers &answers = figures.attempts[code][problem];
        answers.all.add(answer.right);
        answers.lastRight = answer.right;
        answers.lastSeconds = answer.seconds;
        state.lastWhen[code][problem] = answer.when.toString();
    }
    return fold.lastKey;
}

SourceFigures FigureFold::finish()
{
    State &fold = *m_state;
    for (auto &[key, state] : fold.pupils) {
        PupilFigures &figures = *state.figures;
        if (!state.first.empty()) {
            figures.firstDay = dayOf(QString::fromLatin1(state.first));
            figures.lastDay = dayOf(QString::fromLatin1(state.last));
        }
        for (auto code = state.lastWhen.cbegin(); code != state.lastWhen.cend(); ++code)
            for (auto problem = code->cbegin(); problem != code->cend(); ++problem)
                figures.attempts[code.key()][problem.key()].lastWhen =
                    QDateTime::fromString(*problem, Qt::ISODateWithMs);
    }
    SourceFigures source = std::move(fold.source);
    source.read = true;
    return source;
}

} // namespace record
