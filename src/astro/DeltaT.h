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
 *               double  Delta T in seconds of time (about 20.6 h at
 *                       -3000, 2.9 h at 0, 1.6 min in 1600, -1.4 s in 1901,
 *                       +64 s in 2000, +95 s at the end of 2050, 1.2 h at
 *                       3000)
 *
 *  Notes:
 *
 *  1) The polynomial expressions of Espenak and Meeus, each valid over its
 *     own span of years: -500..500, 500..1600, 1600..1700, 1700..1800,
 *     1800..1860, 1860..1900, 1900..1920, 1920..1941, 1941..1961,
 *     1961..1986, 1986..2005, 2005..2050 and 2050..2150; before -500 and
 *     after 2150 the long-term parabola -20 + 32 u^2 s, u = (y - 1820)/100.
 *     The decimal year is taken as y = 2000 + (JD - 2451544.5)/365.2425,
 *     which differs from the authors' y = year + (month - 0.5)/12 by days
 *     at most (by about 10 days before 1582, whose dates are Julian); Delta
 *     T moves by well under a second in that time.
 *
 *  2) Up to 2005 the expressions follow the values derived from
 *     observation: within about a second since 1900, but with a standard
 *     error that grows going back (Morrison and Stephenson 2004: about
 *     0.8 u^2 s, so 54 s at 1000, 4.4 min at 0, 7 min at -500, and some
 *     half an hour at -3000, where it is a model's extrapolation).  After
 *     2005 they are an extrapolation, which by 2024 already exceeds the
 *     observed value by some 5 s.  For the ayanamsa this matters little:
 *     the precession moves the equinox by 0.0057" an hour, so even the
 *     half hour at -3000 moves a value by about 0.003", and within
 *     1901-2050 leaving Delta T out altogether changes a value by less
 *     than 0.0004".
 *
 *  3) From -500 to 2150 the expressions meet at their joins within 0.3 s;
 *     no join is smoothed.
 *
 *  References:
 *
 *     Espenak, F. and Meeus, J., 2006, Five Millennium Canon of Solar
 *     Eclipses: -1999 to +3000, NASA Technical Publication TP-2006-214141,
 *     section 2.6, "Polynomial expressions for Delta T".
 *     Morrison, L. V. and Stephenson, F. R., 2004, J. Hist. Astron. 35,
 *     327 (the standard error of Delta T).
 */
double DeltaT(double ut1, double ut2);

} // namespace tenvari
