// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

/*
 *  DeltaT
 *
 *  Difference between Terrestrial Time and Universal Time, TT - UT1.
 *
 *  Given:
 *     ut1, ut2  double  UT as a 2-part Julian Date (any split, e.g.
 *                       ut1 = Julian Day Number - 0.5 and ut2 = hours/24)
 *
 *  Returned (function value):
 *               double  Delta T in seconds of time (about -1.4 s in
 *                       1901, +29 s in 1950, +64 s in 2000, +95 s at the
 *                       end of 2050)
 *
 *  Notes:
 *
 *  1) The polynomial expressions of Espenak and Meeus, each valid over its
 *     own span of years: 1860-1900, 1900-1920, 1920-1941, 1941-1961,
 *     1961-1986, 1986-2005, 2005-2050 and 2050-2150; outside 1860-2150 the
 *     long-term parabola -20 + 32 u^2 s, u = (y - 1820)/100.  The decimal
 *     year is taken as y = 2000 + (JD - 2451544.5)/365.2425, which differs
 *     from the authors' y = year + (month - 0.5)/12 by days at most; Delta
 *     T moves by well under 0.01 s in that time.
 *
 *  2) Up to 2005 the expressions follow the observed values within about a
 *     second; after that they are an extrapolation, which by 2024 already
 *     exceeds the observed value by some 5 s.  For the ayanamsa this does
 *     not matter: the precession and nutation move the equinox by no more
 *     than about 4e-6 arcsec per second of time, so leaving Delta T out
 *     altogether changes a value of 1901 to 2050 by less than 0.0004
 *     arcsec.
 *
 *  3) From 1900 to 2150 the expressions meet at their joins within 0.1 s;
 *     at 1860 the long-term parabola meets the first of them with a jump of
 *     22 s.  No join is smoothed.
 *
 *  References:
 *
 *     Espenak, F. and Meeus, J., 2006, Five Millennium Canon of Solar
 *     Eclipses: -1999 to +3000, NASA Technical Publication TP-2006-214141,
 *     section 2.6, "Polynomial expressions for Delta T".
 */
double DeltaT(double ut1, double ut2);

} // namespace tenvari
