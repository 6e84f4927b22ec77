// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"

#include <cstdint>

namespace tenvari {

// How the day, month and year of a date are counted.
enum class Calendar {
    Window,     // the window's own rule (see JulianDayNumber, Note 1)
    Historical, // Julian up to 1582-10-04, Gregorian from 1582-10-15
    Julian,     // proleptic Julian for every date
    Gregorian,  // proleptic Gregorian for every date
};

/*
 *  JulianDayNumber
 *
 *  Julian Day Number of a civil calendar date.
 *
 *  Given:
 *     month   int16   month, 1 = January ... 12 = December (other values
 *                     count on from the year: month 13 is January of the
 *                     next year)
 *     day     int16   day of the month (not checked against the month)
 *     year    int16   calendar year, astronomical numbering (year 0 exists);
 *                     the form offers 1901 to 2050
 *
 *  Returned (function value):
 *             int32   Julian Day Number: the Julian Date at noon Universal
 *                     Time of that day, a whole number
 *
 *  Notes:
 *
 *  1) The date is first numbered in the Julian calendar.  When that number
 *     is strictly greater than 2299171 the date is read in the Gregorian
 *     calendar instead.  So dates up to and including 15 October 1582 are
 *     Julian (15 October 1582 gives 2299171) and dates from 16 October 1582
 *     on are Gregorian (16 October 1582 gives 2299162).  Because the switch
 *     is made on the Julian-calendar number, the Julian dates 5 to 15
 *     October 1582 give 2299161 to 2299171, the same numbers as the
 *     Gregorian dates 15 to 25 October 1582.
 *
 *  2) The day is not checked: the count runs on, so 31 April 2000 gives the
 *     number of 1 May 2000 and day 0 gives the last day of the previous
 *     month.  Refusing impossible dates is the caller's task.
 *
 *  3) Every division rounds towards minus infinity, so the result is right
 *     for years before -4800 as well.  For every int16 argument the
 *     intermediate values stay well inside the int32 range (|365 m| is
 *     below 2e8).
 *
 *  References:
 *
 *     The standard integer Julian Day Number algorithm for the proleptic
 *     Julian and Gregorian calendars, counting months from March of the
 *     year -4800 so that the leap day falls at the end of the counting
 *     year.
 */
std::int32_t JulianDayNumber(std::int16_t month, std::int16_t day, std::int16_t year);

/*
 *  JulianDayNumberIn
 *
 *  Julian Day Number of a date counted in a named calendar.
 *
 *  Given:
 *     calendar  Calendar  Window: exactly JulianDayNumber; Historical:
 *                         Julian for dates up to 1582-10-04 and Gregorian
 *                         from 1582-10-15 on (the dates between never
 *                         existed and are read as Gregorian); Julian or
 *                         Gregorian: that calendar, proleptic
 *     month, day, year    as JulianDayNumber (astronomical years: year 0
 *                         is 1 BCE, year -1 is 2 BCE)
 *
 *  Returned (function value):
 *               int32     Julian Day Number
 *
 *  Notes:
 *
 *  1) -4712-01-01 Julian is day 0; 1582-10-04 Julian is 2299160 and
 *     1582-10-15 Gregorian 2299161, the next day.
 *
 *  References:
 *
 *     As JulianDayNumber.
 */
std::int32_t JulianDayNumberIn(Calendar calendar, std::int16_t month, std::int16_t day,
                               std::int16_t year);

/*
 *  DaysInMonthIn
 *
 *  Length of a month in a named calendar.
 *
 *  Given:
 *     calendar  Calendar  Window: as DaysInMonth; Julian: every fourth year
 *                         leap; Gregorian: the century years only when
 *                         divisible by 400; Historical: Julian before 1583,
 *                         Gregorian after (October 1582 has 31 numbered
 *                         days, of which the 5th to 14th do not exist)
 *     month     int       1 .. 12
 *     year      int       any, astronomical numbering
 *
 *  Returned (function value):
 *               int       28 .. 31 (31 for a month outside 1 .. 12)
 */
int DaysInMonthIn(Calendar calendar, int month, int year);

/*
 *  UniversalHours
 *
 *  Universal Time of the local clock time of a birth moment.
 *
 *  Given:
 *     moment  BirthMoment  uses hour, minute (local clock time), zoneHours,
 *                          zoneMinutes (zone offset without direction),
 *                          lonDegrees, lonMinutes, east (longitude) and
 *                          daylightSaving
 *
 *  Returned (function value):
 *             double       Universal Time in hours; not reduced to 0..24
 *
 *  Notes:
 *
 *  1) The signed longitude is lonDegrees + lonMinutes/60, negated when
 *     east (west positive).  The place is east of Greenwich exactly when
 *     the signed longitude is strictly below zero; then the zone offset is
 *     subtracted from the local time, otherwise it is added.
 *
 *  2) An East longitude of 0 deg 0 min gives minus zero, which is not below
 *     zero: such a place is handled as west of Greenwich.  0 deg 1 min East
 *     is east.
 *
 *  3) Daylight-saving clocks run one hour ahead of zone time: the zone
 *     offset grows by one hour for a place east of Greenwich and shrinks by
 *     one hour otherwise (UT = local - (zone + 1) east, UT = local +
 *     (zone - 1) west).
 *
 *  4) The result may be below 0 or 24 and more (0:00 at zone 5h30 East
 *     gives -5.5).  The date is not changed: JulianCenturies carries the
 *     fraction of a day into T.
 *
 *  References:
 *
 *     Civil time conversion: Universal Time = zone time minus the zone
 *     offset, offsets counted positive east of Greenwich; daylight-saving
 *     time runs one hour ahead of zone time.
 */
double UniversalHours(const BirthMoment& moment);

/*
 *  JulianCenturies
 *
 *  Time argument of the ayanamsa formula.
 *
 *  Given:
 *     julianDayNumber  int32   Julian Day Number of the civil date
 *                              (from JulianDayNumber)
 *     universalHours   double  Universal Time in hours on that date, any
 *                              value (from UniversalHours)
 *
 *  Returned (function value):
 *                      double  T, Julian centuries of 36525 days from
 *                              Julian Date 2415020.0 (noon UT of
 *                              31 December 1899); about 0.01 to 1.51 for
 *                              the years 1901 to 2050
 *
 *  Notes:
 *
 *  1) T = ((julianDayNumber - 2415020) + universalHours/24 - 0.5) / 36525.
 *     The difference of the day numbers is formed exactly in integers
 *     before the fractions are added, so the day count loses no bits to
 *     the large Julian Date.  1 January 2000 at 12:00 UT gives T = 1
 *     exactly.
 *
 *  2) A Universal Time below 0 or past 24 moves the moment into the
 *     previous or next day through the fraction of a day; the day number is
 *     taken as given.
 *
 *  References:
 *
 *     Julian Date = Julian Day Number - 0.5 + UT/24; the epoch 2415020.0 and
 *     the Julian century of 36525 days are those of the classical solar and
 *     lunar theories of the early twentieth century.
 */
double JulianCenturies(std::int32_t julianDayNumber, double universalHours);

/*
 *  DayOfWeek
 *
 *  Weekday of a Julian Day Number.
 *
 *  Given:
 *     julianDayNumber  int32   Julian Day Number (from JulianDayNumber)
 *
 *  Returned (function value):
 *                      int     weekday, 0 = Sunday, 1 = Monday ...
 *                              6 = Saturday
 *
 *  Notes:
 *
 *  1) The weekday is (julianDayNumber + 1) modulo 7, the remainder taken
 *     in 0..6 for negative numbers too.  Julian Day Number 0 was a Monday;
 *     1 January 2000 (2451545) is a Saturday.
 *
 *  2) For dates from 16 October 1582 on, whose number is Gregorian, this is
 *     the Gregorian weekday.  The week runs on unbroken across the
 *     Julian/Gregorian switch.
 *
 *  References:
 *
 *     The continuous seven-day week counted on the Julian Day Number.
 */
int DayOfWeek(std::int32_t julianDayNumber);

// "Sunday" .. "Saturday" for DayOfWeek's 0..6; "" for anything else.
const char* WeekdayName(int dayOfWeek);

/*
 *  DaysInMonth
 *
 *  Length of a month, as both programs check a date of birth.
 *
 *  Given:
 *     month   int   1 .. 12
 *     year    int   1901 .. 2050
 *
 *  Returned (function value):
 *             int   28 .. 31 (31 for a month outside 1 .. 12)
 *
 *  Notes:
 *
 *  1) February has 29 days in every year divisible by 4.  Over 1901 to
 *     2050 this is the Gregorian rule (2000 is a leap year; 1900 and 2100
 *     lie outside).
 */
int DaysInMonth(int month, int year);

} // namespace tenvari
