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
    // As gettext does, LANGUAGE counts only when the locale is not C.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return format::Language::Italian;
    return format::desktopLanguage(system.uiLanguages());
}

} // namespace files
