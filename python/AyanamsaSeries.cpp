// SPDX-License-Identifier: GPL-3.0-or-later
#include "AyanamsaSeries.h"

#include "reference/LahiriReference.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace tenvari::python {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Julian Date of 1970-01-01T00:00 UT, and microseconds in a day.
constexpr double kUnixEpoch = 2440587.5;
constexpr double kMicrosecondsPerDay = 86400.0e6;

} // namespace

const std::vector<DefinitionRow>& definitionRows() {
    static const std::vector<DefinitionRow> rows = {
        {"iae",
         "23 deg 15 min 00.658 sec with nutation on 1956 March 21, 0 h TT, carried by "
         "IAU 2006 precession and IAU 2000A nutation",
         "Indian Astronomical Ephemeris"},
    };
    return rows;
}

std::optional<DefinitionChoice> findDefinition(std::string_view name) {
    const auto& rows = definitionRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name) {
            return DefinitionChoice{i};
        }
    }
    return std::nullopt;
}

std::optional<AyanamsaKind> findKind(std::string_view name) {
    if (name == "true") {
        return AyanamsaKind::True;
    }
    if (name == "mean") {
        return AyanamsaKind::Mean;
    }
    return std::nullopt;
}

double ayanamsaAt(DefinitionChoice /*definition*/, AyanamsaKind kind, double jdUt) {
    if (std::isnan(jdUt)) {
        return kNaN;
    }
    const LahiriReference value = LahiriReferenceUT(jdUt, 0.0);
    return kind == AyanamsaKind::True ? value.trueDegrees : value.meanDegrees;
}

void fillAyanamsa(DefinitionChoice definition, AyanamsaKind kind, const char* dates,
                  std::ptrdiff_t stride, std::size_t count, double* out) {
    for (std::size_t i = 0; i < count; ++i) {
        double jd;
        std::memcpy(&jd, dates + static_cast<std::ptrdiff_t>(i) * stride, sizeof jd);
        out[i] = ayanamsaAt(definition, kind, jd);
    }
}

void fillAyanamsaFromMicroseconds(DefinitionChoice definition, AyanamsaKind kind, const char* dates,
                                  std::ptrdiff_t stride, std::size_t count, double* out) {
    for (std::size_t i = 0; i < count; ++i) {
        std::int64_t microseconds;
        std::memcpy(&microseconds, dates + static_cast<std::ptrdiff_t>(i) * stride,
                    sizeof microseconds);
        out[i] =
            microseconds == std::numeric_limits<std::int64_t>::min()
                ? kNaN
                : ayanamsaAt(definition, kind,
                             kUnixEpoch + static_cast<double>(microseconds) / kMicrosecondsPerDay);
    }
}

} // namespace tenvari::python
