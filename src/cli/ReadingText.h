// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliReading.h"
#include "cli/EscapedText.h"

#include <string>
#include <string_view>

namespace tenvari::cli {

// The moment's fields as they were given, echoed in the machine formats.
struct GivenTexts {
    std::string_view date;
    std::string_view time;
    std::string_view zone;
    std::string_view dst;
};

/*
 *  The texts tenvari-cli writes.  Each function appends to `out`; numbers
 *  are written with std::to_chars, independent of the locale.
 *
 *  Columns of the machine formats (the JSON keys are the same names):
 *     date, time, zone, dst            the input as given (dst 0 or 1 for
 *                                      a single moment; in JSON a boolean)
 *     julian_day_number                integer
 *     universal_time_hours, t_centuries
 *                                      shortest decimal that reads back as
 *                                      the same double
 *     ayanamsa_deg                     the window's ayanamsa, 12 decimals
 *     ayanamsa_text                    the window's label text
 *     weekday                          Sunday .. Saturday
 *     reference_true_deg, reference_mean_deg
 *                                      9 decimals (empty or null without
 *                                      the reference)
 *     reference_true_text, reference_mean_text
 *                                      D° M' S.ss"
 *     formula_minus_reference_arcsec   ayanamsa_deg less reference_true_deg
 *                                      in arcseconds, 3 decimals
 *  A batch adds `row` in front and `error` at the end.
 */

// 23° 7' 21"  Friday, and a line end: the window's label and weekday.
void appendPlainLine(std::string& out, const CliReading& reading);

// The plain line, then one line for each step and reference value.
void appendDetails(std::string& out, const GivenTexts& given, const CliMoment& moment,
                   const CliReading& reading);

// One JSON object and a line end.
void appendJson(std::string& out, const GivenTexts& given, const CliMoment& moment,
                const CliReading& reading);

// The header line and one row, for a single moment.
void appendCsv(std::string& out, const GivenTexts& given, const CliReading& reading);

// The header line; for a batch with `row` and `error`.
void appendCsvHeader(std::string& out, bool batch);

// The computed columns julian_day_number .. formula_minus_reference_arcsec,
// comma-separated, without a leading or trailing comma.
void appendCsvComputed(std::string& out, const CliReading& reading);

// As many empty computed columns, for a batch row that was refused.
void appendCsvComputedEmpty(std::string& out);

/*
 *  appendFixed
 *
 *  Given:
 *     out       string&  the text to append to
 *     value     double   any value
 *     decimals  int      0 .. 12
 *
 *  Notes:
 *
 *  1) Appends exactly what std::to_chars(value, std::chars_format::fixed,
 *     decimals) writes: the value rounded correctly, ties to even, in plain
 *     decimal.  Values below 2^52 / 10^decimals in size take a short way
 *     (an exact product by fma and whole-number digits), several times
 *     faster; others go to std::to_chars.
 */
void appendFixed(std::string& out, double value, int decimals);

} // namespace tenvari::cli
