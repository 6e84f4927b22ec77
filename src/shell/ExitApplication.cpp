// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ExitApplication.h"

#include "widgets/HandlerStep.h"
#include "widgets/Windows.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace tenvari {

namespace {

// Close handlers that keep opening windows cannot hold the program: after
// this many rounds whatever is still visible is hidden.
constexpr int kMaxCloseRounds = 16;

// Held as guarded pointers: a window deleted while others close drops out.
QList<QPointer<QWidget>> visibleWindowsNow() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : visibleWindows())
        windows << window;
    return windows;
}

} // namespace

ExitApplication::ExitApplication(EndProcess endProcess) : endProcess_(std::move(endProcess)) {}

void ExitApplication::quitEventLoop(int status) {
    QCoreApplication::exit(status);
}

void ExitApplication::operator()() {
    ++depth_;
    // Closing goes as far as it can; the process ends all the same.
    runStep([this] { closeAllWindows(); });
    --depth_;
    if (ended_)
        return;
    ended_ = true;
    runStep([this] {
        if (endProcess_)
            endProcess_(0);
    });
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
        for (const QPointer<QWidget>& window : visibleWindowsNow()) {
            if (!window || wasAsked(window))
                continue;
            asked_ << window;
            askedAny = true;
            bool closed = false;
            runStep([&] { closed = window->close(); });
            if (window && !closed)
                window->hide();
        }
        if (!askedAny)
            break;
    }
    for (const QPointer<QWidget>& window : visibleWindowsNow())
        if (window && !wasAsked(window))
            window->hide();
    if (outermost)
        asked_.clear();
}

} // namespace tenvari
