// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace format {

// The languages the program speaks. Italian is the one its texts are
// written in; the others come from translations built into the program.
enum class Language { Italian, German, Spanish, English };

// In the order a menu lists them: by their own names.
inline constexpr std::array allLanguages{Language::German, Language::English, Language::Spanish,
                                         Language::Italian};

// "it", "de", "es", "en": the command line's values and the translations' suffixes.
QString languageCode(Language language);
std::optional<Language> languageOfCode(QStringView code);
// The language as its speakers write it ("Deutsch"), never translated.
QString ownName(Language language);
// Whose numbers, times and dates the language shows.
QLocale localeOf(Language language);

// The first of the desktop's languages (QLocale::uiLanguages()) that the
// program speaks; Italian when it speaks none of them.
Language desktopLanguage(const QStringList &uiLanguages);

// The language in use: Italian until useLanguage() says otherwise.
Language currentLanguage();
// Makes language the one in use: QLocale's default and, when an application
// exists, the translators of the program and, with qtTexts, of Qt's own
// texts (standard buttons). A new application calls it again to get its
// translators. Without a window Qt's texts are only its error strings, which
// stay as the system gives them.
enum class QtTexts { Translated, AsGiven };
void useLanguage(Language language, QtTexts qtTexts = QtTexts::Translated);

} // namespace format
