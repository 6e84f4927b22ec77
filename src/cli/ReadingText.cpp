// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReadingText.h"

#include "astro/AngleFormat.h"
#include "astro/DateReduction.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tenvari::cli {

namespace {

void appendInt(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendShortest(std::string& out, double value) {
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
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

using Columns = std::span<const AyanamsaDefinition* const>;

Columns columnsOf(const CliReading& reading) {
    return reading.columns;
}

// The computed columns of the machine formats, in their order, handed to a
// writer: number(name, present, append) for a value that `append` writes,
// text(name, present, text) for a text, and beginGroup(name) / endGroup()
// around each definition's five. `present` is false for a value that was not
// computed or does not exist.
template <class Writer>
void writeComputed(const CliReading& reading, const Columns& columns, Writer& writer) {
    writer.number("julian_day_number", true,
                  [&](std::string& out) { appendInt(out, reading.julianDayNumber); });
    writer.number("universal_time_hours", true,
                  [&](std::string& out) { appendShortest(out, reading.universalHours); });
    writer.number("t_centuries", true,
                  [&](std::string& out) { appendShortest(out, reading.centuries); });
    writer.number("ayanamsa_deg", true,
                  [&](std::string& out) { appendFixed(out, reading.ayanamsaDegrees(), 12); });
    writer.text("ayanamsa_text", true, reading.text);
    writer.text("weekday", true, WeekdayName(reading.dayOfWeek));
    const bool reference = reading.hasReference;
    const LahiriReference& values = reading.reference;
    writer.number("reference_true_deg", reference,
                  [&](std::string& out) { appendFixed(out, values.trueDegrees, 9); });
    writer.text("reference_true_text", reference,
                reference ? FormatDegreesHundredths(values.trueDegrees) : std::string());
    writer.number("reference_mean_deg", reference,
                  [&](std::string& out) { appendFixed(out, values.meanDegrees, 9); });
    writer.text("reference_mean_text", reference,
                reference ? FormatDegreesHundredths(values.meanDegrees) : std::string());
    writer.number("formula_minus_reference_arcsec", reference,
                  [&](std::string& out) { appendFixed(out, reading.differenceArcsec(), 3); });

    const Instant& instant = reading.instant;
    writer.number("jd_ut", true,
                  [&](std::string& out) { appendFixed(out, instant.julianDateUt(), 8); });
    writer.number("jd_tt", true,
                  [&](std::string& out) { appendFixed(out, instant.julianDateTt(), 8); });
    writer.number("delta_t_seconds", true,
                  [&](std::string& out) { appendFixed(out, instant.deltaTSeconds, 3); });
    writer.text("calendar", true, calendarName(reading));

    writer.beginDefinitions();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        static const AyanamsaValue kNone;
        const AyanamsaValue& value = i < reading.columns.size() ? reading.values[i] : kNone;
        const bool hasTrue = value.trueDegrees.has_value();
        const bool hasMean = value.meanDegrees.has_value();
        if (!hasTrue && !hasMean) {
            writer.absentGroup(columns[i]->name);
            continue;
        }
        writer.beginGroup(columns[i]->name);
        writer.number("true_deg", hasTrue,
                      [&](std::string& out) { appendFixed(out, *value.trueDegrees, 9); });
        writer.number("mean_deg", hasMean,
                      [&](std::string& out) { appendFixed(out, *value.meanDegrees, 9); });
        writer.text("true_text", hasTrue,
                    hasTrue ? FormatDegreesHundredths(*value.trueDegrees) : std::string());
        writer.text("mean_text", hasMean,
                    hasMean ? FormatDegreesHundredths(*value.meanDegrees) : std::string());
        writer.number("true_minus_iae_arcsec", hasTrue && reference, [&](std::string& out) {
            appendFixed(out, values.trueDifferenceArcsec(*value.trueDegrees), 3);
        });
        writer.endGroup();
    }
    writer.endDefinitions();
}

// `, "name": value` for each column; null for an absent one. The
// definitions form one object of objects, keyed by name.
struct JsonColumns {
    std::string& out;
    bool first = false; // the next key opens an object

    template <class Append> void number(std::string_view name, bool present, Append&& append) {
        key(name);
        if (present) {
            append(out);
        } else {
            out += "null";
        }
    }
    void text(std::string_view name, bool present, std::string_view text) {
        key(name);
        if (present) {
            appendJsonString(out, text);
        } else {
            out += "null";
        }
    }
    void key(std::string_view name) {
        out += first ? "\"" : ", \"";
        first = false;
        out += name;
        out += "\": ";
    }
    void beginDefinitions() {
        key("definitions");
        out += '{';
        first = true;
    }
    void endDefinitions() {
        out += '}';
        first = false;
    }
    void beginGroup(std::string_view name) {
        key(name);
        out += '{';
        first = true;
    }
    void endGroup() {
        out += '}';
        first = false;
    }
    void absentGroup(std::string_view name) {
        key(name);
        out += "{\"true_deg\": null, \"mean_deg\": null, \"true_text\": null, "
               "\"mean_text\": null, \"true_minus_iae_arcsec\": null}";
    }
};

// The values, comma-separated; an absent one is empty. Write::Names
// writes the column names instead (the header), Write::Empty only the
// commas (a refused batch row). A definition's columns are named after it:
// iae_true_deg.
struct CsvColumns {
    enum class Write { Values, Names, Empty };
    std::string& out;
    Write write = Write::Values;
    bool first = true;
    std::string_view group{};

    template <class Append> void number(std::string_view name, bool present, Append&& append) {
        if (next(name) && present) {
            append(out);
        }
    }
    void text(std::string_view name, bool present, std::string_view text) {
        if (next(name) && present) {
            appendCsvField(out, text);
        }
    }
    // Writes the separator (and the name for a header); true when the
    // value is to follow.
    bool next(std::string_view name) {
        if (!first) {
            out += ',';
        }
        first = false;
        if (write == Write::Names) {
            if (!group.empty()) {
                out += group;
                out += '_';
            }
            out += name;
        }
        return write == Write::Values;
    }
    void beginDefinitions() {}
    void endDefinitions() {}
    void beginGroup(std::string_view name) { group = name; }
    void endGroup() { group = {}; }
    // A definition without values: its five columns at once.
    void absentGroup(std::string_view name) {
        if (write == Write::Names) {
            for (const std::string_view field :
                 {"true_deg", "mean_deg", "true_text", "mean_text", "true_minus_iae_arcsec"}) {
                group = name;
                next(field);
            }
            group = {};
            return;
        }
        out.append(first ? 4 : 5, ',');
        first = false;
    }
};

} // namespace

void appendFixed(std::string& out, double value, int decimals) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                         1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    static constexpr std::int64_t kWholePowers[] = {
        1,        10,        100,        1000,        10000,        100000,       1000000,
        10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000};
    const double size = std::fabs(value);
    const bool fast = decimals >= 0 && decimals <= 12 && size * kPowers[decimals] < 0x1p52;
    if (!fast) {
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, decimals);
        if (result.ec == std::errc()) {
            out.append(buffer, result.ptr);
        } else {
            appendShortest(out, value);
        }
        return;
    }
    // size * 10^decimals = product + residual exactly; round that exact value
    // to the nearest whole number, ties to even, as printf does.
    const double scale = kPowers[decimals];
    const double product = size * scale;
    const double residual = std::fma(size, scale, -product);
    const double whole = std::floor(product);
    const double fraction = product - whole; // exact, a multiple of product's ulp
    const bool up =
        fraction > 0.5 ||
        (fraction == 0.5 && (residual > 0.0 || (residual == 0.0 && std::fmod(whole, 2.0) != 0.0)));
    const auto rounded = static_cast<std::int64_t>(whole) + (up ? 1 : 0);

    char buffer[40];
    char* end = buffer;
    if (std::signbit(value)) {
        *end++ = '-';
    }
    end = std::to_chars(end, buffer + sizeof buffer, rounded / kWholePowers[decimals]).ptr;
    if (decimals > 0) {
        *end++ = '.';
        std::int64_t digits = rounded % kWholePowers[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            end[i] = static_cast<char>('0' + digits % 10);
            digits /= 10;
        }
        end += decimals;
    }
    out.append(buffer, end);
}

