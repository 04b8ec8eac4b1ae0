// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/summary.h"

#include <QMap>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace record {

namespace {

int longestRun(const QList<AnswerRow> &answers)
{
    int longest = 0;
    int run = 0;
    for (const AnswerRow &row : answers) {
        run = row.right ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

void Tally::add(bool isRight)
{
    ++answers;
    if (isRight)
        ++right;
}

// Comparing two local times goes through the time zone each time; one
// conversion a row keeps the sort of a school's year of answers short.
RecordSummary::RecordSummary(QList<AnswerRow> answers)
{
    std::vector<std::pair<qint64, qsizetype>> order;
    order.reserve(size_t(answers.size()));
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const QDateTime &when = answers.at(i).when;
        // Unknown times first, as QDateTime orders them.
        order.emplace_back(
            when.isValid() ? when.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min(), i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    m_answers.reserve(answers.size());
    for (const auto &entry : order)
        m_answers.append(std::move(answers[entry.second]));
}

Tally RecordSummary::total() const
{
    Tally tally;
    for (const AnswerRow &row : m_answers)
        tally.add(row.right);
    return tally;
}

Tally RecordSummary::onDay(QDate day) const
{
    Tally tally;
    for (const AnswerRow &row : m_answers) {
        if (row.when.date() == day)
            tally.add(row.right);
    }
    return tally;
}

QList<PupilSummary> RecordSummary::pupils() const
{
    QMap<std::pair<QString, QString>, QList<AnswerRow>> byPupil;
    for (const AnswerRow &row : m_answers)
        byPupil[{row.className, row.pupil}].append(row);
    QList<PupilSummary> pupils;
    for (auto it = byPupil.cbegin(); it != byPupil.cend(); ++it) {
        PupilSummary pupil{it.key().second, it.key().first, {}, 0, {}, longestRun(it.value())};
        for (const AnswerRow &row : it.value()) {
            pupil.tally.add(row.right);
            pupil.seconds += row.seconds;
            if (!pupil.levels.contains(row.level))
                pupil.levels.append(row.level);
        }
        std::sort(pupil.levels.begin(), pupil.levels.end());
        pupils.append(pupil);
    }
    return pupils;
}

QList<KindSummary> RecordSummary::kinds() const
{
    QMap<QString, Tally> byKind;
    for (const AnswerRow &row : m_answers)
        byKind[row.kind].add(row.right);
    QList<KindSummary> kinds;
    for (auto it = byKind.cbegin(); it != byKind.cend(); ++it)
        kinds.append({it.key(), it.value()});
    return kinds;
}

QList<KindSummary> mostOftenWrong(QList<KindSummary> kinds, int count)
{
    kinds.removeIf([](const KindSummary &kind) { return kind.tally.wrong() == 0; });
    std::stable_sort(kinds.begin(), kinds.end(), [](const KindSummary &a, const KindSummary &b) {
        return a.tally.wrong() > b.tally.wrong();
    });
    if (kinds.size() > count)
        kinds.resize(std::max(count, 0));
    return kinds;
}

// kinds() is by id, so ties stay by id.
QList<KindSummary> RecordSummary::mostOftenWrong(int count) const
{
    return record::mostOftenWrong(kinds(), count);
}

QList<DaySummary> RecordSummary::days() const
{
    QMap<QDate, Tally> byDay;
    for (const AnswerRow &row : m_answers)
        byDay[row.when.date()].add(row.right);
    QList<DaySummary> days;
    for (auto it = byDay.cbegin(); it != byDay.cend(); ++it)
        days.append({it.key(), it.value()});
    return days;
}

int RecordSummary::longestRightRun() const
{
    return longestRun(m_answers);
}

} // namespace record
