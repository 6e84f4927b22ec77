// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ExitApplication.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace tenvari {

namespace {

// Close handlers that keep opening windows cannot hold the program: after
// this many rounds whatever is still visible is hidden.
constexpr int kMaxCloseRounds = 16;

QList<QPointer<QWidget>> visibleWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            windows << widget;
    return windows;
}

} // namespace

ExitApplication::ExitApplication(EndProcess endProcess) : endProcess_(std::move(endProcess)) {}

void ExitApplication::quitEventLoop(int status) {
    QCoreApplication::exit(status);
}

void ExitApplication::operator()() {
    ++depth_;
    try {
        closeAllWindows();
    } catch (...) {
        // Closing went as far as it could; the process ends all the same.
    }
    --depth_;
    if (ended_)
        return;
    ended_ = true;
    try {
        if (endProcess_)
            endProcess_(status());
    } catch (...) {
    }
}

bool ExitApplication::wasAsked(const QWidget* window) const {
    for (const QPointer<QWidget>& asked : asked_)
        if (asked && asked.data() == window)
            return true;
    return false;
}

void ExitApplication::closeAllWindows() {
    // Each window is asked once. A close handler that comes back here finds
    // the windows already asked (its own among them) and leaves them to the
    // call that asked them.
    const bool outermost = depth_ == 1;
    if (outermost)
        asked_.clear();

    for (int round = 0; round < kMaxCloseRounds; ++round) {
        bool askedAny = false;
        for (const QPointer<QWidget>& window : visibleWindows()) {
            if (!window || wasAsked(window))
                continue;
            asked_ << window;
            askedAny = true;
            bool closed = false;
            try {
                closed = window->close();
            } catch (...) {
            }
            if (window && !closed)
                window->hide();
        }
        if (!askedAny)
            break;
    }
    for (const QPointer<QWidget>& window : visibleWindows())
        if (window && !wasAsked(window))
            window->hide();
    if (outermost)
        asked_.clear();
}

} // namespace tenvari
