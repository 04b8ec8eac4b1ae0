// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/headless.h"

#include "format/language.h"

#include <algorithm>
#include <cstdio>

namespace app {
namespace {

void keepOnlySevereMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

// Runs before the application is made, in the member initialisers' order.
int prepared(int argc)
{
    qInstallMessageHandler(keepOnlySevereMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::min(argc, 1);
}

} // namespace

HeadlessApplication::HeadlessApplication(int argc, char *argv[])
    : m_argc(prepared(argc)), m_application(m_argc, argv)
{
    // The language was chosen before; this application needs its translators.
    format::useLanguage(format::currentLanguage(), format::QtTexts::AsGiven);
}

} // namespace app
