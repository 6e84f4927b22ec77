// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EscapedText.h"

#include <cstddef>

namespace tenvari::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the start of `text`
// (first byte 0x80 or above), or 0 when there is none.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

void appendHexByte(std::string& out, const char* prefix, unsigned char c) {
    out += prefix;
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

bool isPlain(unsigned char c) {
    return c >= 0x20 && c < 0x7F;
}

// A field free of control characters, quoted when CSV needs it.
void appendQuotedIfNeeded(std::string& out, std::string_view text) {
    bool quote = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    for (const char c : text) {
        quote = quote || c == ',' || c == '"';
    }
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"'; // a quote is written twice
        }
        out += c;
    }
    out += '"';
}

} // namespace

void appendEscaped(std::string& out, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isPlain(c)) {
            std::size_t run = i + 1;
            while (run < text.size() && isPlain(static_cast<unsigned char>(text[run]))) {
                ++run;
            }
            out += text.substr(i, run - i);
            i = run;
        } else if (c == '\n') {
            out += "\\n";
            ++i;
        } else if (c == '\r') {
            out += "\\r";
            ++i;
        } else if (c == '\t') {
            out += "\\t";
            ++i;
        } else if (c < 0x80) {
            appendHexByte(out, "\\x", c);
            ++i;
        } else if (const std::size_t length = sequenceLength(text.substr(i)); length == 0) {
            appendHexByte(out, "\\x", c);
            ++i;
        } else if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            appendHexByte(out, "\\u00", static_cast<unsigned char>(text[i + 1]));
            i += 2;
        } else {
            out += text.substr(i, length);
            i += length;
        }
    }
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

void appendCsvField(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (!isPlain(static_cast<unsigned char>(c))) {
            appendQuotedIfNeeded(out, escaped(text));
            return;
        }
    }
    appendQuotedIfNeeded(out, text);
}

void appendCsvEchoedField(std::string& out, std::string_view text) {
    if (!text.empty() && (text.front() == '=' || text.front() == '+' || text.front() == '-' ||
                          text.front() == '@')) {
        std::string prefixed;
        prefixed.reserve(text.size() + 1);
        prefixed += '\'';
        prefixed += text;
        appendCsvField(out, prefixed);
    } else {
        appendCsvField(out, text);
    }
}

} // namespace tenvari::cli
