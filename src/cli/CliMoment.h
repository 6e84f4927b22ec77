// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "astro/DateReduction.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tenvari::cli {

/*
 *  CliMoment
 *
 *  One moment as the command line gives it: a civil date, a local clock
 *  time, the signed zone offset and the daylight-saving flag.
 *
 *  Fields:
 *     year, month, day  int16  a real date of -3000-01-01 .. 3000-12-31 in
 *                              the calendar below (astronomical years:
 *                              year 0 is 1 BCE)
 *     hour, minute      int16  local clock time, 00:00 .. 23:59
 *     zoneMinutes       int    offset of the zone from Universal Time,
 *                              minutes, east positive, -840 .. +840
 *     zoneNegative      bool   the offset was written with "-" (so -00:00
 *                              is kept apart from +00:00; both give the
 *                              same numbers)
 *     dst               bool   daylight saving was in force: the clock ran
 *                              one hour ahead of the zone
 *     calendar          Calendar  how the date is read: Historical (Julian
 *                              to 1582-10-04, Gregorian from 1582-10-15),
 *                              Julian or Gregorian (proleptic); set before
 *                              parseDate
 */
struct CliMoment {
    std::int16_t year = 1901;
    std::int16_t month = 1;
    std::int16_t day = 1;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    int zoneMinutes = 0;
    bool zoneNegative = false;
    bool dst = false;
    Calendar calendar = Calendar::Historical;
};

// text equals lowerWord (ASCII lower case) but for the case of ASCII letters.
bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord);

// The fields of a moment, as the batch file names them.
enum class MomentField { Date, Time, Zone, Dst };

// Why a field's text was refused.
enum class FieldProblem {
    None,
    Missing,
    DateForm,    // not YYYY-MM-DD
    DateRange,   // a year outside -3000..3000
    DateNotReal, // no such day: 2001-02-29, 2000-04-31, 2000-13-01
    DateInGap,   // 1582-10-05 .. 1582-10-14 in the historical reckoning
    TimeForm,    // not HH:MM
    TimeRange,   // 24:00, 12:60
    ZoneForm,    // not +HH:MM or -HH:MM
    ZoneMinutes, // minutes above 59: +14:61
    ZoneRange,   // beyond 14 hours: +15:00
    DstValue,    // not 0, 1, no, yes, false, true
};

/*
 *  parseDate, parseTime, parseZone, parseDst
 *
 *  Read one field's text into a moment.
 *
 *  Given:
 *     text    string_view  the field as given, without surrounding blanks
 *     moment  CliMoment&   receives the field's values when it is accepted
 *
 *  Returned (function value):
 *             FieldProblem None when accepted; otherwise why not, and the
 *                          moment is left as it was
 *
 *  Notes:
 *
 *  1) DATE is YYYY-MM-DD: a year of one to four digits with an optional
 *     sign ("-500-03-21" is 501 BCE), two digits of month and two of day.
 *     The year lies in -3000..3000, the month in 1..12, and the day exists
 *     in that month of moment.calendar (DaysInMonthIn).  In the historical
 *     reckoning 1582-10-05 to 1582-10-14 never existed (DateInGap).  For
 *     1901..2050 these are the window's checks: its lists offer the same
 *     years, months and days 1..31, and it refuses 29 February of a common
 *     year, 30 and 31 February and the 31st of April, June, September and
 *     November.
 *
 *  2) TIME is H:MM or HH:MM, 00:00..23:59.  Seconds are not taken: the
 *     computation uses hours and minutes only.
 *
 *  3) The zone is +H:MM, +HH:MM, -H:MM or -HH:MM, the usual signed offset
 *     of the local clock from Universal Time, east positive, from -14:00
 *     to +14:00 (the offsets in use run from -12:00 to +14:00).
 *
 *  4) The daylight-saving field is 0, 1, no, yes, false or true in any
 *     case, or empty for no.
 */
FieldProblem parseDate(std::string_view text, CliMoment& moment);
FieldProblem parseTime(std::string_view text, CliMoment& moment);
FieldProblem parseZone(std::string_view text, CliMoment& moment);
FieldProblem parseDst(std::string_view text, CliMoment& moment);

/*
 *  problemText
 *
 *  What is wrong with a field, for a message.
 *
 *  Given:
 *     problem  FieldProblem  not None
 *     text     string_view   the field's text as given
 *
 *  Returned (function value):
 *              std::string   e.g. "'2001-02-29' is not a real date"
 */
std::string problemText(FieldProblem problem, std::string_view text);

/*
 *  birthMomentOf
 *
 *  The computation's input for a command-line moment, as the window would
 *  form it.
 *
 *  Given:
 *     moment  CliMoment    an accepted moment
 *
 *  Returned (function value):
 *             BirthMoment  date and time as given; zoneHours and zoneMinutes
 *                          the size of the offset (+05:30 and -05:30 both
 *                          give 5 and 30); east for an offset written with
 *                          "+", west for one written with "-"; longitude
 *                          1 deg 1 min, as the window's hidden longitude
 *                          boxes hold it; daylightSaving as given
 *
 *  Notes:
 *
 *  1) The window takes the zone's direction from its East/West choice and
 *     the longitude: a zone counts as east when the longitude entered as
 *     East is not 0 deg 0 min.  With the hidden 1 deg 1 min, East is east
 *     and West is west, so Universal Time = local time - offset, and with
 *     daylight saving local time - offset - 1 hour, for either sign.
 *
 *  2) +00:00 and -00:00 give the same Universal Time, with daylight saving
 *     too (East adds the hour to a zero zone, West takes it off).
 */
BirthMoment birthMomentOf(const CliMoment& moment);

} // namespace tenvari::cli
