// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace tenvari::test {

// What happened while a modal window ran.
struct ModalRun {
    QPointer<QWidget> box;         // the modal window that came up (null once destroyed)
    bool opened = false;           // a modal window came up at all
    bool closedByWatchdog = false; // a dialog was still open after the grace time
};

// Calls `open`, which is expected to run a modal window and return when it
// closes. As soon as the window is up (polled while `open` runs), `inside`
// runs with it; it should close the window. A dialog still open `graceMs`
// after the start, modal or not, is closed by force, so a failing test
// never hangs in an event loop.
inline ModalRun runModal(const std::function<void()>& open,
                         const std::function<void(QDialog&)>& inside, int graceMs = 5000) {
    ModalRun run;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&run] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (dialog && dialog->isVisible()) {
                run.closedByWatchdog = true;
                dialog->reject();
            }
        }
    });
    QTimer starter;
    starter.setSingleShot(true);
    QObject::connect(&starter, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) { // not up yet: `open` may still be on its way to it
            starter.start(10);
            return;
        }
        run.box = box;
        run.opened = true;
        inside(*box);
    });
    watchdog.start(graceMs);
    starter.start(0);
    open();
    return run;
}

} // namespace tenvari::test
