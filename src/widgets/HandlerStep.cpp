// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/HandlerStep.h"

namespace tenvari {

Q_LOGGING_CATEGORY(lcUi, "tenvari.ui", QtWarningMsg)

void logCaughtFault(const char* what) noexcept {
    try {
        if (what)
            qCWarning(lcUi, "A handler stopped at a fault: %s", what);
        else
            qCWarning(lcUi, "A handler stopped at a fault that carries no text");
    } catch (...) {
        // Out of memory while writing the line: nothing better to do.
    }
}

} // namespace tenvari
