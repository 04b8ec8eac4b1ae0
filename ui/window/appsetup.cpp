// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/appsetup.h"

#include "ui/sheet/drawniconstyle.h"

#include "format/language.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

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

} // namespace

void prepareApplication(QApplication &app)
{
    substituteFonts();
    // The language chosen before the application existed gets its
    // translators now; in Italian the message boxes' buttons read Sì, No, OK.
    format::useLanguage(format::currentLanguage());
    // Face colours of the picture buttons show in Fusion on every desktop.
    app.setStyle(new DrawnIconStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

} // namespace ui
