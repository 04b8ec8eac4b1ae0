// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace ui {

// Fonts, Qt's Italian translation and the style the sheet is drawn for.
void prepareApplication(QApplication &app);

} // namespace ui
