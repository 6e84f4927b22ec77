// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/TypedText.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tenvari {

// How the main form reads numbers out of its texts.
//
// A decimal number, as this program reads it, is: an optional sign ("+" or
// "-"), then decimal digits with at most one decimal point among them, with
// at least one digit ("5", "-5", "+5", "5.5", ".5", "5.", "-.5"). Nothing
// else belongs to it: no exponent ("1e3"), no hexadecimal, no thousands
// separator, no blank inside, and the point is always "." whatever the
// user's locale. Blanks (U+0020) around the number are dropped first.

/*
 *  numericValue
 *
 *  Given:
 *     text    QString  any text
 *
 *  Returned (function value):
 *             optional<double>  the trimmed text read as one decimal
 *                      number; empty when the trimmed text is not a decimal
 *                      number as a whole ("", "-", "5a", "5.5.5", "1e3")
 *
 *  Notes:
 *
 *  1) A number too large for a double reads as plus or minus infinity and
 *     one too small as zero, so comparisons with a bound still give the
 *     right answer.
 */
std::optional<double> numericValue(const QString& text);

/*
 *  leadingNumber
 *
 *  Given:
 *     text    QString  any text
 *
 *  Returned (function value):
 *             double   the decimal number that the trimmed text starts
 *                      with, taking as many characters as still form one
 *                      ("12ab" gives 12, "12.5.3" gives 12.5, "1e3" gives
 *                      1); 0 when the trimmed text does not start with a
 *                      number ("abc", "", "-", ".")
 *
 *  Notes:
 *
 *  1) Large and tiny numbers read as in numericValue.
 */
double leadingNumber(const QString& text);

/*
 *  wholeNumber
 *
 *  The whole-number rule: a number rounded to the nearest integer, a tie
 *  going to the even neighbour.
 *
 *  Given:
 *     value   double   any value
 *
 *  Returned (function value):
 *             optional<int16>  the rounded value (2.5 gives 2, 3.5 gives 4,
 *                      -2.5 gives -2); empty when the rounded value lies
 *                      outside -32768..32767 or the value is not finite
 */
std::optional<std::int16_t> wholeNumber(double value);

/*
 *  zoneMagnitude
 *
 *  The zone rule for the time zone hour and minute boxes.
 *
 *  Given:
 *     text    QString  the box's text
 *
 *  Returned (function value):
 *             optional<int16>  0 for an empty text or one of blanks only;
 *                      otherwise the absolute value of the text read as a
 *                      decimal number, rounded by the whole-number rule
 *                      ("-5" and "5" give 5, "5.5" gives 6, "4.5" gives 4,
 *                      "-30" gives 30), never negative; empty when the text
 *                      is not a decimal number ("-", "5-3", "--5",
 *                      "5.5.5") or its rounded magnitude exceeds 32767
 *                      (so "-32768" is refused as well)
 *
 *  Notes:
 *
 *  1) The sign is dropped because the zone fields carry no direction: the
 *     longitude's East/West choice decides it.
 */
std::optional<std::int16_t> zoneMagnitude(const QString& text);

} // namespace tenvari
