// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/assignmentrun.h"

#include <optional>

namespace ui::assignmentsettings {

// The assignment a pupil began and did not finish, and how far they went.
struct Unfinished
{
    quiz::Assignment assignment;
    quiz::AssignmentProgress progress;
};

std::optional<Unfinished> unfinished();
// Keeps the run's progress, or forgets it once the run is finished.
void keep(const quiz::AssignmentRun &run);
void forget();

} // namespace ui::assignmentsettings
