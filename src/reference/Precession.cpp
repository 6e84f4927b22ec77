// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Precession.h"

#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace tenvari {

namespace {

bool longTerm(double tt1, double tt2) {
    return (tt1 - kLongTermPrecessionBefore) + tt2 < 0.0;
}

// Angle from a to b seen from the pole, counter-clockwise, radians.
double angleAbout(double a[3], double b[3], double pole[3]) {
    double c[3];
    eraPxp(a, b, c);
    return std::atan2(eraPdp(pole, c), eraPdp(a, b));
}

// The mean equinox (unit vector) of an equator and an ecliptic pole.
void equinoxOf(double equatorPole[3], double eclipticPole[3], double equinox[3]) {
    double length = 0.0;
    eraPxp(equatorPole, eclipticPole, equinox);
    eraPn(equinox, &length, equinox);
}

double longTermPrecession(double epj) {
    double equator[3];
    double ecliptic[3];
    double equator0[3];
    double ecliptic0[3];
    eraLtpequ(epj, equator);
    eraLtpecl(epj, ecliptic);
    eraLtpequ(2000.0, equator0);
    eraLtpecl(2000.0, ecliptic0);

    double equinox[3];
    double equinox0[3];
    equinoxOf(equator, ecliptic, equinox);
    equinoxOf(equator0, ecliptic0, equinox0);

    // The node of the ecliptic of date on that of J2000.0.
    double node[3];
    double length = 0.0;
    eraPxp(ecliptic0, ecliptic, node);
    eraPn(node, &length, node);

    // Within a few thousand years p_A stays far from +-pi; the difference of
    // the two longitudes is brought into that range.
    return eraAnpm(angleAbout(equinox, node, ecliptic) - angleAbout(equinox0, node, ecliptic0));
}

} // namespace

double GeneralPrecession(double tt1, double tt2) {
    if (longTerm(tt1, tt2)) {
        return longTermPrecession(eraEpj(tt1, tt2));
    }
    double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
    eraP06e(tt1, tt2, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa,
            &thetaa, &pa, &gam, &phi, &psi);
    return pa;
}

void EclipticMatrix(double tt1, double tt2, double rm[3][3]) {
    if (longTerm(tt1, tt2)) {
        eraLtecm(eraEpj(tt1, tt2), rm);
    } else {
        eraEcm06(tt1, tt2, rm);
    }
}

} // namespace tenvari
