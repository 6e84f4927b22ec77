// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/Definitions.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tenvari::python {

// Which value of a definition: with the nutation in longitude (true
// equinox of date) or without it (mean equinox).
enum class AyanamsaKind { True, Mean };

// "true" or "mean", or none.
std::optional<AyanamsaKind> findKind(std::string_view name);

/*
 *  ayanamsaAt
 *
 *  One value of a definition at a Julian Date in Universal Time.
 *
 *  Given:
 *     definition  AyanamsaDefinition  a row of the ledger (definitions())
 *     kind        AyanamsaKind        true or mean
 *     jdUt        double              Julian Date, UT
 *
 *  Returned (function value):
 *                 double              the ayanamsa in degrees; NaN for a
 *                                     date that is not finite and where the
 *                                     definition gives no value of that kind
 *                                     (outside its years)
 *
 *  Notes:
 *
 *  1) The instant is InstantFromJulianDate(jdUt, 0), with the Delta T
 *     model: the value is the one tenvari-cli gives for the same
 *     Julian Date.
 */
double ayanamsaAt(const AyanamsaDefinition& definition, AyanamsaKind kind, double jdUt);

/*
 *  fillAyanamsa, fillAyanamsaFromMicroseconds
 *
 *  ayanamsaAt over a strided series of dates.
 *
 *  Given:
 *     definition  AyanamsaDefinition  a row of the ledger
 *     kind        AyanamsaKind      true or mean
 *     dates       const char*       the first date: a double (Julian Date,
 *                                   UT), or an int64 count of microseconds
 *                                   since 1970-01-01T00:00 UT with INT64_MIN
 *                                   for no date (NumPy's datetime64[us])
 *     stride      ptrdiff_t         bytes from one date to the next (any
 *                                   sign, any alignment)
 *     count       size_t            number of dates
 *
 *  Returned:
 *     out         double[count]     the ayanamsa in degrees for each date,
 *                                   NaN where there is none
 *
 *  Notes:
 *
 *  1) Plain C++ on plain memory: the caller may run it without holding
 *     Python's interpreter lock, and reads its input where it lies (a
 *     read-only or non-contiguous array is not copied).
 *
 *  2) A microsecond count becomes the Julian Date 2440587.5 + us / 86400e6.
 */
void fillAyanamsa(const AyanamsaDefinition& definition, AyanamsaKind kind, const char* dates,
                  std::ptrdiff_t stride, std::size_t count, double* out);
void fillAyanamsaFromMicroseconds(const AyanamsaDefinition& definition, AyanamsaKind kind,
                                  const char* dates, std::ptrdiff_t stride, std::size_t count,
                                  double* out);

} // namespace tenvari::python
