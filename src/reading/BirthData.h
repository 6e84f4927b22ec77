// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "astro/HiddenLongitude.h"

#include <QString>
#include <optional>

namespace tenvari {

enum class LatHemisphere { North, South };
enum class LonHemisphere { East, West };

/*
 *  BirthData
 *
 *  The birth details as the main form holds them. Texts are kept exactly
 *  as typed (nothing trimmed); list fields hold the number their selected
 *  entry shows. The initial values are those of a freshly loaded form.
 *
 *  Fields:
 *     name             text     txtName; typed: capitals and blanks
 *     day              int      cboDate, 1..31
 *     month            int      cboMonth, 1 = January .. 12 = December
 *     year             int      cboYear, 1901..2050
 *     hour             int      cboHH, 0..23
 *     minute           int      cboMM, 0..59
 *     second           int      cboSS, 0..59 (takes no part in a reading)
 *     city, state, country  text  txtMCity, txtMState, txtMCountry (no part)
 *     latDegreesText   text     txtLatD, up to 2 digits (no part)
 *     latMinutesText   text     txtLatM, up to 2 digits (no part)
 *     latHemisphere             optLat (no part)
 *     lonDegreesText   text     txtLonD, up to 3 digits
 *     lonMinutesText   text     txtLonM, up to 2 digits
 *     lonHemisphere             optLong
 *     zoneHoursText    text     txtZoneHour: digits and minus signs, or
 *                               what the zone picker wrote
 *     zoneMinutesText  text     txtZoneMinute: digits, or what the picker
 *                               wrote (which may be negative)
 *     dst              bool     chkDST checked (a greyed box counts too)
 */
struct BirthData {
    QString name;
    int day = 1;
    int month = 1;
    int year = 1901;
    int hour = 0;
    int minute = 0;
    int second = 0;
    QString city = QStringLiteral("a");
    QString state = QStringLiteral("a");
    QString country = QStringLiteral("a");
    QString latDegreesText = QStringLiteral("1");
    QString latMinutesText = QStringLiteral("1");
    LatHemisphere latHemisphere = LatHemisphere::North;
    QString lonDegreesText = QString::number(kHiddenLonDegrees);
    QString lonMinutesText = QString::number(kHiddenLonMinutes);
    LonHemisphere lonHemisphere = LonHemisphere::East;
    QString zoneHoursText;
    QString zoneMinutesText;
    bool dst = false;
};

// The text fields of the form that a check or the conversion to
// BirthMoment can refuse; the refusal puts the focus on the field's box.
enum class BirthField {
    Name,
    LonDegrees,
    LonMinutes,
    LatDegrees,
    LatMinutes,
    ZoneHours,
    ZoneMinutes,
    City,
    State,
    Country
};

// The computation's input formed from the form's record, or the first field
// that could not be converted (then `moment` is not to be used).
struct BirthMomentResult {
    BirthMoment moment;
    std::optional<BirthField> refused;
};

/*
 *  toBirthMoment
 *
 *  Given:
 *     data    BirthData  the form's record, after ValidateBirthData passed
 *
 *  Returned (function value):
 *             BirthMomentResult  the moment, or the first field (in the
 *                        order zone hours, zone minutes, longitude degrees,
 *                        longitude minutes) that does not convert
 *
 *  Notes:
 *
 *  1) Month, day, year, hour and minute are taken as they are.
 *
 *  2) Zone hours and minutes follow zoneMagnitude: an empty or blank text
 *     is 0, a text that is not a number refuses the reading.
 *
 *  3) Longitude degrees: the leading number of the text (the number the
 *     validation checked, so "12ab" is 12 and a text without a number is
 *     0), rounded by the whole-number rule. Longitude minutes: the numeric
 *     value of the whole text, rounded likewise. After the validation both
 *     always convert; outside it a refusal names the field.
 *
 *  4) east is true for East, daylightSaving for a checked box.
 *
 *  5) Every field of the moment is set from this record alone: nothing is
 *     carried over from an earlier reading.
 */
BirthMomentResult toBirthMoment(const BirthData& data);

} // namespace tenvari
