// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

// The TT Julian Date (J1000.0) before which the long-term precession model
// replaces IAU 2006; see GeneralPrecession.
inline constexpr double kLongTermPrecessionBefore = 2086308.0;

/*
 *  GeneralPrecession
 *
 *  General precession in longitude p_A: the motion of the mean equinox of
 *  date along the ecliptic since J2000.0.
 *
 *  Given:
 *     tt1, tt2  double  TT as a 2-part Julian Date (any split)
 *
 *  Returned (function value):
 *               double  p_A, radians (negative before J2000.0)
 *
 *  Notes:
 *
 *  1) From J1000.0 (kLongTermPrecessionBefore) on this is the pa of
 *     eraP06e (IAU 2006, a polynomial fitted for some centuries around
 *     J2000.0).  Before it, p_A is formed from Vondrak et al.'s long-term
 *     model (eraLtpequ, eraLtpecl), valid for +-200 000 years: p_A is the
 *     longitude of the node N of the ecliptic of date on the ecliptic of
 *     J2000.0, measured from the mean equinox of date along the ecliptic
 *     of date, less its longitude measured from the equinox of J2000.0
 *     along the ecliptic of J2000.0.
 *
 *  2) The two models part slowly going back: measured, they differ by
 *     0.0003" at 1900, 0.055" at 1000, 0.1" near 730, 0.34" at 0 and 10.6"
 *     at -3000; after 2000 they stay within 0.04" up to 3000.  The switch at
 *     J1000.0 therefore lies where they agree within 0.06"; the value jumps
 *     by that much there.
 *
 *  References:
 *
 *     Capitaine, N., Wallace, P. T. and Chapront, J., 2003, Astron.
 *     Astrophys. 412, 567 (IAU 2006 precession, P03).
 *     Vondrak, J., Capitaine, N. and Wallace, P., 2011, Astron. Astrophys.
 *     534, A22 (long-term precession; and the 2012 erratum, 541, C1).
 *     ERFA: eraP06e, eraLtpequ, eraLtpecl.
 */
double GeneralPrecession(double tt1, double tt2);

/*
 *  EclipticMatrix
 *
 *  Rotation from the ICRS to the mean ecliptic and equinox of date.
 *
 *  Given:
 *     tt1, tt2  double        TT as a 2-part Julian Date (any split)
 *
 *  Returned:
 *     rm        double[3][3]  the rotation matrix
 *
 *  Notes:
 *
 *  1) eraEcm06 (IAU 2006, with the frame bias) from J1000.0 on, eraLtecm
 *     (long-term model) before it; as GeneralPrecession.
 *
 *  References:
 *
 *     See GeneralPrecession.  ERFA: eraEcm06, eraLtecm.
 */
void EclipticMatrix(double tt1, double tt2, double rm[3][3]);

} // namespace tenvari
