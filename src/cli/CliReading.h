// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliMoment.h"
#include "reference/LahiriReference.h"

#include <cstdint>
#include <string>

namespace tenvari::cli {

/*
 *  CliReading
 *
 *  Everything the command line reports for one moment: the window's steps
 *  and result, and the reference values beside them.
 *
 *  Fields:
 *     julianDayNumber  int32   JulianDayNumber of the civil date
 *     universalHours   double  UniversalHours: Universal Time in hours on
 *                              the civil date, not reduced to 0..24
 *     centuries        double  JulianCenturies: T from JD 2415020.0
 *     correction       double  ComputeAyanamsa: minus the ayanamsa, degrees
 *     text             string  AyanamsaDisplayText of the correction, the
 *                              window's label
 *     dayOfWeek        int     DayOfWeek of the civil date, 0 = Sunday
 *     hasReference     bool    the reference was computed
 *     reference        LahiriReference  LahiriReferenceFor the same moment
 */
struct CliReading {
    std::int32_t julianDayNumber = 0;
    double universalHours = 0.0;
    double centuries = 0.0;
    double correction = 0.0;
    std::string text;
    int dayOfWeek = 0;
    bool hasReference = false;
    LahiriReference reference;

    // The ayanamsa by the window's formula, degrees.
    double ayanamsaDegrees() const { return -correction; }
    // The formula's ayanamsa less the reference's true value, arcseconds.
    double differenceArcsec() const { return reference.trueDifferenceArcsec(ayanamsaDegrees()); }
};

/*
 *  readingOf
 *
 *  Given:
 *     moment         CliMoment   an accepted moment
 *     withReference  bool        compute the reference values as well
 *
 *  Returned (function value):
 *                    CliReading  the steps, the window's result and, when
 *                                asked, the reference
 *
 *  Notes:
 *
 *  1) The moment becomes one Instant (InstantOf of birthMomentOf), whose
 *     numbers are the window's; the correction is ComputeAyanamsa of it and
 *     the text AyanamsaDisplayText, so both programs show the same for the
 *     same input.  The reference is the ledger's "iae" at that instant.
 */
CliReading readingOf(const CliMoment& moment, bool withReference);

} // namespace tenvari::cli
