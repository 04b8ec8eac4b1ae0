// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/appsetup.h"

#include "ui/sheet/drawniconstyle.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace ui {
namespace {

// The sheet names Windows fonts; fontconfig alone would map
// "MS Sans Serif" to some other face, so the metric-compatible Liberation
// faces are named here.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

// The standard buttons of message boxes then read Sì, No and OK.
void loadItalianTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

} // namespace

void prepareApplication(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    substituteFonts();
    loadItalianTranslation(app);
    // Face colours of the picture buttons show in Fusion on every desktop.
    app.setStyle(new DrawnIconStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

} // namespace ui
