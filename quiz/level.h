// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace quiz {

// How hard the problems are: one step with the designed kinds, one step
// asking any length, or two steps.
enum class Level { OneStep = 1, AllSides = 2, TwoSteps = 3 };

inline constexpr std::array<Level, 3> allLevels{Level::OneStep, Level::AllSides, Level::TwoSteps};
inline constexpr Level defaultLevel = Level::OneStep;

// "Un passo", "Tutti i lati", "Due passi".
QString levelName(Level level);

// The level numbered 1..3 (as on the command line), or nothing.
std::optional<Level> levelOfNumber(int number);

} // namespace quiz
