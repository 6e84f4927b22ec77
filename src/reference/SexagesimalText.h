// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tenvari {

/*
 *  FormatDegreesHundredths
 *
 *  Angle in decimal degrees as degrees, minutes and seconds of arc to the
 *  hundredth of a second.
 *
 *  Given:
 *     degrees  double       angle in degrees, finite, |degrees| < 1e9
 *
 *  Returned (function value):
 *              std::string  UTF-8 text: the whole degrees, the degree sign
 *                           U+00B0 and a blank, the whole minutes 0..59, an
 *                           apostrophe and a blank, the seconds 0.00..59.99
 *                           with two decimals and a double-quote character,
 *                           e.g. 23.250182778 gives 23° 15' 0.66"
 *
 *  Notes:
 *
 *  1) The angle is rounded to the nearest hundredth of a second of arc
 *     first, and the rounding carries: 10.9999999 degrees gives
 *     11° 0' 0.00".  (FormatDegrees, which the window shows, truncates to
 *     the whole second instead.)
 *
 *  2) An angle below zero begins with "-" unless it rounds to zero.
 *     Degrees, minutes and whole seconds carry no padding; the seconds
 *     always have two decimals.
 *
 *  3) An angle that is not finite, or 1e9 degrees or more in size, is
 *     written as its decimal number with a degree sign, e.g. nan°.
 *
 *  References:
 *
 *     Sexagesimal division of the degree: 60 minutes of arc to the degree,
 *     60 seconds of arc to the minute.
 */
std::string FormatDegreesHundredths(double degrees);

} // namespace tenvari
