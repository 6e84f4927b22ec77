// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

namespace tenvari::test {

// The application's top-level windows that are on screen now.
inline QList<QWidget*> visibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            windows << window;
    return windows;
}

} // namespace tenvari::test
