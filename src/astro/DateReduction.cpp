// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DateReduction.h"

namespace tenvari {

namespace {

// Quotient rounded towards minus infinity (the built-in division truncates).
std::int32_t FloorDiv(std::int32_t numerator, std::int32_t denominator) {
    std::int32_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return quotient;
}

} // namespace

std::int32_t JulianDayNumber(std::int16_t month, std::int16_t day, std::int16_t year) {
    // Months counted from March of the year -4800.
    const std::int32_t m = 12 * (std::int32_t{year} + 4800) + month - 3;
    // Month within the March-based year, 0 to 11.
    const std::int32_t r = m - 12 * FloorDiv(m, 12);

    // Number of the date read in the Julian calendar.
    std::int32_t j = FloorDiv(365 * m + 2 * r + 7, 12) + day + FloorDiv(m, 48) - 32083;
    if (j > 2299171) {
        // Gregorian calendar: leave out the leap days of the century years not
        // divisible by 400; the 38 days align the two counts.
        j = j + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
    }
    return j;
}

double UniversalHours(const BirthMoment& moment) {
    double signedLongitude = moment.lonDegrees + moment.lonMinutes / 60.0;
    if (moment.east) {
        signedLongitude = -signedLongitude;
    }
    // Minus zero (0 deg 0 min East) is not below zero: handled as west.
    const bool eastOfGreenwich = signedLongitude < 0.0;

    double zoneOffset = moment.zoneHours + moment.zoneMinutes / 60.0;
    if (moment.daylightSaving) {
        if (eastOfGreenwich) {
            zoneOffset = zoneOffset + 1.0;
        } else {
            zoneOffset = zoneOffset - 1.0;
        }
    }

    const double localTime = moment.hour + moment.minute / 60.0;
    if (eastOfGreenwich) {
        return localTime - zoneOffset;
    }
    return localTime + zoneOffset;
}

double JulianCenturies(std::int32_t julianDayNumber, double universalHours) {
    // Exact integer difference (64 bits, so no int32 argument can overflow it).
    const std::int64_t daysFromEpoch = std::int64_t{julianDayNumber} - 2415020;
    return (static_cast<double>(daysFromEpoch) + universalHours / 24.0 - 0.5) / 36525.0;
}

int DayOfWeek(std::int32_t julianDayNumber) {
    // Computed in 64 bits so that the largest int32 number does not overflow.
    const std::int64_t shifted = std::int64_t{julianDayNumber} + 1;
    const std::int64_t remainder = shifted % 7;
    return static_cast<int>(remainder < 0 ? remainder + 7 : remainder);
}

const char* WeekdayName(int dayOfWeek) {
    static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    return (dayOfWeek >= 0 && dayOfWeek < 7) ? kNames[dayOfWeek] : "";
}

int DaysInMonth(int month, int year) {
    switch (month) {
    case 2:
        return (year % 4 == 0) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

} // namespace tenvari
