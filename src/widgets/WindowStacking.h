// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tenvari {

// Keeps a top-level window above all ordinary windows of every application
// and shows it where it stands and at the size it has, without taking the
// keyboard focus from the window that holds it. Safe on a window already
// on screen (changing its flags hides it; it is shown again).
void showOnTopWithoutActivating(QWidget& window);

} // namespace tenvari
