// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures, stored as PNG at 1x, 2x and 3x ("name.png",
// "name@2x.png", "name@3x.png" under :/artwork), each file read once per run.
// They are read with Qt's own PNG reader alone: a plain QPixmap or QIcon load
// first asks every image plugin whether it can read the file, which loads the
// GIF, ICO and JPEG plugins (and libjpeg) into a program that shows no such
// picture.
namespace ui::artwork {

// Reads one PNG file; a null image when it is missing or no PNG.
QImage readPng(const QString &path);

// The picture drawn at sheetScale times its designed size on a screen of the
// given device pixel ratio, from the file with enough pixels and smoothly
// scaled to the exact pixels when no file has them. A null pixmap for an
// empty name.
QPixmap picture(const QString &name, qreal devicePixelRatio, qreal sheetScale = 1.0);

// The window icon at every size it is drawn at, decoded when first drawn.
QIcon windowIcon();

// The custom pointer; its hotspot, the tip of the nose, is at (2, 2) of the
// designed picture and scales with it.
QCursor pointer(qreal devicePixelRatio);

} // namespace ui::artwork
