// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignmentrun.h"
#include "record/pupil.h"

#include <optional>

namespace ui::assignmentsettings {

// The assignment a pupil began and did not finish, and how far they went.
struct Unfinished
{
    quiz::Assignment assignment;
    quiz::AssignmentProgress progress;
};

// Pupils who share an account each go on with their own.
std::optional<Unfinished> unfinished(const record::Pupil &pupil);
// Keeps the run's progress, or forgets it once the run is finished.
void keep(const quiz::AssignmentRun &run, const record::Pupil &pupil);
void forget();

} // namespace ui::assignmentsettings
