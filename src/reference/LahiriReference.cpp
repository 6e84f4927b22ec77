// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/LahiriReference.h"

#include "reference/Nutation.h"
#include "reference/Precession.h"

#include <erfa.h>
#include <erfam.h>

namespace tenvari {

namespace {

// The defining epoch, 1956 March 21, 0 h TT, and the value there with
// nutation, arcseconds (23 deg 15 min 00.658 sec).
constexpr double kEpoch = 2435553.5;
constexpr double kDefiningArcsec = 23.0 * 3600.0 + 15.0 * 60.0 + 0.658;

// The mean ayanamsa at the epoch less p_A there, arcseconds; computed once.
double meanAtEpochLessPrecession() {
    static const double value = [] {
        double dpsi = 0.0;
        double deps = 0.0;
        eraNut06a(kEpoch, 0.0, &dpsi, &deps);
        return kDefiningArcsec - dpsi * ERFA_DR2AS - GeneralPrecession(kEpoch, 0.0) * ERFA_DR2AS;
    }();
    return value;
}

} // namespace

LahiriReference LahiriReferenceTT(double tt1, double tt2) {
    const double meanArcsec =
        meanAtEpochLessPrecession() + GeneralPrecession(tt1, tt2) * ERFA_DR2AS;
    const double trueArcsec = meanArcsec + NutationInLongitude(tt1, tt2) * ERFA_DR2AS;
    return LahiriReference{.trueDegrees = trueArcsec / 3600.0, .meanDegrees = meanArcsec / 3600.0};
}

LahiriReference LahiriReferenceUT(double ut1, double ut2) {
    return LahiriReferenceAt(InstantFromJulianDate(ut1, ut2));
}

LahiriReference LahiriReferenceAt(const Instant& instant) {
    return LahiriReferenceTT(instant.tt1, instant.tt2);
}

LahiriReference LahiriReferenceFor(const BirthMoment& moment) {
    return LahiriReferenceAt(InstantOf(moment));
}

} // namespace tenvari
