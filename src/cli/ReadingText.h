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
 *     jd_ut, jd_tt                     the Julian Dates in UT and TT, 8
 *                                      decimals
 *     delta_t_seconds                  TT - UT used, 3 decimals
 *     calendar                         julian or gregorian: how the date
 *                                      was read
 *     NAME_true_deg, NAME_mean_deg     for each definition NAME of the
 *                                      ledger (all, or those asked for):
 *                                      9 decimals; empty or null where the
 *                                      definition has no such value
 *     NAME_true_text, NAME_mean_text   D° M' S.ss"
 *     NAME_true_minus_iae_arcsec       NAME_true_deg less iae's true value,
 *                                      arcseconds, 3 decimals
 *  In JSON the definitions' values form one object "definitions" keyed by
 *  NAME, each holding true_deg .. true_minus_iae_arcsec.  The shown value
 *  (ayanamsa_deg, ayanamsa_text and the plain line) is the window's
 *  formula within 1901..2050 and iae outside, unless another definition
 *  is asked for; the formula_minus_ column then compares that value.  A batch
 *  adds `row` in front and `error` at the end.
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
void appendCsvHeader(std::string& out, bool batch, const ReadingOptions& options);

// The computed columns julian_day_number .. the definitions' columns,
// comma-separated, without a leading or trailing comma.
void appendCsvComputed(std::string& out, const CliReading& reading);

// As many empty computed columns, for a batch row that was refused.
void appendCsvComputedEmpty(std::string& out, const ReadingOptions& options);

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
