// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Spica.h"

#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace tenvari {

namespace {

// Hipparcos, the new reduction: HIP 65474 at epoch J1991.25 (ICRS).
constexpr double kRightAscension = (13.0 + 25.0 / 60.0 + 11.579 / 3600.0) * 15.0 * ERFA_DD2R;
constexpr double kDeclination = -(11.0 + 9.0 / 60.0 + 40.75 / 3600.0) * ERFA_DD2R;
constexpr double kProperMotionRaCosDec = -42.35e-3 * ERFA_DAS2R; // radians per year
constexpr double kProperMotionDec = -30.67e-3 * ERFA_DAS2R;      // radians per year
constexpr double kParallax = 13.06e-3;                           // arcseconds
constexpr double kRadialVelocity = 1.0;                          // km/s
constexpr double kCatalogueEpoch = 2448349.0625;                 // J1991.25, TT

} // namespace

void SpicaDirection(double tt1, double tt2, double p[3]) {
    // Space motion from the catalogue epoch to the date.
    double ra = 0.0, dec = 0.0, pmRa = 0.0, pmDec = 0.0, parallax = 0.0, velocity = 0.0;
    eraPmsafe(kRightAscension, kDeclination, kProperMotionRaCosDec / std::cos(kDeclination),
              kProperMotionDec, kParallax, kRadialVelocity, kCatalogueEpoch, 0.0, tt1, tt2, &ra,
              &dec, &pmRa, &pmDec, &parallax, &velocity);

    // Seen from the Earth: the Earth-Moon barycentre's heliocentric position
    // (au) stands for the Earth's barycentric one; the 13 mas parallax
    // makes their difference (0.01 au at most) worth 0.13 mas.
    double earth[2][3];
    eraPlan94(tt1, tt2, 3, earth);
    eraPmpx(ra, dec, pmRa, pmDec, parallax, velocity, 0.0, earth[0], p);
}

} // namespace tenvari
