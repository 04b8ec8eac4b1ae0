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

constexpr char noSharedImages[] = "QT_XCB_NO_MITSHM";
bool sharedImagesTurnedOff = false;

} // namespace

void prepareEnvironment()
{
    // With shared memory, every paint that follows a flush of the same place
    // (the caret's blinking, the clock) first waits for the X server to have
    // read the shared image: a round trip that wakes two threads at each tick
    // of an idle window. Through the socket, a tick is one wake-up.
    if (!qEnvironmentVariableIsSet(noSharedImages)) {
        qputenv(noSharedImages, "1");
        sharedImagesTurnedOff = true;
    }
}

void prepareApplication(QApplication &app)
{
    // Read when the connection opened; the calculator must not inherit it.
    if (sharedImagesTurnedOff)
        qunsetenv(noSharedImages);
    substituteFonts();
    // The language chosen before the application existed gets its
    // translators now; in Italian the message boxes' buttons read Sì, No, OK.
    format::useLanguage(format::currentLanguage());
    // Face colours of the picture buttons show in Fusion on every desktop.
    app.setStyle(new DrawnIconStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

} // namespace ui
