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

namespace {

// Months counted from March of the year -4800.
std::int32_t monthsFromEpoch(std::int16_t month, std::int16_t year) {
    return 12 * (std::int32_t{year} + 4800) + month - 3;
}

// Number of the date read in the Julian calendar.
std::int32_t julianCount(std::int32_t m, std::int16_t day) {
    // Month within the March-based year, 0 to 11.
    const std::int32_t r = m - 12 * FloorDiv(m, 12);
    return FloorDiv(365 * m + 2 * r + 7, 12) + day + FloorDiv(m, 48) - 32083;
}

// The Julian count turned Gregorian: leave out the leap days of the century
// years not divisible by 400; the 38 days align the two counts.
std::int32_t gregorianFromJulian(std::int32_t m, std::int32_t julian) {
    return julian + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
}

bool isGregorianLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

std::int32_t JulianDayNumber(std::int16_t month, std::int16_t day, std::int16_t year) {
    const std::int32_t m = monthsFromEpoch(month, year);
    const std::int32_t j = julianCount(m, day);
    return j > 2299171 ? gregorianFromJulian(m, j) : j;
}

std::int32_t JulianDayNumberIn(Calendar calendar, std::int16_t month, std::int16_t day,
                               std::int16_t year) {
    const std::int32_t m = monthsFromEpoch(month, year);
    const std::int32_t j = julianCount(m, day);
    switch (calendar) {
    case Calendar::Window:
        return JulianDayNumber(month, day, year);
    case Calendar::Julian:
        return j;
    case Calendar::Gregorian:
        return gregorianFromJulian(m, j);
    case Calendar::Historical:
        break;
    }
    // 1582-10-04 Julian is the last Julian day (JDN 2299160); 1582-10-05
    // counted the Julian way is 2299161.
    return j <= 2299160 ? j : gregorianFromJulian(m, j);
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

int DaysInMonthIn(Calendar calendar, int month, int year) {
    if (month != 2) {
        return DaysInMonth(month, year);
    }
    const bool gregorian =
        calendar == Calendar::Gregorian || (calendar == Calendar::Historical && year > 1582);
    if (calendar == Calendar::Window) {
        return DaysInMonth(month, year);
    }
    if (gregorian) {
        return isGregorianLeap(year) ? 29 : 28;
    }
    // Julian: every fourth year, year 0 and negative years too.
    return (year % 4 == 0) ? 29 : 28;
}

} // namespace tenvari
