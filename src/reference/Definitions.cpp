// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Definitions.h"

#include "astro/Lahiri.h"
#include "reference/LahiriReference.h"
#include "reference/Nutation.h"
#include "reference/Precession.h"
#include "reference/Spica.h"

#include <array>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

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
 *     00 sec, true, on 1956 March 21, 0 h; as quoted by Bhatnagar, A. K.,
 *     1990, "Effect of the new equinox definition on the zero-point of
 *     longitude of the Indian calendar", IAU Symposium 141 (Kluwer), who
 *     gives the moment as 0 h UT (31 s of time from 0 h TT: 0.0004").
 */
AyanamsaValue icrcValue(const Instant& instant) {
    AyanamsaValue value = iaeValue(instant);
    if (value.trueDegrees) {
        *value.trueDegrees -= 0.658 * kArcsecond;
        *value.meanDegrees -= 0.658 * kArcsecond;
    }
    return value;
}

} // namespace

/*
 *  Vp285Epoch
 *
 *  The moment of the mean vernal equinox of 285 CE.
 *
 *  Returned (function value):
 *     double  TT Julian Date at which the Sun's mean longitude, referred to
 *             the mean equinox of date, is 0: 285 March 22, 17:53 TT
 *             (Julian calendar), JD 1825235.2453
 *
 *  Notes:
 *
 *  1) The Sun's mean longitude is F - D + Omega, with the Delaunay
 *     arguments of the IERS Conventions 2003 (eraFaf03, eraFad03,
 *     eraFaom03); Newton's method from 285 March 20, 0 h finds its zero in
 *     two or three steps.  Computed once.
 *
 *  2) The mean Sun stands for the Sun here: the true Sun reaches the
 *     equinox up to two days from it.  A day's shift of the epoch moves
 *     every VP285 value by about 0.14".
 */
double Vp285Epoch() {
    static const double epoch = [] {
        double jd = 1825232.5; // 285 March 20, 0 h (Julian calendar)
        for (int step = 0; step < 8; ++step) {
            const double t = (jd - ERFA_DJ00) / ERFA_DJC;
            const double longitude = eraAnpm(eraFaf03(t) - eraFad03(t) + eraFaom03(t));
            // The mean Sun moves 2 pi in a tropical year.
            jd -= longitude / ERFA_D2PI * 365.24219;
        }
        return jd;
    }();
    return epoch;
}

namespace {

/*
 *  vp285Value
 *
 *  The sidereal zero point at the mean vernal equinox of 285 CE.
 *
 *  Given:
 *     instant  Instant        its TT
 *
 *  Returned (function value):
 *              AyanamsaValue  mean: p_A(t) - p_A(t0), the general precession
 *                             since t0 = Vp285Epoch(); true: the
 *                             same plus the nutation in longitude at t;
 *                             empty outside -3000..+3000
 *
 *  Notes:
 *
 *  1) So the mean value is zero at t0 exactly.  p_A is GeneralPrecession
 *     (the long-term model before the year 1000, so at t0 too).
 *
 *  References:
 *
 *     Lahiri's Indian Ephemeris (Astro-Research Bureau, Kolkata), preface:
 *     "the adoption of 285 A.D. ... as the zero ayanamsa year", the
 *     coincidence of the tropical and sidereal zodiacs on the vernal
 *     equinox day of 285 AD.
 */
AyanamsaValue vp285Value(const Instant& instant) {
    if (!InDefinitionsRange(instant)) {
        return {};
    }
    static const double atEpoch = GeneralPrecession(Vp285Epoch(), 0.0);
    const double mean = (GeneralPrecession(instant.tt1, instant.tt2) - atEpoch) * ERFA_DR2D;
    const double nutation = NutationInLongitude(instant.tt1, instant.tt2) * ERFA_DR2D;
    return {.trueDegrees = mean + nutation, .meanDegrees = mean};
}

/*
 *  trueChitraValue
 *
 *  True Chitrapaksha: the ayanamsa that puts Spica at 180 deg exactly.
 *
 *  Given:
 *     instant  Instant        its TT
 *
 *  Returned (function value):
 *              AyanamsaValue  true: Spica's geometric ecliptic longitude
 *                             referred to the true equinox of date, less
 *                             180 deg; mean: the same from the mean
 *                             equinox; empty outside -3000..+3000
 *
 *  Notes:
 *
 *  1) Spica's direction is SpicaDirection (catalogue place carried by its
 *     space motion, seen from the Earth's centre, no aberration, no light
 *     deflection), turned into the mean ecliptic and equinox of date by
 *     EclipticMatrix.  The nutation moves the equinox along that ecliptic
 *     by Delta psi (NutationInLongitude), so the true longitude is the
 *     mean one plus Delta psi.
 *
 *  2) Peers differ on "true": with the annual aberration (the apparent
 *     place) the value swings by up to about 20" through the year about
 *     this one.
 *
 *  3) Spica's own motion, about 0.04" a year in longitude, makes this
 *     ayanamsa drift against those fixed by precession alone (iae, icrc,
 *     vp285).
 *
 *  References:
 *
 *     See SpicaDirection, EclipticMatrix and NutationInLongitude.
 */
AyanamsaValue trueChitraValue(const Instant& instant) {
    if (!InDefinitionsRange(instant)) {
        return {};
    }
    double direction[3];
    SpicaDirection(instant.tt1, instant.tt2, direction);
    double rm[3][3];
    EclipticMatrix(instant.tt1, instant.tt2, rm);
    double ecliptic[3];
    eraRxp(rm, direction, ecliptic);
    double longitude = 0.0;
    double latitude = 0.0;
    eraC2s(ecliptic, &longitude, &latitude);
    const double mean = eraAnpm(longitude - ERFA_DPI) * ERFA_DR2D;
    const double nutation = NutationInLongitude(instant.tt1, instant.tt2) * ERFA_DR2D;
    return {.trueDegrees = mean + nutation, .meanDegrees = mean};
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
    AyanamsaDefinition{"vp285",
                       "zero (mean) at the mean vernal equinox of 285 CE, carried by the "
                       "general precession",
                       "Lahiri's Indian Ephemeris, preface: 285 A.D. the zero ayanamsa year",
                       vp285Value},
    AyanamsaDefinition{"true_chitra",
                       "Spica (alpha Virginis) at 180 deg of true geometric longitude at "
                       "every date, from its catalogue place and space motion",
                       "Hipparcos new reduction (van Leeuwen 2007), HIP 65474; ERFA eraPmsafe",
                       trueChitraValue},
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
