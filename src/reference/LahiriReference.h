// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "astro/Instant.h"

namespace tenvari {

/*
 *  LahiriReference
 *
 *  The Lahiri ayanamsa by its definition in the Indian Astronomical
 *  Ephemeris, with and without the nutation in longitude.
 *
 *  Fields:
 *     trueDegrees  double  the ayanamsa with the nutation in longitude
 *                          (true equinox of date), degrees
 *     meanDegrees  double  the ayanamsa without it (mean equinox of date),
 *                          degrees
 *
 *  Both are positive for the dates of interest (about 22.47 in 1901,
 *  24.57 at the end of 2050): the amount to subtract from a tropical
 *  longitude to obtain the sidereal one.
 */
struct LahiriReference {
    double trueDegrees = 0.0;
    double meanDegrees = 0.0;

    // An ayanamsa (degrees) less the true value, seconds of arc.
    double trueDifferenceArcsec(double ayanamsaDegrees) const {
        return (ayanamsaDegrees - trueDegrees) * 3600.0;
    }
};

/*
 *  LahiriReferenceTT
 *
 *  The defined Lahiri ayanamsa at a moment given in Terrestrial Time.
 *
 *  Given:
 *     tt1, tt2  double           TT as a 2-part Julian Date (any split)
 *
 *  Returned (function value):
 *               LahiriReference  true and mean ayanamsa, degrees
 *
 *  Notes:
 *
 *  1) The definition: on 1956 March 21, 0 h TT (JD 2435553.5, the epoch
 *     t0) the ayanamsa with nutation is 23 deg 15 min 00.658 sec.  It is
 *     carried to t by the general precession in longitude p_A of the IAU
 *     2006 precession and the nutation in longitude Delta psi of IAU 2000A:
 *        mean(t) = 23 15 00.658 - Delta psi(t0) + p_A(t) - p_A(t0)
 *        true(t) = mean(t) + Delta psi(t)
 *     so that true(t0) is the defining value.
 *
 *  2) p_A is GeneralPrecession's: the "pa" of eraP06e from the year 1000
 *     on, the long-term model before.  Delta psi at t0 is eraNut06a's;
 *     Delta psi at t is NutationInLongitude's, which follows eraNut06a
 *     within 0.05 mas over 1901-2050 and is eraNut06a itself outside.
 *
 *  3) The nutation series is fitted for the centuries around 2000; over
 *     -3000..+3000 its luni-solar terms keep their sense, and it moves the
 *     true value by at most some 19" about the mean one.
 *
 *  4) No other ayanamsa definition is implied: in particular the
 *     formula of LahiriCorrection differs from this one by up to a few
 *     arcseconds over 1901-2050 (its own constants and nutation terms).
 *
 *  References:
 *
 *     Indian Astronomical Ephemeris (India Meteorological Department,
 *     Positional Astronomy Centre, Kolkata): the definition of the Lahiri
 *     ayanamsa by its value at 1956 March 21, 0 h.
 *     Capitaine, N., Wallace, P. T. and Chapront, J., 2003, Astron.
 *     Astrophys. 412, 567 (IAU 2006 precession, P03); Hilton, J. et al.,
 *     2006, Celest. Mech. Dyn. Astron. 94, 351.
 *     ERFA: eraP06e, eraNut06a.
 */
LahiriReference LahiriReferenceTT(double tt1, double tt2);

/*
 *  LahiriReferenceUT
 *
 *  The defined Lahiri ayanamsa at a moment given in Universal Time.
 *
 *  Given:
 *     ut1, ut2  double           UT as a 2-part Julian Date (any split)
 *
 *  Returned (function value):
 *               LahiriReference  true and mean ayanamsa, degrees
 *
 *  Notes:
 *
 *  1) TT = UT + DeltaT(ut1, ut2) seconds; then LahiriReferenceTT.  The
 *     whole of Delta T moves the result by less than 0.0004 arcsec over
 *     1901-2050, so no distinction between UT1 and UTC matters here.
 *
 *  References:
 *
 *     See LahiriReferenceTT and DeltaT.
 */
LahiriReference LahiriReferenceUT(double ut1, double ut2);

/*
 *  LahiriReferenceAt, LahiriReferenceFor
 *
 *  The defined Lahiri ayanamsa at an instant, or at a birth moment.
 *
 *  Given:
 *     instant  Instant          the moment (its TT Julian Date is used)
 *  or
 *     moment   BirthMoment      as for ComputeAyanamsa; taken as
 *                               InstantOf(moment)
 *
 *  Returned (function value):
 *              LahiriReference  true and mean ayanamsa, degrees
 *
 *  Notes:
 *
 *  1) LahiriReferenceTT(instant.tt1, instant.tt2): the same moment as the
 *     window's formula uses, with the Delta T the instant carries.
 *
 *  2) The window shows minus its correction; the difference of the two,
 *     -ComputeAyanamsa(moment) - trueDegrees, is within 5 arcsec over
 *     1901-2050.
 *
 *  References:
 *
 *     See LahiriReferenceTT and InstantOf.
 */
LahiriReference LahiriReferenceAt(const Instant& instant);
LahiriReference LahiriReferenceFor(const BirthMoment& moment);

} // namespace tenvari
