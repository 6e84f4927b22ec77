// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Birth moments for the computation tests, built from plain numbers.

#include "astro/BirthMoment.h"

#include <cstdint>

namespace tenvari::test {

enum class Side { West, East };
enum class Dst { Off, On };

inline BirthMoment makeMoment(int day, int month, int year, int hour, int minute, int zoneHours,
                              int zoneMinutes, int lonDegrees, int lonMinutes, Side side, Dst dst) {
    BirthMoment moment;
    moment.month = static_cast<std::int16_t>(month);
    moment.day = static_cast<std::int16_t>(day);
    moment.year = static_cast<std::int16_t>(year);
    moment.hour = static_cast<std::int16_t>(hour);
    moment.minute = static_cast<std::int16_t>(minute);
    moment.zoneHours = static_cast<std::int16_t>(zoneHours);
    moment.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    moment.lonDegrees = static_cast<std::int16_t>(lonDegrees);
    moment.lonMinutes = static_cast<std::int16_t>(lonMinutes);
    moment.east = side == Side::East;
    moment.daylightSaving = dst == Dst::On;
    return moment;
}

} // namespace tenvari::test
