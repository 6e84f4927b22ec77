// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Instant.h"

#include "astro/DateReduction.h"
#include "astro/DeltaT.h"

#include <cmath>

namespace tenvari {

namespace {

constexpr double kSecondsPerDay = 86400.0;

Instant withTerrestrialTime(Instant instant, std::optional<double> deltaTSeconds) {
    instant.deltaTSeconds = deltaTSeconds ? *deltaTSeconds : DeltaT(instant.ut1, instant.ut2);
    instant.tt1 = instant.ut1;
    instant.tt2 = instant.ut2 + instant.deltaTSeconds / kSecondsPerDay;
    return instant;
}

} // namespace

Instant InstantOf(const BirthMoment& moment, Calendar calendar,
                  std::optional<double> deltaTSeconds) {
    Instant instant;
    instant.julianDayNumber = JulianDayNumberIn(calendar, moment.month, moment.day, moment.year);
    instant.universalHours = UniversalHours(moment);
    instant.centuries = JulianCenturies(instant.julianDayNumber, instant.universalHours);
    instant.ut1 = instant.julianDayNumber - 0.5;
    instant.ut2 = instant.universalHours / 24.0;
    return withTerrestrialTime(instant, deltaTSeconds);
}

Instant InstantFromJulianDate(double ut1, double ut2, std::optional<double> deltaTSeconds) {
    Instant instant;
    // The day whose start (JDN - 0.5) is the last one at or before the moment.
    const double whole = std::floor((ut1 + ut2) + 0.5);
    const double dayStart = whole - 0.5;
    instant.julianDayNumber = static_cast<std::int32_t>(whole);
    instant.universalHours = ((ut1 - dayStart) + ut2) * 24.0;
    instant.centuries = JulianCenturies(instant.julianDayNumber, instant.universalHours);
    instant.ut1 = ut1;
    instant.ut2 = ut2;
    return withTerrestrialTime(instant, deltaTSeconds);
}

} // namespace tenvari
