// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/Instant.h"
#include "cli/CliMoment.h"
#include "reference/Definitions.h"
#include "reference/LahiriReference.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tenvari::cli {

/*
 *  ReadingOptions
 *
 *  What a reading computes, the same for every moment of a run.
 *
 *  Fields:
 *     withReference  bool     compute the definitions of the ledger (the
 *                             reference columns and the definitions'
 *                             values); without it only the shown value
 *     deltaTSeconds  optional<double>  TT - UT to use instead of the model
 *     shown          const AyanamsaDefinition*  the definition the plain
 *                             text and ayanamsa_deg show; nullptr: the
 *                             window's formula within 1901..2050, iae
 *                             outside
 *     columns        vector<const AyanamsaDefinition*>  the definitions
 *                             the machine formats carry, in order, at most
 *                             kMaxColumns and none twice; empty: every one
 *                             of definitions()
 */
struct ReadingOptions {
    bool withReference = true;
    std::optional<double> deltaTSeconds;
    const AyanamsaDefinition* shown = nullptr;
    std::vector<const AyanamsaDefinition*> columns;

    // The columns as used: `columns`, or every definition.  Refers to
    // `columns` (or to a list that lives as long as the program).
    std::span<const AyanamsaDefinition* const> columnList() const;
};

// The most definitions one reading carries.
inline constexpr std::size_t kMaxColumns = 8;

/*
 *  CliReading
 *
 *  Everything the command line reports for one moment: the window's steps
 *  and result, and the reference values beside them.
 *
 *  Fields:
 *     instant          Instant  the moment (InstantOf the birth moment in
 *                               the moment's calendar)
 *     julianDayNumber  int32    JulianDayNumber of the civil date
 *     universalHours   double   Universal Time in hours on the civil date,
 *                               not reduced to 0..24
 *     centuries        double   T from JD 2415020.0
 *     correction       double   minus the shown ayanamsa, degrees: the
 *                               window's ComputeAyanamsa when the formula
 *                               is shown
 *     text             string   the shown ayanamsa's text: the window's
 *                               label (AyanamsaDisplayText) for the
 *                               formula, FormatDegrees for the others
 *     shown            const AyanamsaDefinition*  the definition shown
 *     dayOfWeek        int      DayOfWeek of the civil date, 0 = Sunday
 *     gregorian        bool     the date was read as a Gregorian one
 *     hasReference     bool     the reference was computed
 *     reference        LahiriReference  the ledger's "iae" at the instant
 *     columns          span<const AyanamsaDefinition* const>  the
 *                               options' columnList(): the reading refers
 *                               to its options, which must outlive it
 *     values           array<AyanamsaValue, kMaxColumns>  the values of
 *                               columns[i] (empty without the reference)
 */
struct CliReading {
    Instant instant;
    std::int32_t julianDayNumber = 0;
    double universalHours = 0.0;
    double centuries = 0.0;
    double correction = 0.0;
    std::string text;
    const AyanamsaDefinition* shown = nullptr;
    int dayOfWeek = 0;
    bool gregorian = true;
    bool hasReference = false;
    LahiriReference reference;
    std::span<const AyanamsaDefinition* const> columns;
    std::array<AyanamsaValue, kMaxColumns> values{};

    // The shown ayanamsa, degrees.
    double ayanamsaDegrees() const { return -correction; }
    // The shown ayanamsa less the reference's true value, arcseconds.
    double differenceArcsec() const { return reference.trueDifferenceArcsec(ayanamsaDegrees()); }
};

/*
 *  readingOf
 *
 *  Given:
 *     moment   CliMoment       an accepted moment
 *     options  ReadingOptions  (or withReference alone, the rest default)
 *
 *  Returned (function value):
 *              optional<CliReading>  the steps, the shown value and, when
 *                                    asked, the definitions; empty when the
 *                                    shown definition has no value at the
 *                                    moment (the formula outside 1901..2050)
 *
 *  Notes:
 *
 *  1) The moment becomes one Instant (InstantOf of birthMomentOf, in the
 *     moment's calendar), whose numbers are the window's within
 *     1901..2050; the formula's correction is ComputeAyanamsa of it and
 *     the text AyanamsaDisplayText, so both programs show the same for the
 *     same input.  The reference is the ledger's "iae" at that instant.
 */
std::optional<CliReading> readingOf(const CliMoment& moment, const ReadingOptions& options);
CliReading readingOf(const CliMoment& moment, bool withReference);

// "julian" or "gregorian": the calendar a reading's date was read in.
const char* calendarName(const CliReading& reading);

} // namespace tenvari::cli