void appendPlainLine(std::string& out, const CliReading& reading) {
    out += reading.text;
    out += "  ";
    out += WeekdayName(reading.dayOfWeek);
    out += '\n';
}

namespace {

// "23.250182778°  23° 15' 0.66\"" or "none".
void appendDegreesAndText(std::string& out, const std::optional<double>& degrees) {
    if (!degrees) {
        out += "none";
        return;
    }
    appendFixed(out, *degrees, 9);
    out += "\xC2\xB0  ";
    out += FormatDegreesHundredths(*degrees);
}

// The instant's other forms and every definition's values, after the
// reading's own lines.
void appendDefinitionDetails(std::string& out, const CliReading& reading) {
    appendLabel(out, "Shown definition");
    out += reading.shown != nullptr ? reading.shown->name : std::string_view("formula");
    out += '\n';
    appendLabel(out, "Calendar");
    out += calendarName(reading);
    out += '\n';
    appendLabel(out, "Delta T");
    appendFixed(out, reading.instant.deltaTSeconds, 3);
    out += " s (TT - UT)\n";
    appendLabel(out, "Julian Date, UT");
    appendFixed(out, reading.instant.julianDateUt(), 8);
    out += '\n';
    appendLabel(out, "Julian Date, TT");
    appendFixed(out, reading.instant.julianDateTt(), 8);
    out += '\n';
    for (std::size_t i = 0; i < reading.columns.size(); ++i) {
        const AyanamsaValue& value = reading.values[i];
        appendLabel(out, reading.columns[i]->name);
        if (!value.trueDegrees && !value.meanDegrees) {
            out += reading.hasReference ? "not defined at this date\n" : "not computed\n";
            continue;
        }
        out += "true ";
        appendDegreesAndText(out, value.trueDegrees);
        out += "; mean ";
        appendDegreesAndText(out, value.meanDegrees);
        if (value.trueDegrees && reading.hasReference) {
            out += "; true - iae ";
            appendSigned(out, reading.reference.trueDifferenceArcsec(*value.trueDegrees), 3);
            out += '"';
        }
        out += '\n';
    }
}

} // namespace

