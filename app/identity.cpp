// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include "app/version.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace app {

void applyIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("solvetra"));
    QCoreApplication::setOrganizationName(QStringLiteral("Solvetra"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("solvetra.example"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SOLVETRA_VERSION));
    // No application display name: Qt would append it to every window title,
    // and the window's caption (the time in the normal state) must stay as it is.
    // The desktop entry gives the desktop the name displayName.
    QGuiApplication::setDesktopFileName(desktopId);
}

} // namespace app
