// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AngleFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace tenvari {

namespace {

// Room for the largest double written in fixed notation (309 digits) and a sign.
constexpr int kNumberRoom = 320;

char* AppendText(char* out, const char* text) {
    while (*text != '\0') {
        *out++ = *text++;
    }
    return out;
}

// Appends a whole-numbered double in plain decimal; returns the new end.
// A NaN is written "nan" whatever its sign bit, so that a minus sign can
// only ever stand at the start of the text.
char* AppendWhole(char* out, double wholeNumber) {
    if (std::isnan(wholeNumber)) {
        return AppendText(out, "nan");
    }
    return std::to_chars(out, out + kNumberRoom, wholeNumber, std::chars_format::fixed, 0).ptr;
}

// The one sexagesimal writer: [-]D° M' S" or, with hundredths 0..99,
// [-]D° M' S.hh".  d, m and s are whole numbers (or not finite).
std::string sexagesimalText(bool negative, double d, double m, double s, int hundredths) {
    char buffer[3 * kNumberRoom + 16];
    char* out = buffer;
    if (negative) {
        *out++ = '-';
    }
    out = AppendWhole(out, d);
    out = AppendText(out, "\xC2\xB0 ");
    out = AppendWhole(out, m);
    out = AppendText(out, "' ");
    out = AppendWhole(out, s);
    if (hundredths >= 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + hundredths / 10);
        *out++ = static_cast<char>('0' + hundredths % 10);
    }
    *out++ = '"';
    return std::string(buffer, out);
}

} // namespace

std::string FormatDegrees(double degrees) {
    const double a = std::fabs(degrees);
    const double d = std::floor(a);
    const double mm = 60.0 * (a - d);
    const double m = std::floor(mm);
    const double s = std::floor(60.0 * (mm - m));
    return sexagesimalText(degrees < 0.0, d, m, s, -1);
}

std::string FormatDegreesHundredths(double degrees) {
    if (!std::isfinite(degrees) || std::fabs(degrees) >= 1e9) {
        char buffer[48];
        char* end = std::to_chars(buffer, buffer + sizeof buffer, degrees).ptr;
        return std::string(buffer, end) + "\xC2\xB0";
    }
    constexpr std::int64_t kHundredthsPerDegree = 360000;
    const std::int64_t hundredths =
        std::llround(std::fabs(degrees) * static_cast<double>(kHundredthsPerDegree));
    const std::int64_t secondsHundredths = hundredths % 6000;
    return sexagesimalText(
        degrees < 0.0 && hundredths != 0, static_cast<double>(hundredths / kHundredthsPerDegree),
        static_cast<double>((hundredths / 6000) % 60), static_cast<double>(secondsHundredths / 100),
        static_cast<int>(secondsHundredths % 100));
}

std::string AyanamsaDisplayText(double correction) {
    std::string text = FormatDegrees(correction);
    if (text.find('-') != std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

} // namespace tenvari
