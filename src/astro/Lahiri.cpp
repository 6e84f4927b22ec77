// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Lahiri.h"

#include <cmath>

namespace tenvari {

namespace {

// Decimal degree-to-radian factor of the formula (deliberately not pi/180).
constexpr double kDegreesToRadians = 0.0174532925199433;

} // namespace

LahiriTerms LahiriTermsAt(double T) {
    // Longitude of the Moon's mean ascending node, degrees.
    double node = ((933060.0 - T * 6962911.0) + T * (T * 7.5)) / 3600.0;
    // One-way reduction: a negative node stays as it is.
    while (node >= 360.0) {
        node -= 360.0;
    }

    // Twice the Sun's mean longitude, degrees, not reduced.
    const double twiceSun = (T * 259205536.0 + 2013816.0) / 3600.0;

    // Nutation in longitude with its sign reversed, arcseconds.
    const double nutation =
        std::sin(twiceSun * kDegreesToRadians) * 1.27 + std::sin(node * kDegreesToRadians) * 17.23;

    // Nutation less the precession since the epoch, arcseconds.
    const double value = nutation - T * (T * 1.11 + 5025.64);

    return LahiriTerms{.node = node,
                       .twiceSun = twiceSun,
                       .nutation = nutation,
                       .correction = (value - 80861.27) / 3600.0};
}

double LahiriCorrection(double T) {
    return LahiriTermsAt(T).correction;
}

double ComputeAyanamsa(const Instant& instant) {
    return LahiriCorrection(instant.centuries);
}

double ComputeAyanamsa(const BirthMoment& moment) {
    return ComputeAyanamsa(InstantOf(moment));
}

} // namespace tenvari
