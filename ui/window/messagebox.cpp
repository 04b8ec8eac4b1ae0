// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/messagebox.h"

#include <QApplication>
#include <QGridLayout>

namespace ui {
namespace {

// Room for the window manager's buttons and icon beside the title.
constexpr int titleBarExtra = 140;

} // namespace

QMessageBox::StandardButton showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                    const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth =
            QFontMetrics(QApplication::font()).horizontalAdvance(title) + titleBarExtra;
        grid->addItem(new QSpacerItem(titleWidth, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    return QMessageBox::StandardButton(box.exec());
}

} // namespace ui
