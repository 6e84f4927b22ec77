// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/LahiriReference.h"

#include "astro/DateReduction.h"
#include "reference/DeltaT.h"
#include "reference/Nutation.h"

#include <erfa.h>
#include <erfam.h>

namespace tenvari {

namespace {

// The defining epoch, 1956 March 21, 0 h TT, and the value there with
// nutation, arcseconds (23 deg 15 min 00.658 sec).
constexpr double kEpoch = 2435553.5;
constexpr double kDefiningArcsec = 23.0 * 3600.0 + 15.0 * 60.0 + 0.658;

// General precession in longitude p_A of IAU 2006, radians.
double generalPrecession(double tt1, double tt2) {
    double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
    eraP06e(tt1, tt2, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa,
            &thetaa, &pa, &gam, &phi, &psi);
    return pa;
}

// The mean ayanamsa at the epoch less p_A there, arcseconds; computed once.
double meanAtEpochLessPrecession() {
    static const double value = [] {
        double dpsi = 0.0;
        double deps = 0.0;
        eraNut06a(kEpoch, 0.0, &dpsi, &deps);
        return kDefiningArcsec - dpsi * ERFA_DR2AS - generalPrecession(kEpoch, 0.0) * ERFA_DR2AS;
    }();
    return value;
}

} // namespace

LahiriReference LahiriReferenceTT(double tt1, double tt2) {
    const double meanArcsec =
        meanAtEpochLessPrecession() + generalPrecession(tt1, tt2) * ERFA_DR2AS;
    const double trueArcsec = meanArcsec + NutationInLongitude(tt1, tt2) * ERFA_DR2AS;
    return LahiriReference{.trueDegrees = trueArcsec / 3600.0, .meanDegrees = meanArcsec / 3600.0};
}

LahiriReference LahiriReferenceUT(double ut1, double ut2) {
    return LahiriReferenceTT(ut1, ut2 + DeltaT(ut1, ut2) / ERFA_DAYSEC);
}

LahiriReference LahiriReferenceFor(const BirthMoment& moment) {
    const double dayStart = JulianDayNumber(moment.month, moment.day, moment.year) - 0.5;
    return LahiriReferenceUT(dayStart, UniversalHours(moment) / 24.0);
}

} // namespace tenvari
