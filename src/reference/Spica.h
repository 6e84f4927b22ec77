// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

/*
 *  SpicaDirection
 *
 *  Geometric direction of Spica (alpha Virginis, HIP 65474) from the
 *  Earth's centre at a date.
 *
 *  Given:
 *     tt1, tt2  double     TT as a 2-part Julian Date (any split); TT is
 *                          taken for TDB (they differ by 2 ms at most)
 *
 *  Returned:
 *     p         double[3]  unit vector in the ICRS
 *
 *  Notes:
 *
 *  1) The catalogue place at epoch J1991.25 is carried to the date by
 *     eraPmsafe (space motion with proper motion, parallax and radial
 *     velocity, rigorously), then seen from the Earth by eraPmpx.  The
 *     parallax, 13 mas, moves the star by at most that much in the course
 *     of a year, so the Earth's position is taken from the cheap eraPlan94
 *     (the Earth-Moon barycentre, heliocentric): against the barycentric
 *     Earth of eraEpv00, which costs as much as the whole IAU 2000A
 *     nutation, it errs by 0.01 au at most, 0.13 mas in Spica's place.
 *
 *  2) "Geometric" means the direction light would take with no aberration
 *     and no bending by the Sun: the place almanacs call true once the
 *     true equinox is used.  The apparent place (with the Earth's annual
 *     aberration) lies up to about 20" from it in longitude, changing
 *     with the season.
 *
 *  3) eraPlan94 is fitted for 1000-3000; before 1000 its mean elements
 *     drift, but an error of even 0.1 au moves Spica by only 1.3 mas.
 *
 *  References:
 *
 *     van Leeuwen, F., 2007, Astron. Astrophys. 474, 653, "Validation of
 *     the new Hipparcos reduction" (catalogue I/311): HIP 65474, RA
 *     13 h 25 min 11.579 s, Dec -11 deg 09 min 40.75 sec (ICRS, epoch
 *     J1991.25), proper motion -42.35 mas/yr in RA (times cos Dec) and
 *     -30.67 mas/yr in Dec, parallax 13.06 mas.
 *     Wilson, R. E., 1953, General Catalogue of Stellar Radial
 *     Velocities, Carnegie Inst. Publ. 601: radial velocity +1.0 km/s.
 *     ERFA: eraPmsafe, eraPmpx, eraPlan94.
 */
void SpicaDirection(double tt1, double tt2, double p[3]);

} // namespace tenvari
