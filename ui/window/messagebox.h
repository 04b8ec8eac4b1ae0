// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

namespace ui {

// A modal message box, wide enough for the window manager to show its whole
// title: the farewell box carries the date there.
QMessageBox::StandardButton
showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

} // namespace ui
