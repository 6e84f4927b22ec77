// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/Instant.h"

#include <optional>
#include <span>
#include <string_view>

namespace tenvari {

/*
 *  AyanamsaValue
 *
 *  One definition's ayanamsa at one instant.
 *
 *  Fields:
 *     trueDegrees  optional<double>  with the nutation in longitude (from
 *                                    the true equinox of date), degrees
 *     meanDegrees  optional<double>  without it (from the mean equinox of
 *                                    date), degrees
 *
 *  Either is empty where the definition gives no such kind, or does not
 *  reach the date.
 */
struct AyanamsaValue {
    std::optional<double> trueDegrees;
    std::optional<double> meanDegrees;
};

/*
 *  AyanamsaDefinition
 *
 *  One row of the ledger of Lahiri ayanamsa definitions.
 *
 *  Fields:
 *     name     string_view  short key, lower case ("iae"); the command
 *                           line's --ayanamsa, the JSON keys and the CSV
 *                           column prefixes use it
 *     summary  string_view  what the definition fixes, one line
 *     source   string_view  where it is published, one line
 *     compute  function     its value at an instant
 */
struct AyanamsaDefinition {
    std::string_view name;
    std::string_view summary;
    std::string_view source;
    AyanamsaValue (*compute)(const Instant& instant);
};

/*
 *  definitions
 *
 *  Returned (function value):
 *     span<const AyanamsaDefinition>  every definition, in the order the
 *                                     command line and the README show
 *                                     them; "formula" first, "iae" second
 *
 *  Notes:
 *
 *  1) Adding a definition is one row here and one function computing it.
 */
std::span<const AyanamsaDefinition> definitions();

// The definition of that name, or nullptr.
const AyanamsaDefinition* findDefinition(std::string_view name);

/*
 *  InDefinitionsRange
 *
 *  Given:
 *     instant  Instant  any
 *
 *  Returned (function value):
 *              bool     the civil date lies in -3000-01-01 (proleptic
 *                       Julian) .. 3000-12-31 (Gregorian), the span every
 *                       definition but the window's formula covers
 */
bool InDefinitionsRange(const Instant& instant);

/*
 *  InFormulaRange
 *
 *  Returned (function value):
 *              bool     the civil date lies in 1901-01-01 .. 2050-12-31,
 *                       the window's years
 */
bool InFormulaRange(const Instant& instant);

// The moment the vp285 definition's mean value is zero: the mean vernal
// equinox of 285 CE, as a TT Julian Date (285 March 22, Julian calendar).
double Vp285Epoch();

} // namespace tenvari
