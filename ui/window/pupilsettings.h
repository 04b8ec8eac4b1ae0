// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/pupil.h"

namespace ui::pupilsettings {

// The pupil last named in "Chi gioca...", kept for the next run.
record::Pupil remembered();
void remember(const record::Pupil &pupil);

// Whether the window asks "Chi gioca?" at start: the user's choice, else
// the machine's (a school lab where pupils share one account), else no.
bool asksAtStart();
void setAsksAtStart(bool ask);

// Whether "Ripasso" is on; off unless chosen.
bool reviewing();
void setReviewing(bool on);

} // namespace ui::pupilsettings
