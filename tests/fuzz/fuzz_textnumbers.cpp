// SPDX-License-Identifier: GPL-3.0-or-later
// Text-to-number rules on any text: no crash, and the rules agree with one
// another (a whole-text number is also the leading number, magnitudes are
// never negative, rounding moves a value by half at most).

#include "FuzzSupport.h"
#include "reading/TextNumbers.h"

#include <cmath>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace tenvari;
using tenvari::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // UTF-8 reaches every character; raw UTF-16 also lone surrogates.
    QString text;
    if (input.ConsumeBool()) {
        text = QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRemainingBytesAsString()));
    } else {
        const std::string bytes = input.ConsumeRemainingBytesAsString();
        text = QString(reinterpret_cast<const QChar*>(bytes.data()),
                       static_cast<qsizetype>(bytes.size() / 2));
    }

    const std::optional<double> whole = numericValue(text);
    const double leading = leadingNumber(text);
    require(!std::isnan(leading), "leading number is NaN", text);
    if (whole) {
        require(!std::isnan(*whole), "number is NaN", text);
        require(*whole == leading, "whole-text number differs from the leading number", text);
    }
    if (const std::optional<std::int16_t> rounded = wholeNumber(leading))
        require(std::abs(*rounded - leading) <= 0.5, "rounding moved too far", text);
    if (const std::optional<std::int16_t> zone = zoneMagnitude(text)) {
        require(*zone >= 0, "negative zone magnitude", text);
        require(whole || trimmedText(text).isEmpty(), "zone from a text that is no number", text);
    }
    return 0;
}
