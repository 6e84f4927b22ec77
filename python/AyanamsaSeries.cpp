// SPDX-License-Identifier: GPL-3.0-or-later
#include "AyanamsaSeries.h"

#include "astro/Instant.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tenvari::python {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Julian Date of 1970-01-01T00:00 UT, and microseconds in a day.
constexpr double kUnixEpoch = 2440587.5;
constexpr double kMicrosecondsPerDay = 86400.0e6;

} // namespace

std::optional<AyanamsaKind> findKind(std::string_view name) {
    if (name == "true") {
        return AyanamsaKind::True;
    }
    if (name == "mean") {
        return AyanamsaKind::Mean;
    }
    return std::nullopt;
}

double ayanamsaAt(const AyanamsaDefinition& definition, AyanamsaKind kind, double jdUt) {
    if (!std::isfinite(jdUt)) {
        return kNaN;
    }
    const AyanamsaValue value = definition.compute(InstantFromJulianDate(jdUt, 0.0));
    return (kind == AyanamsaKind::True ? value.trueDegrees : value.meanDegrees).value_or(kNaN);
}

void fillAyanamsa(const AyanamsaDefinition& definition, AyanamsaKind kind, const char* dates,
                  std::ptrdiff_t stride, std::size_t count, double* out) {
    for (std::size_t i = 0; i < count; ++i) {
        double jd;
        std::memcpy(&jd, dates + static_cast<std::ptrdiff_t>(i) * stride, sizeof jd);
        out[i] = ayanamsaAt(definition, kind, jd);
    }
}

void fillAyanamsaFromMicroseconds(const AyanamsaDefinition& definition, AyanamsaKind kind,
                                  const char* dates, std::ptrdiff_t stride, std::size_t count,
                                  double* out) {
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
