// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tenvari {

// The longitude every reading is taken at: the window's longitude boxes lie
// outside their frame and hold 1 degree 1 minute, East or West as the zone
// direction chooses. The command line fills the same numbers in, so both
// programs reduce a moment alike.
inline constexpr std::int16_t kHiddenLonDegrees = 1;
inline constexpr std::int16_t kHiddenLonMinutes = 1;

} // namespace tenvari
