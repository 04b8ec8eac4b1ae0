// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/program.h"

#include "ui/window/appsetup.h"

#include <QApplication>

namespace ui {
namespace {

// Runs before the members, so the window finds the fonts and the style ready.
quiz::MixingRandomSource prepared(QApplication &app)
{
    prepareApplication(app);
    return quiz::MixingRandomSource::fromEntropy();
}

} // namespace

Program::Program(QApplication &app)
    : m_random(prepared(app)), m_window(m_clock, m_random, m_platform)
{
}

} // namespace ui
