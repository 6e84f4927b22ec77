// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <functional>

class QWidget;

namespace tenvari {

// The one way the program ends: closes every open window, then ends the
// process with status 0.
//
// Each window's own close handling runs as it closes and may call this
// again (the exit screen does); such a nested call closes what is left and
// the process is ended once, by whichever call gets there first. No window
// can stop the shutdown: one that refuses to close is hidden, and windows
// opened by a close handler are closed in turn. Nothing escapes.
class ExitApplication {
public:
    // Ends the process with the given status. The real one leaves the
    // event loop (QCoreApplication::exit); tests record the call instead.
    using EndProcess = std::function<void(int status)>;

    explicit ExitApplication(EndProcess endProcess = quitEventLoop);

    void operator()();

    // Shutdown has begun: windows are closing or the process is ending.
    bool inProgress() const { return depth_ > 0 || ended_; }
    // The process was told to end (so the program's entry must not start
    // the event loop when this happened before it).
    bool hasEnded() const { return ended_; }

    static void quitEventLoop(int status);

private:
    void closeAllWindows();
    bool wasAsked(const QWidget* window) const;

    EndProcess endProcess_;
    // The windows asked to close during this shutdown; a deleted one drops
    // out (its pointer turns null), so a new window at its address is not
    // mistaken for it.
    QList<QPointer<QWidget>> asked_;
    int depth_ = 0;
    bool ended_ = false;
};

} // namespace tenvari
