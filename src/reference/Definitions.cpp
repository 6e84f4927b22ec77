// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Definitions.h"

#include "astro/Lahiri.h"
#include "reference/LahiriReference.h"

#include <array>

namespace tenvari {

namespace {

constexpr double kArcsecond = 1.0 / 3600.0; // degrees

/*
 *  formulaValue
 *
 *  The window's formula (LahiriCorrection) as an ayanamsa.
 *
 *  Given:
 *     instant  Instant        its centuries T
 *
 *  Returned (function value):
 *              AyanamsaValue  true: -LahiriCorrection(T); mean: the same
 *                             without the formula's own two nutation
 *                             terms; both empty outside 1901-2050
 *
 *  Notes:
 *
 *  1) The formula is fitted for the window's years; outside them it is not
 *     offered.
 *
 *  References:
 *
 *     See LahiriCorrection.
 */
AyanamsaValue formulaValue(const Instant& instant) {
    if (!InFormulaRange(instant)) {
        return {};
    }
    const LahiriTerms terms = LahiriTermsAt(instant.centuries);
    // terms.nutation is minus the nutation in longitude, arcseconds.
    return {.trueDegrees = -terms.correction,
            .meanDegrees = -terms.correction + terms.nutation * kArcsecond};
}

/*
 *  iaeValue
 *
 *  The Indian Astronomical Ephemeris' Lahiri ayanamsa.
 *
 *  Given:
 *     instant  Instant        its TT
 *
 *  Returned (function value):
 *              AyanamsaValue  LahiriReferenceAt(instant); empty outside
 *                             -3000..+3000
 *
 *  References:
 *
 *     See LahiriReferenceTT.
 */
AyanamsaValue iaeValue(const Instant& instant) {
    if (!InDefinitionsRange(instant)) {
        return {};
    }
    const LahiriReference value = LahiriReferenceAt(instant);
    return {.trueDegrees = value.trueDegrees, .meanDegrees = value.meanDegrees};
}

/*
 *  icrcValue
 *
 *  The Calendar Reform Committee's Lahiri ayanamsa.
 *
 *  Given:
 *     instant  Instant        its TT
 *
 *  Returned (function value):
 *              AyanamsaValue  iaeValue less 0.658 arcsec, true and mean
 *
 *  Notes:
 *
 *  1) The committee fixed 23 deg 15 min 00 sec, with nutation, at 1956
 *     March 21, 0 h; the ephemeris later states 23 deg 15 min 00.658 sec
 *     for the same moment.  Carried by the same precession and nutation,
 *     the two differ by the same 0.658 arcsec at every date.
 *
 *  References:
 *
 *     Report of the Calendar Reform Committee, Council of Scientific and
 *     Industrial Research, New Delhi, 1955: the ayanamsa of 23 deg 15 min
 *     00 sec on 1956 March 21, 0 h ET.
 */
AyanamsaValue icrcValue(const Instant& instant) {
    AyanamsaValue value = iaeValue(instant);
    if (value.trueDegrees) {
        *value.trueDegrees -= 0.658 * kArcsecond;
        *value.meanDegrees -= 0.658 * kArcsecond;
    }
    return value;
}

constexpr std::array kDefinitions{
    AyanamsaDefinition{
        "formula",
        "the window's formula: 22 deg 27 min 41.27 sec at 1900 Jan 0.5 plus classical "
        "precession and two nutation terms, 1901-2050 only",
        "the classical Lahiri polynomial (Newcomb's precession), as Tenvari's window computes it",
        formulaValue},
    AyanamsaDefinition{
        "iae",
        "23 deg 15 min 00.658 sec true at 1956 Mar 21, 0 h TT, carried by IAU 2006 precession "
        "and IAU 2000A nutation",
        "Indian Astronomical Ephemeris (Positional Astronomy Centre, Kolkata)", iaeValue},
    AyanamsaDefinition{"icrc",
                       "23 deg 15 min 00 sec true at 1956 Mar 21, 0 h, carried as iae "
                       "(iae less 0.658 sec at every date)",
                       "Report of the Calendar Reform Committee, CSIR, New Delhi, 1955", icrcValue},
};

} // namespace

std::span<const AyanamsaDefinition> definitions() {
    return kDefinitions;
}

const AyanamsaDefinition* findDefinition(std::string_view name) {
    for (const AyanamsaDefinition& definition : kDefinitions) {
        if (definition.name == name) {
            return &definition;
        }
    }
    return nullptr;
}

bool InDefinitionsRange(const Instant& instant) {
    static const std::int32_t first = JulianDayNumberIn(Calendar::Julian, 1, 1, -3000);
    static const std::int32_t last = JulianDayNumberIn(Calendar::Gregorian, 12, 31, 3000);
    return instant.julianDayNumber >= first && instant.julianDayNumber <= last;
}

bool InFormulaRange(const Instant& instant) {
    static const std::int32_t first = JulianDayNumberIn(Calendar::Gregorian, 1, 1, 1901);
    static const std::int32_t last = JulianDayNumberIn(Calendar::Gregorian, 12, 31, 2050);
    return instant.julianDayNumber >= first && instant.julianDayNumber <= last;
}

} // namespace tenvari
