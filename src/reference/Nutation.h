// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

/*
 *  NutationInLongitude
 *
 *  Nutation in longitude, IAU 2000A as adjusted for IAU 2006 (the value
 *  of ERFA's eraNut06a), at the cost of the truncated IAU 2000B series.
 *
 *  Given:
 *     tt1, tt2  double  TT as a 2-part Julian Date (any split)
 *
 *  Returned (function value):
 *               double  nutation in longitude Delta psi, radians
 *
 *  Notes:
 *
 *  1) The full IAU 2000A series has 1365 terms and takes some 40 us to
 *     evaluate; the IAU 2000B series (eraNut00b) has 77 and takes some
 *     2 us, but differs from it by up to 2.8 mas in 1901-2050 (the terms
 *     it leaves out, and its fixed stand-in for the planetary nutation).
 *     Within the span of the table below this function returns
 *        eraNut00b(t) + D(t),
 *     where D = eraNut06a - eraNut00b is tabulated once a day at 0 h TT
 *     and interpolated with a four-point Lagrange polynomial.  Outside
 *     that span it returns eraNut06a(t) itself.
 *
 *  2) The table is written when the program is built, by ERFA itself
 *     (generator/NutationTableMaker.cpp); it covers 1899 December 1 to
 *     2051 February 1, TT.  Its step of one day resolves the difference's
 *     shortest periods (about five days): measured against eraNut06a at
 *     random moments of 1901-2050 the result differs by less than
 *     0.05 mas.  A step of two days would give 0.3 mas, of four days
 *     1.8 mas.
 *
 *  3) Only Delta psi is returned: the ayanamsa needs no nutation in
 *     obliquity.
 *
 *  References:
 *
 *     Mathews, P. M., Herring, T. A. and Buffett, B. A., 2002, J. Geophys.
 *     Res. 107, B4 (the IAU 2000A series).
 *     McCarthy, D. D. and Luzum, B. J., 2003, Celest. Mech. Dyn. Astron.
 *     85, 37 (the IAU 2000B series).
 *     Capitaine, N. and Wallace, P. T., 2006, Astron. Astrophys. 450, 855
 *     (the IAU 2006 adjustments in eraNut06a).
 *     ERFA, the Essential Routines for Fundamental Astronomy, derived from
 *     the IAU's SOFA library: eraNut00b, eraNut06a.
 */
double NutationInLongitude(double tt1, double tt2);

} // namespace tenvari
