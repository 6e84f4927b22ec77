// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "astro/DateReduction.h"

#include <cstdint>
#include <optional>

namespace tenvari {

/*
 *  Instant
 *
 *  One moment of time in every form the computations take it.  Made once,
 *  by InstantOf or InstantFromJulianDate; every value below belongs to the
 *  same moment.
 *
 *  Fields:
 *     julianDayNumber  int32   Julian Day Number of the civil date
 *     universalHours   double  Universal Time in hours on that date, not
 *                              reduced to 0..24
 *     centuries        double  T of the window's formula: Julian centuries
 *                              from JD 2415020.0 (JulianCenturies)
 *     ut1, ut2         double  Julian Date in UT, 2-part: ut1 is the
 *                              civil date's start (JDN - 0.5) and ut2 the
 *                              fraction of a day (may lie outside 0..1)
 *     tt1, tt2         double  Julian Date in TT, 2-part: tt1 = ut1,
 *                              tt2 = ut2 + deltaTSeconds / 86400
 *     deltaTSeconds    double  TT - UT used, seconds
 *
 *  Notes:
 *
 *  1) The 2-part dates keep the fraction of the day at full precision
 *     (about 1e-11 s); the sums ut1 + ut2 and tt1 + tt2 lose it to about
 *     20 us, which is harmless for display.
 */
struct Instant {
    std::int32_t julianDayNumber = 0;
    double universalHours = 0.0;
    double centuries = 0.0;
    double ut1 = 0.0;
    double ut2 = 0.0;
    double tt1 = 0.0;
    double tt2 = 0.0;
    double deltaTSeconds = 0.0;

    double julianDateUt() const { return ut1 + ut2; }
    double julianDateTt() const { return tt1 + tt2; }
};

/*
 *  InstantOf
 *
 *  The instant of a birth moment.
 *
 *  Given:
 *     moment         BirthMoment       civil date, local clock time, zone,
 *                                      longitude and daylight-saving flag
 *     calendar       Calendar          how the date is counted (default the
 *                                      window's rule)
 *     deltaTSeconds  optional<double>  TT - UT to use instead of the DeltaT
 *                                      model
 *
 *  Returned (function value):
 *                    Instant           the moment in every form
 *
 *  Notes:
 *
 *  1) julianDayNumber is JulianDayNumber of the date (or
 *     JulianDayNumberIn for another calendar), universalHours is
 *     UniversalHours(moment) and centuries is JulianCenturies of the two:
 *     the window's numbers to the last bit.
 *
 *  2) A Universal Time outside 0..24 does not change the date; the
 *     fraction of a day carries into T and ut2.
 *
 *  References:
 *
 *     See JulianDayNumber, UniversalHours, JulianCenturies and DeltaT.
 */
Instant InstantOf(const BirthMoment& moment, Calendar calendar = Calendar::Window,
                  std::optional<double> deltaTSeconds = std::nullopt);

/*
 *  InstantFromJulianDate
 *
 *  The instant of a Julian Date in Universal Time.
 *
 *  Given:
 *     ut1, ut2       double            UT as a 2-part Julian Date (any
 *                                      split), finite
 *     deltaTSeconds  optional<double>  TT - UT to use instead of the model
 *
 *  Returned (function value):
 *                    Instant           the moment in every form
 *
 *  Notes:
 *
 *  1) julianDayNumber is the day whose noon is nearest (the day that
 *     begins at JDN - 0.5 holds the moment) and universalHours the hours
 *     since that day's start.  The 2-part UT is kept as given, so the
 *     reference values are the same whatever the split.
 */
Instant InstantFromJulianDate(double ut1, double ut2,
                              std::optional<double> deltaTSeconds = std::nullopt);

} // namespace tenvari
