// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tenvari {

// The program's own icon, drawn in code: the window icon of every window,
// and the picture of the about box and the exit screen. appIconImage is the
// same drawing without a GUI application (the icon files are written from it).
QIcon appIcon();
QPixmap appIconPixmap(int size);
QImage appIconImage(int size);

} // namespace tenvari
