// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace ui {

// What the window system's connection must know before the application exists.
void prepareEnvironment();

// Fonts, the translations of the language in use and the style the sheet is drawn for.
void prepareApplication(QApplication &app);

} // namespace ui
