// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures, stored as PNG at 1x, 2x and 3x ("name.png",
// "name@2x.png", "name@3x.png" under :/artwork). They are read with Qt's own
// PNG reader alone: a plain QPixmap or QIcon load first asks every image
// plugin whether it can read the file, which loads the GIF, ICO and JPEG
// plugins (and libjpeg) into a program that shows no such picture.
namespace ui::artwork {

// Reads one PNG file; a null image when it is missing or no PNG.
QImage readPng(const QString &path);

// The picture at the scale that suits the ratio (the next larger of 1x, 2x,
// 3x), marked with its scale so that it lays out at its designed size.
QPixmap pixmap(const QString &name, qreal devicePixelRatio);

// All three scales, for buttons and labels that pick their own.
QIcon icon(const QString &name);

// The window icon at every size it is drawn at.
QIcon windowIcon();

// The custom pointer; its hotspot, the tip of the nose, is at (2, 2) of the
// designed picture and scales with it.
QCursor pointer(qreal devicePixelRatio);

} // namespace ui::artwork
