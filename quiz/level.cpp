// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/level.h"

#include <QCoreApplication>

namespace quiz {

QString levelName(Level level)
{
    switch (level) {
    case Level::OneStep:
        return QCoreApplication::translate("quiz", "Un passo");
    case Level::AllSides:
        return QCoreApplication::translate("quiz", "Tutti i lati");
    case Level::TwoSteps:
        return QCoreApplication::translate("quiz", "Due passi");
    }
    return {};
}

std::optional<Level> levelOfNumber(int number)
{
    for (Level level : allLevels)
        if (int(level) == number)
            return level;
    return std::nullopt;
}

} // namespace quiz
