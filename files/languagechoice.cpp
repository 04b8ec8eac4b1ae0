// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/languagechoice.h"

#include "files/settings.h"

#include <QLocale>

namespace files {
namespace {

const QString languageKey = QStringLiteral("ui/language");

} // namespace

std::optional<format::Language> rememberedLanguage()
{
    return format::languageOfCode(Settings::user().value(languageKey).toString());
}

void rememberLanguage(format::Language language)
{
    Settings::user().setValue(languageKey, format::languageCode(language));
}

format::Language startLanguage(std::optional<format::Language> asked)
{
    if (asked)
        return *asked;
    if (const auto remembered = rememberedLanguage())
        return *remembered;
    return format::desktopLanguage(QLocale::system().uiLanguages());
}

} // namespace files
