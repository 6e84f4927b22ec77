// SPDX-License-Identifier: GPL-3.0-or-later
// The computation over its whole input range: every 16-bit field any
// value, both flags either way. The correction is finite and its text is
// well formed.

#include "FuzzSupport.h"
#include "astro/AngleFormat.h"
#include "astro/Lahiri.h"

#include <cmath>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <regex>

using namespace tenvari;
using tenvari::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    BirthMoment moment;
    for (std::int16_t* field :
         {&moment.month, &moment.day, &moment.year, &moment.hour, &moment.minute, &moment.zoneHours,
          &moment.zoneMinutes, &moment.lonDegrees, &moment.lonMinutes})
        *field = input.ConsumeIntegral<std::int16_t>();
    moment.east = input.ConsumeBool();
    moment.daylightSaving = input.ConsumeBool();

    const double correction = ComputeAyanamsa(moment);
    require(std::isfinite(correction), "correction not finite");
    static const std::regex angle(R"(\d+\xC2\xB0 \d{1,2}' \d{1,2}")");
    const std::string text = AyanamsaDisplayText(correction);
    require(std::regex_match(text, angle), "malformed angle text", QString::fromStdString(text));
    return 0;
}
