// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace format {
namespace {

struct LanguageFacts
{
    Language language;
    const char16_t *code;
    const char16_t *ownName;
    QLocale::Language qtLanguage;
    QLocale::Territory territory;
};

// Great Britain for English: its 24-hour clock fits the designed clock label.
constexpr std::array<LanguageFacts, 4> facts{{
    {Language::Italian, u"it", u"Italiano", QLocale::Italian, QLocale::Italy},
    {Language::German, u"de", u"Deutsch", QLocale::German, QLocale::Germany},
    {Language::Spanish, u"es", u"Español", QLocale::Spanish, QLocale::Spain},
    {Language::English, u"en", u"English", QLocale::English, QLocale::UnitedKingdom},
}};

const LanguageFacts &factsOf(Language language)
{
    for (const LanguageFacts &f : facts)
        if (f.language == language)
            return f;
    return facts.front();
}

Language inUse = Language::Italian;
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

// Replaces the translator held in slot; a missing translation leaves none.
void install(QPointer<QTranslator> &slot, const QString &file, const QString &folder)
{
    delete slot.data();
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        slot = translator;
    } else {
        delete translator;
    }
}

} // namespace

QString languageCode(Language language)
{
    return QString::fromUtf16(factsOf(language).code);
}

std::optional<Language> languageOfCode(QStringView code)
{
    for (const LanguageFacts &f : facts)
        if (code == QStringView(f.code))
            return f.language;
    return std::nullopt;
}

QString ownName(Language language)
{
    return QString::fromUtf16(factsOf(language).ownName);
}

QLocale localeOf(Language language)
{
    return QLocale(factsOf(language).qtLanguage, factsOf(language).territory);
}

Language desktopLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages)
        if (const auto language = languageOfCode(QStringView(name).left(2).toString().toLower()))
            return *language;
    return Language::Italian;
}

Language currentLanguage()
{
    return inUse;
}

void useLanguage(Language language, QtTexts qtTexts)
{
    inUse = language;
    QLocale::setDefault(localeOf(language));
    if (!QCoreApplication::instance())
        return;
    const QString code = languageCode(language);
    // Italian is the source: the program's own texts need no translation.
    if (language == Language::Italian)
        delete programTranslator.data();
    else
        install(programTranslator, QStringLiteral("solvetra_") + code, QStringLiteral(":/i18n"));
    if (qtTexts == QtTexts::AsGiven)
        delete qtTranslator.data();
    else
        install(qtTranslator, QStringLiteral("qtbase_") + code,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace format
