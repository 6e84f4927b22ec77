// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

namespace tenvari {

// The application's top-level windows that are on screen now.
QList<QWidget*> visibleWindows();

} // namespace tenvari
