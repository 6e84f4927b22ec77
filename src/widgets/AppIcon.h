// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tenvari {

// The program's own icon, drawn in code: the window icon of every window,
// and the picture of the about box and the exit screen.
QIcon appIcon();
QPixmap appIconPixmap(int size);

} // namespace tenvari
