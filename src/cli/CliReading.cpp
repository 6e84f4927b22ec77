// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliReading.h"

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"
#include "astro/Lahiri.h"
#include "reference/Definitions.h"

namespace tenvari::cli {

CliReading readingOf(const CliMoment& moment, bool withReference) {
    const Instant instant = InstantOf(birthMomentOf(moment));
    CliReading reading;
    reading.julianDayNumber = instant.julianDayNumber;
    reading.universalHours = instant.universalHours;
    reading.centuries = instant.centuries;
    reading.correction = ComputeAyanamsa(instant);
    reading.text = AyanamsaDisplayText(reading.correction);
    reading.dayOfWeek = DayOfWeek(instant.julianDayNumber);
    if (withReference) {
        static const AyanamsaDefinition* const iae = findDefinition("iae");
        const AyanamsaValue value = iae->compute(instant);
        reading.reference = LahiriReference{.trueDegrees = value.trueDegrees.value_or(0.0),
                                            .meanDegrees = value.meanDegrees.value_or(0.0)};
        reading.hasReference = value.trueDegrees.has_value();
    }
    return reading;
}

} // namespace tenvari::cli
