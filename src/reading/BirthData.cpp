// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/BirthData.h"

#include "reading/TextNumbers.h"

namespace tenvari {

BirthMomentResult toBirthMoment(const BirthData& data) {
    BirthMomentResult result;
    BirthMoment& m = result.moment;
    // The list fields hold small numbers from the form's lists.
    m.month = static_cast<std::int16_t>(data.month);
    m.day = static_cast<std::int16_t>(data.day);
    m.year = static_cast<std::int16_t>(data.year);
    m.hour = static_cast<std::int16_t>(data.hour);
    m.minute = static_cast<std::int16_t>(data.minute);

    const auto zoneHours = zoneMagnitude(data.zoneHoursText);
    if (!zoneHours) {
        result.refused = BirthField::ZoneHours;
        return result;
    }
    m.zoneHours = *zoneHours;

    const auto zoneMinutes = zoneMagnitude(data.zoneMinutesText);
    if (!zoneMinutes) {
        result.refused = BirthField::ZoneMinutes;
        return result;
    }
    m.zoneMinutes = *zoneMinutes;

    const auto lonDegrees = wholeNumber(leadingNumber(data.lonDegreesText));
    if (!lonDegrees) {
        result.refused = BirthField::LonDegrees;
        return result;
    }
    m.lonDegrees = *lonDegrees;

    const auto lonMinutesValue = numericValue(data.lonMinutesText);
    const auto lonMinutes = lonMinutesValue ? wholeNumber(*lonMinutesValue) : std::nullopt;
    if (!lonMinutes) {
        result.refused = BirthField::LonMinutes;
        return result;
    }
    m.lonMinutes = *lonMinutes;

    m.east = data.lonHemisphere == LonHemisphere::East;
    m.daylightSaving = data.dst;
    return result;
}

} // namespace tenvari
