// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tenvari {

/*
 *  BirthMoment
 *
 *  The numeric input of the ayanamsa computation: a civil date, a local
 *  clock time, a zone offset without direction, the longitude and its
 *  East/West choice and the daylight-saving flag.  The reading command owns
 *  one record and keeps it from one reading to the next; before the first
 *  reading every number is zero and both flags are false.
 *
 *  Fields:
 *     month         int16   1 = January ... 12 = December
 *     day           int16   day of the month (not checked against the month:
 *                           31 April counts as 1 May)
 *     year          int16   calendar year (the form offers 1901 to 2050)
 *     hour          int16   hour of the local clock time, 0 to 23
 *     minute        int16   minute of the local clock time, 0 to 59
 *     zoneHours     int16   whole hours of the zone offset, never negative
 *     zoneMinutes   int16   minutes of the zone offset, never negative
 *     lonDegrees    int16   whole degrees of the longitude, 0 to 179
 *     lonMinutes    int16   minutes of the longitude, 0 to 59
 *     east          bool    the longitude was entered as East
 *     daylightSaving bool   daylight-saving time was in force
 *
 *  Notes:
 *
 *  1) The zone fields carry no sign.  Whether the zone lies east or west of
 *     Greenwich follows from the longitude alone (see UniversalHours).
 *
 *  2) There are no seconds and no latitude: the ayanamsa depends on
 *     neither.
 */
struct BirthMoment {
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t zoneHours = 0;
    std::int16_t zoneMinutes = 0;
    std::int16_t lonDegrees = 0;
    std::int16_t lonMinutes = 0;
    bool east = false;
    bool daylightSaving = false;
};

} // namespace tenvari
