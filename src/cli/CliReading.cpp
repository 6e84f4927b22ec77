// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliReading.h"

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"
#include "astro/Lahiri.h"

#include <algorithm>

namespace tenvari::cli {

namespace {

const AyanamsaDefinition& named(std::string_view name) {
    return *findDefinition(name);
}

bool readAsGregorian(const CliMoment& moment) {
    switch (moment.calendar) {
    case Calendar::Julian:
        return false;
    case Calendar::Gregorian:
        return true;
    case Calendar::Window:
    case Calendar::Historical:
        break;
    }
    return moment.year > 1582 ||
           (moment.year == 1582 && (moment.month > 10 || (moment.month == 10 && moment.day > 4)));
}

} // namespace

std::span<const AyanamsaDefinition* const> ReadingOptions::columnList() const {
    if (!columns.empty()) {
        return columns;
    }
    static const std::vector<const AyanamsaDefinition*> all = [] {
        std::vector<const AyanamsaDefinition*> list;
        for (const AyanamsaDefinition& definition : definitions()) {
            list.push_back(&definition);
        }
        return list;
    }();
    return all;
}

std::optional<CliReading> readingOf(const CliMoment& moment, const ReadingOptions& options) {
    static const AyanamsaDefinition& formula = named("formula");
    static const AyanamsaDefinition& iae = named("iae");

    const Instant instant =
        InstantOf(birthMomentOf(moment), moment.calendar, options.deltaTSeconds);
    CliReading reading;
    reading.instant = instant;
    reading.julianDayNumber = instant.julianDayNumber;
    reading.universalHours = instant.universalHours;
    reading.centuries = instant.centuries;
    reading.dayOfWeek = DayOfWeek(instant.julianDayNumber);
    reading.gregorian = readAsGregorian(moment);

    reading.shown = options.shown;
    if (reading.shown == nullptr) {
        reading.shown = InFormulaRange(instant) ? &formula : &iae;
    }
    if (reading.shown == &formula) {
        if (!InFormulaRange(instant)) {
            return std::nullopt;
        }
        reading.correction = ComputeAyanamsa(instant);
        reading.text = AyanamsaDisplayText(reading.correction);
    } else {
        const std::optional<double> shown = reading.shown->compute(instant).trueDegrees;
        if (!shown) {
            return std::nullopt;
        }
        reading.correction = -*shown;
        reading.text = FormatDegrees(*shown);
    }

    if (options.withReference) {
        const AyanamsaValue value = iae.compute(instant);
        reading.hasReference = value.trueDegrees.has_value();
        reading.reference = LahiriReference{.trueDegrees = value.trueDegrees.value_or(0.0),
                                            .meanDegrees = value.meanDegrees.value_or(0.0)};
    }
    reading.columns =
        options.columnList().first(std::min(options.columnList().size(), kMaxColumns));
    if (options.withReference) {
        for (std::size_t i = 0; i < reading.columns.size(); ++i) {
            const AyanamsaDefinition* definition = reading.columns[i];
            reading.values[i] = definition == &iae ? AyanamsaValue{reading.reference.trueDegrees,
                                                                   reading.reference.meanDegrees}
                                                   : definition->compute(instant);
        }
    }
    return reading;
}

CliReading readingOf(const CliMoment& moment, bool withReference) {
    ReadingOptions options;
    options.withReference = withReference;
    return readingOf(moment, options).value_or(CliReading{});
}

const char* calendarName(const CliReading& reading) {
    return reading.gregorian ? "gregorian" : "julian";
}

} // namespace tenvari::cli
