// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/BirthMoment.h"
#include "reading/BirthData.h"

#include <QString>
#include <QStringList>

namespace tenvari {

// The texts of the result panel besides the ayanamsa, and the month names
// the form's month list shows, in the user's language (the English texts
// when no translation is installed).

// "January" .. "December", in calendar order.
QStringList MonthNames();

// 1 for "January" .. 12 for "December" (as MonthNames gives them), compared
// exactly and case-sensitively; 0 for any other text.
int monthNumber(const QString& text);

/*
 *  weekdayText
 *
 *  Given:
 *     moment  BirthMoment  month, day and year of a civil date (the other
 *                          fields are not used), 1901..2050 as the form
 *                          offers them
 *
 *  Returned (function value):
 *             QString      "Sunday" .. "Saturday", the weekday of that date
 *                          (from its Julian Day Number)
 */
QString weekdayText(const BirthMoment& moment);

// The date as the lists show it: month name, blank, day, comma, blank,
// year ("January 1, 2000").
QString dateOfBirthText(const BirthData& data);

/*
 *  ayanamsaToolTip
 *
 *  The tooltip of the ayanamsa after a reading: the value the window
 *  shows, in full, beside the value by the almanac's own definition.
 *
 *  Given:
 *     moment      BirthMoment  the reading's input
 *     correction  double       ComputeAyanamsa of it: minus the ayanamsa,
 *                              degrees
 *
 *  Returned (function value):
 *                 QString      three lines: the formula's ayanamsa in
 *                              degrees with 6 decimals; the reference
 *                              value with the nutation (LahiriReferenceFor)
 *                              as D° M' S.ss"; the formula less the
 *                              reference in seconds of arc, signed, with
 *                              2 decimals
 */
QString ayanamsaToolTip(const BirthMoment& moment, double correction);

// The clock time as the lists show it, hour and minute without padding
// ("9:5" for five past nine, "12:0" for noon).
QString timeOfBirthText(const BirthData& data);

} // namespace tenvari
