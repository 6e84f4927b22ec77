// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tenvari {

// Keeps a top-level window above all ordinary windows of every application
// and shows it where it stands and at the size it has, without taking the
// keyboard focus from the window that holds it. Safe on a window already
// on screen (changing its flags hides it; it is shown again).
void showOnTopWithoutActivating(QWidget& window);

// Brings a window to the front at a request from outside the program (a
// second copy that was refused): shown again if minimised, raised and
// activated. Where the window manager does not hand over the focus, the
// window asks for attention instead (its task bar entry is marked); Qt
// clears that mark once the window is active.
void bringToFront(QWidget& window);

} // namespace tenvari
