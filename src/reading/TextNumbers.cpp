// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/TextNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tenvari {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of the decimal number at the start of text (0 when there is
// none), and its value.
struct Scan {
    qsizetype length = 0;
    double value = 0.0;
};

Scan scanNumber(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype bodyStart = i;
    bool point = false;
    bool digits = false;
    bool nonZeroBeforePoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            digits = true;
            if (!point && c != QLatin1Char('0'))
                nonZeroBeforePoint = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return {};

    // Only ASCII digits and at most one point are left.
    const std::string body = text.mid(bodyStart, i - bodyStart).toStdString();
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), magnitude,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        magnitude = nonZeroBeforePoint ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc() || end != body.data() + body.size())
        return {}; // cannot happen for the characters scanned above
    return {i, negative ? -magnitude : magnitude};
}

} // namespace

std::optional<double> numericValue(const QString& text) {
    const QString trimmed = trimmedText(text);
    const Scan scan = scanNumber(trimmed);
    if (scan.length == 0 || scan.length != trimmed.size())
        return std::nullopt;
    return scan.value;
}

double leadingNumber(const QString& text) {
    return scanNumber(trimmedText(text)).value;
}

std::optional<std::int16_t> wholeNumber(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below; // exact for every finite double
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> zoneMagnitude(const QString& text) {
    if (trimmedText(text).isEmpty())
        return std::int16_t{0};
    const std::optional<double> value = numericValue(text);
    if (!value)
        return std::nullopt;
    return wholeNumber(std::fabs(*value));
}

} // namespace tenvari
