// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <exception>

namespace tenvari {

// Where the window program reports the faults its handlers caught
// (QT_LOGGING_RULES="tenvari.ui.warning=false" silences it).
Q_DECLARE_LOGGING_CATEGORY(lcUi)

// Writes one line about a fault caught by runStep: the exception's own text
// when it has one. Never throws.
void logCaughtFault(const char* what) noexcept;

// How every event handler of the program treats a failure: a handler that
// throws is abandoned where it stands, the fault is logged under
// "tenvari.ui", and the program goes on; nothing reaches the user as an
// error dialog, and nothing unwinds through Qt's event loop, which must
// never see an exception. A tool for one reading should not end because
// one click went wrong.
//
// This is the one place that catches: call it where an event enters the
// program (a click, a menu entry, a key handler, a timer, a start-up or
// shutdown stage), around the whole handler, and let the code below it
// throw or return plainly. True when the handler ran through.
template <class Step> bool runStep(Step&& step) noexcept {
    try {
        step();
        return true;
    } catch (const std::exception& fault) {
        logCaughtFault(fault.what());
    } catch (...) {
        logCaughtFault(nullptr);
    }
    return false;
}

} // namespace tenvari
