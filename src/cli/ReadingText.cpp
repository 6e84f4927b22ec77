// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReadingText.h"

#include "reference/SexagesimalText.h"

#include <charconv>
#include <cmath>

namespace tenvari::cli {

namespace {

constexpr std::string_view kComputedColumns =
    "julian_day_number,universal_time_hours,t_centuries,ayanamsa_deg,ayanamsa_text,weekday,"
    "reference_true_deg,reference_true_text,reference_mean_deg,reference_mean_text,"
    "formula_minus_reference_arcsec";

void appendInt(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendShortest(std::string& out, double value) {
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendFixed(std::string& out, double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    // Only a value beyond 1e40 would not fit; write it the short way then.
    if (result.ec != std::errc()) {
        appendShortest(out, value);
        return;
    }
    out.append(buffer, result.ptr);
}

void appendSigned(std::string& out, double value, int decimals) {
    if (!(value < 0.0)) {
        out += '+';
    }
    appendFixed(out, value, decimals);
}

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendLabel(std::string& out, std::string_view label) {
    constexpr std::size_t kWidth = 21;
    out += label;
    out.append(label.size() < kWidth ? kWidth - label.size() : 1, ' ');
}

} // namespace

void appendCsvField(std::string& out, std::string_view text) {
    const bool blankEdge = !text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                             text.front() == '\t' || text.back() == '\t');
    if (!blankEdge && text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void appendPlainLine(std::string& out, const CliReading& reading) {
    out += reading.text;
    out += "  ";
    out += weekdayName(reading.dayOfWeek);
    out += '\n';
}

void appendDetails(std::string& out, const GivenTexts& given, const CliMoment& moment,
                   const CliReading& reading) {
    appendPlainLine(out, reading);
    appendLabel(out, "Date");
    out += given.date;
    out += ", ";
    out += weekdayName(reading.dayOfWeek);
    out += '\n';
    appendLabel(out, "Local time");
    out += given.time;
    out += " at zone ";
    out += given.zone;
    out += moment.dst ? ", daylight saving (clock one hour ahead)\n" : ", no daylight saving\n";
    appendLabel(out, "Julian Day Number");
    appendInt(out, reading.julianDayNumber);
    out += '\n';
    appendLabel(out, "Universal Time");
    appendShortest(out, reading.universalHours);
    out += " h on the civil date\n";
    appendLabel(out, "T");
    appendShortest(out, reading.centuries);
    out += " Julian centuries from JD 2415020.0\n";
    appendLabel(out, "Ayanamsa");
    appendFixed(out, reading.ayanamsaDegrees(), 12);
    out += "\xC2\xB0\n";
    appendLabel(out, "Shown as");
    out += reading.text;
    out += '\n';
    if (!reading.hasReference) {
        return;
    }
    appendLabel(out, "Reference, true");
    appendFixed(out, reading.reference.trueDegrees, 9);
    out += "\xC2\xB0  ";
    out += FormatDegreesHundredths(reading.reference.trueDegrees);
    out += '\n';
    appendLabel(out, "Reference, mean");
    appendFixed(out, reading.reference.meanDegrees, 9);
    out += "\xC2\xB0  ";
    out += FormatDegreesHundredths(reading.reference.meanDegrees);
    out += '\n';
    appendLabel(out, "Formula - reference");
    appendSigned(out, reading.differenceArcsec(), 3);
    out += "\" (formula less the true reference value)\n";
}

void appendJson(std::string& out, const GivenTexts& given, const CliMoment& moment,
                const CliReading& reading) {
    out += "{\"date\": ";
    appendJsonString(out, given.date);
    out += ", \"time\": ";
    appendJsonString(out, given.time);
    out += ", \"zone\": ";
    appendJsonString(out, given.zone);
    out += moment.dst ? ", \"dst\": true" : ", \"dst\": false";
    out += ", \"julian_day_number\": ";
    appendInt(out, reading.julianDayNumber);
    out += ", \"universal_time_hours\": ";
    appendShortest(out, reading.universalHours);
    out += ", \"t_centuries\": ";
    appendShortest(out, reading.centuries);
    out += ", \"ayanamsa_deg\": ";
    appendFixed(out, reading.ayanamsaDegrees(), 12);
    out += ", \"ayanamsa_text\": ";
    appendJsonString(out, reading.text);
    out += ", \"weekday\": ";
    appendJsonString(out, weekdayName(reading.dayOfWeek));
    if (reading.hasReference) {
        out += ", \"reference_true_deg\": ";
        appendFixed(out, reading.reference.trueDegrees, 9);
        out += ", \"reference_true_text\": ";
        appendJsonString(out, FormatDegreesHundredths(reading.reference.trueDegrees));
        out += ", \"reference_mean_deg\": ";
        appendFixed(out, reading.reference.meanDegrees, 9);
        out += ", \"reference_mean_text\": ";
        appendJsonString(out, FormatDegreesHundredths(reading.reference.meanDegrees));
        out += ", \"formula_minus_reference_arcsec\": ";
        appendFixed(out, reading.differenceArcsec(), 3);
    } else {
        out += ", \"reference_true_deg\": null, \"reference_true_text\": null"
               ", \"reference_mean_deg\": null, \"reference_mean_text\": null"
               ", \"formula_minus_reference_arcsec\": null";
    }
    out += "}\n";
}

void appendCsvHeader(std::string& out, bool batch) {
    if (batch) {
        out += "row,";
    }
    out += "date,time,zone,dst,";
    out += kComputedColumns;
    out += batch ? ",error\n" : "\n";
}

void appendCsvComputed(std::string& out, const CliReading& reading) {
    appendInt(out, reading.julianDayNumber);
    out += ',';
    appendShortest(out, reading.universalHours);
    out += ',';
    appendShortest(out, reading.centuries);
    out += ',';
    appendFixed(out, reading.ayanamsaDegrees(), 12);
    out += ',';
    appendCsvField(out, reading.text);
    out += ',';
    out += weekdayName(reading.dayOfWeek);
    out += ',';
    if (reading.hasReference) {
        appendFixed(out, reading.reference.trueDegrees, 9);
        out += ',';
        appendCsvField(out, FormatDegreesHundredths(reading.reference.trueDegrees));
        out += ',';
        appendFixed(out, reading.reference.meanDegrees, 9);
        out += ',';
        appendCsvField(out, FormatDegreesHundredths(reading.reference.meanDegrees));
        out += ',';
        appendFixed(out, reading.differenceArcsec(), 3);
    } else {
        out += ",,,,";
    }
}

void appendCsvComputedEmpty(std::string& out) {
    out += ",,,,,,,,,,";
}

} // namespace tenvari::cli
