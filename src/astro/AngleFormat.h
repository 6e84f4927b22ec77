// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tenvari {

/*
 *  FormatDegrees
 *
 *  Angle in decimal degrees as degrees, minutes and seconds of arc.
 *
 *  Given:
 *     degrees  double       angle in degrees, any finite value (no
 *                           reduction to 0..360 is made)
 *
 *  Returned (function value):
 *              std::string  UTF-8 text: the signed whole degrees, the
 *                           degree sign U+00B0 and a blank, the whole
 *                           minutes 0..59, an apostrophe and a blank, the
 *                           whole seconds 0..59 and a double-quote
 *                           character, e.g. -23.85399089 gives
 *                           -23° 51' 14"
 *
 *  Notes:
 *
 *  1) With a = |degrees|: d = floor(a), mm = 60 (a - d), m = floor(mm),
 *     s = floor(60 (mm - m)), in double precision in this order.
 *
 *  2) Minutes and seconds are truncated, never rounded, and nothing carries:
 *     10.999999 gives 10° 59' 59".  Neither can reach 60.
 *
 *  3) The numbers are written in plain decimal with no padding and no
 *     fractional part.  An angle below zero begins with "-", also when its
 *     degree part is zero (-0.5 gives -0° 30' 0"); zero and minus zero give
 *     0° 0' 0".
 *
 *  4) A non-finite angle gives "inf" or "nan" in place of the numbers and
 *     never leads to undefined behaviour: NaN gives nan° nan' nan", plus
 *     and minus infinity give inf° nan' nan" and -inf° nan' nan".
 *
 *  References:
 *
 *     Sexagesimal division of the degree: 60 minutes of arc to the degree,
 *     60 seconds of arc to the minute.
 */
std::string FormatDegrees(double degrees);

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
 *     the whole second instead; both are written by the same code.)
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

/*
 *  AyanamsaDisplayText
 *
 *  Text of the ayanamsa shown with a reading.
 *
 *  Given:
 *     correction  double       ayanamsa correction in degrees (from
 *                              ComputeAyanamsa), finite
 *
 *  Returned (function value):
 *                 std::string  FormatDegrees(correction) without its minus
 *                              sign, e.g. -23.85399089 gives 23° 51' 14"
 *
 *  Notes:
 *
 *  1) The text shows the size of the angle.  For every date after about
 *     the year 285 the correction is negative and the text is the ayanamsa
 *     itself; a positive correction (a negative ayanamsa) is shown
 *     unchanged, so its sign is lost as well.
 *
 *  2) The minus sign can stand only at the start of the text, so removing
 *     the first character of a text that contains one removes exactly it.
 *
 *  References:
 *
 *     See FormatDegrees.
 */
std::string AyanamsaDisplayText(double correction);

} // namespace tenvari
