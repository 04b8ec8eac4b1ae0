// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/pupilsettings.h"

#include "files/settings.h"

namespace ui::pupilsettings {
namespace {

const QString nameKey = QStringLiteral("pupil/name");
const QString classKey = QStringLiteral("pupil/class");
const QString askKey = QStringLiteral("pupil/askAtStart");
const QString reviewKey = QStringLiteral("quiz/review");

} // namespace

record::Pupil remembered()
{
    const files::Settings &settings = files::Settings::user();
    return {settings.value(nameKey).toString(), settings.value(classKey).toString()};
}

void remember(const record::Pupil &pupil)
{
    files::Settings::user().setValue(nameKey, pupil.name);
    files::Settings::user().setValue(classKey, pupil.className);
}

bool asksAtStart()
{
    return files::Settings::userOrMachine(askKey, false).toBool();
}

void setAsksAtStart(bool ask)
{
    files::Settings::user().setValue(askKey, ask);
}

bool reviewing()
{
    return files::Settings::user().value(reviewKey, false).toBool();
}

void setReviewing(bool on)
{
    files::Settings::user().setValue(reviewKey, on);
}

} // namespace ui::pupilsettings
