// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Windows.h"

#include <QApplication>
#include <QWidget>

namespace tenvari {

QList<QWidget*> visibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            windows << window;
    return windows;
}

} // namespace tenvari
