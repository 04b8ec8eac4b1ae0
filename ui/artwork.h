// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The program's artwork, read once per run: a restart reuses what the first
// start read instead of loading and caching it again.
namespace ui::artwork {

// The artwork file as drawn; a null pixmap for an empty name.
QPixmap picture(const char *file);
// An icon file drawn size pixels square.
QPixmap icon(const char *file, int size);

} // namespace ui::artwork
