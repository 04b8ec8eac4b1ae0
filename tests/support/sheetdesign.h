// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ten problems a pupil page, as teachers asked: fewer wastes paper, more
// would shrink the drawings.
inline constexpr int problemsPerPage = 10;
// Two-step problems get a working box that reaches under the drawing: eight.
inline constexpr int twoStepProblemsPerPage = 8;
