// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

// How every event handler of the program treats a failure: each step of a
// handler stands alone. A step that fails (throws) is abandoned, and the
// handler goes on with its next step; nothing reaches the user as an error
// dialog, and nothing unwinds through Qt's event loop, which must never see
// an exception. A tool for one reading should not lose the user's input
// or leave a window half-built because one call went wrong.
//
// This is the one place that catches: call it where a handler runs its
// steps (a click, a menu entry, a start-up or shutdown step), and let the
// code below it throw or return plainly. True when the step ran through.
template <class Step> bool runStep(Step&& step) noexcept {
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace tenvari
