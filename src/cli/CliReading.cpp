// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliReading.h"

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"
#include "astro/Lahiri.h"

namespace tenvari::cli {

CliReading readingOf(const CliMoment& moment, bool withReference) {
    const BirthMoment birth = toBirthMoment(moment);
    CliReading reading;
    reading.julianDayNumber = JulianDayNumber(birth.month, birth.day, birth.year);
    reading.universalHours = UniversalHours(birth);
    reading.centuries = JulianCenturies(reading.julianDayNumber, reading.universalHours);
    // ComputeAyanamsa's own steps, whose results are kept on the way.
    reading.correction = LahiriCorrection(reading.centuries);
    reading.text = AyanamsaDisplayText(reading.correction);
    reading.dayOfWeek = DayOfWeek(reading.julianDayNumber);
    if (withReference) {
        reading.reference = LahiriReferenceFor(birth);
        reading.hasReference = true;
    }
    return reading;
}

} // namespace tenvari::cli