void appendDetails(std::string& out, const GivenTexts& given, const CliMoment& moment,
                   const CliReading& reading) {
    appendPlainLine(out, reading);
    appendLabel(out, "Date");
    out += given.date;
    out += ", ";
    out += WeekdayName(reading.dayOfWeek);
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
        appendDefinitionDetails(out, reading);
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
    if (reading.shown != nullptr && reading.shown->name != "formula") {
        appendLabel(out, "Shown - reference");
        appendSigned(out, reading.differenceArcsec(), 3);
        out += "\" (the shown value less the true reference value)\n";
    } else {
        appendLabel(out, "Formula - reference");
        appendSigned(out, reading.differenceArcsec(), 3);
        out += "\" (formula less the true reference value)\n";
    }
    appendDefinitionDetails(out, reading);
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
    JsonColumns columns{out};
    writeComputed(reading, columnsOf(reading), columns);
    out += "}\n";
}

void appendCsvHeader(std::string& out, bool batch, const ReadingOptions& options) {
    if (batch) {
        out += "row,";
    }
    out += "date,time,zone,dst,";
    CsvColumns columns{out, CsvColumns::Write::Names};
    writeComputed(CliReading{}, options.columnList(), columns);
    out += batch ? ",error\n" : "\n";
}

void appendCsv(std::string& out, const GivenTexts& given, const CliReading& reading) {
    CsvColumns header{out, CsvColumns::Write::Names};
    out += "date,time,zone,dst,";
    writeComputed(CliReading{}, columnsOf(reading), header);
    out += '\n';
    appendCsvField(out, given.date);
    out += ',';
    appendCsvField(out, given.time);
    out += ',';
    appendCsvField(out, given.zone);
    out += ',';
    out += given.dst;
    out += ',';
    appendCsvComputed(out, reading);
    out += '\n';
}

void appendCsvComputed(std::string& out, const CliReading& reading) {
    CsvColumns columns{out};
    writeComputed(reading, columnsOf(reading), columns);
}

void appendCsvComputedEmpty(std::string& out, const ReadingOptions& options) {
    CsvColumns columns{out, CsvColumns::Write::Empty};
    writeComputed(CliReading{}, options.columnList(), columns);
}

} // namespace tenvari::cli
