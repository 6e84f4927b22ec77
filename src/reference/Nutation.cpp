// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/Nutation.h"

#include "reference/NutationTable.h"

#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace tenvari {

namespace {

constexpr double kMasToRadians = 1.0 / (1000.0 * ERFA_DR2AS);

} // namespace

double NutationInLongitude(double tt1, double tt2) {
    using namespace nutation_table;

    double dpsi = 0.0;
    double deps = 0.0;

    // Days since the first entry, split so that the large Julian Date
    // costs no bits.
    const double x = (tt1 - kFirstDay) + tt2;
    const double whole = std::floor(x);
    // Four entries i-1 .. i+2 around the moment.
    if (!(whole >= 1.0 && whole + 2.0 < static_cast<double>(kDays))) {
        eraNut06a(tt1, tt2, &dpsi, &deps);
        return dpsi;
    }
    const auto i = static_cast<std::size_t>(whole);
    const double f = x - whole;

    const double y0 = kDifferenceMas[i - 1];
    const double y1 = kDifferenceMas[i];
    const double y2 = kDifferenceMas[i + 1];
    const double y3 = kDifferenceMas[i + 2];
    // Lagrange weights at the nodes -1, 0, 1, 2.
    const double fp1 = f + 1.0;
    const double fm1 = f - 1.0;
    const double fm2 = f - 2.0;
    const double difference = -f * fm1 * fm2 / 6.0 * y0 + fp1 * fm1 * fm2 / 2.0 * y1 -
                              fp1 * f * fm2 / 2.0 * y2 + fp1 * f * fm1 / 6.0 * y3;

    eraNut00b(tt1, tt2, &dpsi, &deps);
    return dpsi + difference * kMasToRadians;
}

} // namespace tenvari
