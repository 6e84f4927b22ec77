// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AngleFormat.h"

#include <charconv>
#include <cmath>

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

} // namespace

std::string FormatDegrees(double degrees) {
    const bool negative = degrees < 0.0;
    const double a = std::fabs(degrees);
    const double d = std::floor(a);
    const double mm = 60.0 * (a - d);
    const double m = std::floor(mm);
    const double s = std::floor(60.0 * (mm - m));

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
    *out++ = '"';
    return std::string(buffer, out);
}

std::string AyanamsaDisplayText(double correction) {
    std::string text = FormatDegrees(correction);
    if (text.find('-') != std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

} // namespace tenvari
