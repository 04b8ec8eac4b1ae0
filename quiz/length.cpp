// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/length.h"

#include <QCoreApplication>

#include <array>

namespace quiz {
namespace {

struct LengthNames
{
    const char *letters;
    const char *name;
};

// Indexed by Length.
constexpr std::array<LengthNames, lengthCount> names{{
    {"BH", QT_TRANSLATE_NOOP("quiz", "Proiezione BH")},
    {"HC", QT_TRANSLATE_NOOP("quiz", "Proiezione HC")},
    {"AB", QT_TRANSLATE_NOOP("quiz", "Cateto AB")},
    {"AC", QT_TRANSLATE_NOOP("quiz", "Cateto AC")},
    {"BC", QT_TRANSLATE_NOOP("quiz", "Ipotenusa BC")},
    {"AH", QT_TRANSLATE_NOOP("quiz", "Altezza AH")},
}};

} // namespace

QString lengthLetters(Length which)
{
    return QString::fromLatin1(names.at(size_t(which)).letters);
}

QString lengthName(Length which)
{
    return QCoreApplication::translate("quiz", names.at(size_t(which)).name);
}

} // namespace quiz
