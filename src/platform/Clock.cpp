// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <QDateTime>

namespace tenvari {

QDate SystemClock::today() const {
    return QDate::currentDate();
}

std::uint32_t SystemClock::seed() const {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace tenvari
