// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageService.h"
#include "reading/BirthData.h"

#include <QString>
#include <optional>

namespace tenvari {

// What the main form tells the user when it refuses its input: one message
// box (text, icon, OK) and, for most refusals, the field that gets the
// focus. The form shows it; the functions below only decide it.
struct Refusal {
    QString message;
    MessageIcon icon = MessageIcon::Stop;
    std::optional<BirthField> focus; // none: the focus stays where it is
    bool operator==(const Refusal&) const = default;
};

/*
 *  checkBirthData
 *
 *  The checks before a reading, in this order; the first that fails is
 *  the refusal.
 *
 *  Given:
 *     data    BirthData  the form's values as they stand
 *
 *  Returned (function value):
 *             optional<Refusal>  none when the reading may go on
 *
 *  Notes:
 *
 *  1) Name: refused when blank ("Please Enter Name", stop, focus Name).
 *
 *  2) Longitude degrees: refused when the trimmed text is empty or its
 *     leading number (trimmedText, leadingNumber) lies outside 0..179, so
 *     "12ab" passes as 12 and letters alone as 0. Longitude minutes:
 *     refused when the trimmed text is empty, is not a number as a whole
 *     (numericValue) or lies outside 0..59. Latitude alike, degrees
 *     0..89. Stop icon, focus on the field; the minute messages have two
 *     blanks before "Minute".
 *
 *  3) Dates: in February, day 30 or 31 of a year divisible by 4, and day
 *     29 to 31 of any other year, give "Please Enter Correct Date Or
 *     Month!"; day 31 of April, June, September or November gives "Please
 *     Enter Correct Date Or Month !" (a blank before "!"). Information
 *     icon, no focus move. Divisibility by 4 is the Gregorian rule for
 *     1901..2050.
 *
 *  4) The time lists, the zone fields, the hemispheres, daylight saving
 *     and the place texts are not looked at.
 */
std::optional<Refusal> checkBirthData(const BirthData& data);

/*
 *  CheckPlaceFields
 *
 *  The place block's check: city, state and country must each hold at
 *  least one character (nothing is trimmed: a blank counts).
 *
 *  Returned (function value):
 *             optional<Refusal>  none when all three hold something;
 *                        otherwise the first empty one's prompt ("Please
 *                        Enter City", "... State", "... Country"),
 *                        information icon, focus on that field
 */
std::optional<Refusal> CheckPlaceFields(const QString& city, const QString& state,
                                        const QString& country);

// What the reading says when a field it converts cannot be converted
// (toBirthMoment): "Please Enter a Valid Time Zone" for the zone fields,
// the longitude messages of checkBirthData for the longitude; stop icon,
// focus on the field.
Refusal conversionRefusal(BirthField field);

} // namespace tenvari
