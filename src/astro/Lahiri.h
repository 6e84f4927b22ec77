// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "astro/Instant.h"

namespace tenvari {

/*
 *  LahiriCorrection
 *
 *  Lahiri ayanamsa with nutation, returned as the correction from tropical
 *  to sidereal longitude.
 *
 *  Given:
 *     T       double  time in Julian centuries of 36525 days from Julian
 *                     Date 2415020.0 (from JulianCenturies); finite, about
 *                     0.01 to 1.51 for the years 1901 to 2050 (see Note 5)
 *
 *  Returned (function value):
 *             double  correction in degrees: the amount that, added to a
 *                     tropical longitude, gives the sidereal longitude; it
 *                     is minus the ayanamsa (about -22.48 in 1901, -23.85
 *                     in 2000, -24.57 at the end of 2050)
 *
 *  Notes:
 *
 *  1) Evaluated in this order, all in double precision (angles in degrees,
 *     the terms N and V in arcseconds, k = 0.0174532925199433):
 *        Omega = ((933060 - T*6962911) + T*(T*7.5)) / 3600
 *        while Omega >= 360: Omega = Omega - 360
 *        S     = (T*259205536 + 2013816) / 3600
 *        N     = sin(S*k)*1.27 + sin(Omega*k)*17.23
 *        V     = N - T*(T*1.11 + 5025.64)
 *        result = (V - 80861.27) / 3600
 *     Omega is the longitude of the Moon's mean ascending node, S twice the
 *     Sun's mean longitude; N is the nutation in longitude with its sign
 *     reversed.
 *
 *  2) The node is reduced one way only: Omega is brought below 360 by
 *     subtracting 360, but a negative Omega (every T above about 0.134,
 *     that is from 1913 on) is used as it is, and S is not reduced at all.
 *     The sine is periodic, so this affects only the last bits.
 *
 *  3) The degree-to-radian factor is the decimal 0.0174532925199433, not
 *     pi/180 rounded to double.  The two differ by about 2e-16 relative,
 *     far below a shown arcsecond; the decimal constant is kept so that the
 *     results can be reproduced to the last bit.
 *
 *  4) The reduction loop runs only for T below about -0.052 (dates before
 *     1895); its number of passes grows with T squared: six at T = -1,
 *     about ninety at T = -16, about two thousand at T = -375, the
 *     farthest any BirthMoment reaches (|T| < 380 whatever its int16
 *     fields hold).  T must be finite: for T = -infinity, or |T| so large
 *     that subtracting 360 no longer changes Omega, the loop would not end.
 *
 *  5) For T below about -16.15 (before about the year 285) the ayanamsa is
 *     negative and the correction positive (T = -17 gives +1.18331064).
 *     The polynomial is meant for a few centuries around 1900; far from
 *     there it is evaluated the same way but means little.
 *
 *  References:
 *
 *     The Lahiri ayanamsa: 22 deg 27 min 41.27 sec (80861.27 arcsec) at the
 *     epoch 1900 January 0.5, growing with the classical general precession
 *     in longitude, 5025.64 arcsec per century with a square term of 1.11
 *     arcsec.  The nutation is the two principal terms of the classical
 *     series for the nutation in longitude, -17.23 sin(Omega) - 1.27 sin(2L)
 *     arcsec, with the mean node of the Moon and the mean longitude L of
 *     the Sun from the classical lunar and solar theories referred to the
 *     same epoch.
 */
double LahiriCorrection(double T);

/*
 *  LahiriTerms
 *
 *  The intermediate values of LahiriCorrection at one T, for checking the
 *  formula step by step.
 *
 *  Fields:
 *     node        double  longitude of the Moon's mean ascending node after
 *                         the one-way reduction, degrees (negative from
 *                         1913 on)
 *     twiceSun    double  twice the Sun's mean longitude, degrees, not
 *                         reduced
 *     nutation    double  nutation in longitude with its sign reversed,
 *                         arcseconds
 *     correction  double  the result of LahiriCorrection, degrees
 */
struct LahiriTerms {
    double node = 0.0;
    double twiceSun = 0.0;
    double nutation = 0.0;
    double correction = 0.0;
};

/*
 *  LahiriTermsAt
 *
 *  LahiriCorrection with its intermediate values.
 *
 *  Given:
 *     T       double       as LahiriCorrection
 *
 *  Returned (function value):
 *             LahiriTerms  Omega, S and N of LahiriCorrection Note 1 and
 *                          the correction, which equals LahiriCorrection(T)
 *                          to the last bit
 *
 *  Notes:
 *
 *  1) LahiriCorrection is this function's correction; the notes and
 *     references there apply.
 */
LahiriTerms LahiriTermsAt(double T);

/*
 *  ComputeAyanamsa
 *
 *  Ayanamsa correction at an instant, or for a birth moment.
 *
 *  Given:
 *     instant  Instant      the moment (its centuries are used)
 *  or
 *     moment   BirthMoment  civil date, local clock time, zone, longitude
 *                           and daylight-saving flag; taken as
 *                           InstantOf(moment)
 *
 *  Returned (function value):
 *              double       correction in degrees (minus the Lahiri
 *                           ayanamsa with nutation), as LahiriCorrection
 *
 *  Notes:
 *
 *  1) The value is LahiriCorrection(instant.centuries).
 *
 *  2) Nothing is checked.  Every BirthMoment, including impossible dates,
 *     gives a finite result.
 *
 *  References:
 *
 *     See InstantOf and LahiriCorrection.
 */
double ComputeAyanamsa(const Instant& instant);
double ComputeAyanamsa(const BirthMoment& moment);

} // namespace tenvari
