// SPDX-License-Identifier: GPL-3.0-or-later
#include "identity.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace app {

void applyIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("solvetra"));
    QCoreApplication::setOrganizationName(QStringLiteral("Solvetra"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("solvetra.example"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SOLVETRA_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Solvetra"));
    QGuiApplication::setDesktopFileName(desktopId);
}

} // namespace app
