// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowStacking.h"

#include <QApplication>
#include <QWidget>

namespace tenvari {

void showOnTopWithoutActivating(QWidget& window) {
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags recreates the window and forgets that it was
        // placed; put it back where it stood.
        const QRect placed = window.geometry();
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window.setGeometry(placed);
    }
    window.show();
}

void bringToFront(QWidget& window) {
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    QApplication::alert(&window);
}

} // namespace tenvari
