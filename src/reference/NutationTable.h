// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The daily table of eraNut06a - eraNut00b in longitude that
// NutationInLongitude interpolates; generated when the program is built
// (generator/NutationTableMaker.cpp).
namespace tenvari::nutation_table {

// TT Julian Date of the first entry (0 h TT) and the number of entries, one
// a day.
inline constexpr double kFirstDay = 2414989.5; // 1899 December 1
inline constexpr std::size_t kDays = 55215;    // to 2051 February 1

// The difference in longitude, milliarcseconds, at kFirstDay + i.
extern const float kDifferenceMas[kDays];

} // namespace tenvari::nutation_table
