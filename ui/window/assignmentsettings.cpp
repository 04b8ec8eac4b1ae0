// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/assignmentsettings.h"

#include "files/settings.h"

namespace ui::assignmentsettings {
namespace {

const QString codeKey = QStringLiteral("assignment/code");
const QString answeredKey = QStringLiteral("assignment/answered");
const QString rightKey = QStringLiteral("assignment/right");
const QString secondsKey = QStringLiteral("assignment/seconds");
const QString pupilKey = QStringLiteral("assignment/pupil");
const QString classKey = QStringLiteral("assignment/class");

} // namespace

std::optional<Unfinished> unfinished(const record::Pupil &pupil)
{
    const files::Settings &settings = files::Settings::user();
    if (record::Pupil{settings.value(pupilKey).toString(), settings.value(classKey).toString()} !=
        pupil)
        return std::nullopt;
    const auto assignment = quiz::assignmentOfCode(settings.value(codeKey).toString());
    if (!assignment)
        return std::nullopt;
    const quiz::AssignmentProgress progress{settings.value(answeredKey).toInt(),
                                            settings.value(rightKey).toInt(),
                                            settings.value(secondsKey).toLongLong()};
    if (progress.answered >= assignment->count)
        return std::nullopt;
    return Unfinished{*assignment, progress};
}

void keep(const quiz::AssignmentRun &run, const record::Pupil &pupil)
{
    if (run.finished()) {
        forget();
        return;
    }
    files::Settings &settings = files::Settings::user();
    settings.setValue(codeKey, run.code());
    settings.setValue(answeredKey, run.progress().answered);
    settings.setValue(rightKey, run.progress().right);
    settings.setValue(secondsKey, run.progress().seconds);
    settings.setValue(pupilKey, pupil.name);
    settings.setValue(classKey, pupil.className);
}

void forget()
{
    // An empty code names no assignment; the counts go with it.
    files::Settings &settings = files::Settings::user();
    settings.setValue(codeKey, QString());
    for (const QString &key : {answeredKey, rightKey, secondsKey})
        settings.setValue(key, 0);
}

} // namespace ui::assignmentsettings
