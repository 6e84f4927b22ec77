// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/SexagesimalText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace tenvari {

namespace {

constexpr std::int64_t kHundredthsPerDegree = 360000;

char* appendWhole(char* out, std::int64_t value) {
    return std::to_chars(out, out + 24, value).ptr;
}

} // namespace

std::string FormatDegreesHundredths(double degrees) {
    char buffer[96];
    char* out = buffer;
    if (!std::isfinite(degrees) || std::fabs(degrees) >= 1e9) {
        out = std::to_chars(out, out + 48, degrees).ptr;
        return std::string(buffer, out) + "\xC2\xB0";
    }
    const std::int64_t hundredths =
        std::llround(std::fabs(degrees) * static_cast<double>(kHundredthsPerDegree));
    if (degrees < 0.0 && hundredths != 0) {
        *out++ = '-';
    }
    const std::int64_t secondsHundredths = hundredths % 6000;
    out = appendWhole(out, hundredths / kHundredthsPerDegree);
    *out++ = '\xC2';
    *out++ = '\xB0';
    *out++ = ' ';
    out = appendWhole(out, (hundredths / 6000) % 60);
    *out++ = '\'';
    *out++ = ' ';
    out = appendWhole(out, secondsHundredths / 100);
    *out++ = '.';
    *out++ = static_cast<char>('0' + secondsHundredths % 100 / 10);
    *out++ = static_cast<char>('0' + secondsHundredths % 10);
    *out++ = '"';
    return std::string(buffer, out);
}

} // namespace tenvari
