// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliMoment.h"

#include "astro/DateReduction.h"
#include "astro/HiddenLongitude.h"

#include <cstdlib>

namespace tenvari::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of text[from, from + count), all digits; -1 when not.
int digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!isDigit(text[i])) {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Reads H:MM or HH:MM from text; false when the form does not match.
bool hoursAndMinutes(std::string_view text, int& hours, int& minutes) {
    if (text.size() != 4 && text.size() != 5) {
        return false;
    }
    const std::size_t colon = text.size() - 3;
    if (text[colon] != ':') {
        return false;
    }
    hours = digits(text, 0, colon);
    minutes = digits(text, colon + 1, 2);
    return hours >= 0 && minutes >= 0;
}

} // namespace

bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    if (text.size() != lowerWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            (text[i] >= 'A' && text[i] <= 'Z') ? static_cast<char>(text[i] + 32) : text[i];
        if (c != lowerWord[i]) {
            return false;
        }
    }
    return true;
}

FieldProblem parseDate(std::string_view text, CliMoment& moment) {
    if (text.empty()) {
        return FieldProblem::Missing;
    }
    const bool negative = text[0] == '-';
    const std::size_t signSize = (negative || text[0] == '+') ? 1 : 0;
    // The year's digits run to the first '-' after the sign.
    const std::size_t yearEnd = text.find('-', signSize);
    const std::size_t yearSize = yearEnd == std::string_view::npos ? 0 : yearEnd - signSize;
    if (yearSize < 1 || yearSize > 4 || text.size() != yearEnd + 6 || text[yearEnd + 3] != '-') {
        return FieldProblem::DateForm;
    }
    const int digitsOfYear = digits(text, signSize, yearSize);
    const int month = digits(text, yearEnd + 1, 2);
    const int day = digits(text, yearEnd + 4, 2);
    if (digitsOfYear < 0 || month < 0 || day < 0) {
        return FieldProblem::DateForm;
    }
    const int year = negative ? -digitsOfYear : digitsOfYear;
    if (year < -3000 || year > 3000) {
        return FieldProblem::DateRange;
    }
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonthIn(moment.calendar, month, year)) {
        return FieldProblem::DateNotReal;
    }
    if (moment.calendar == Calendar::Historical && year == 1582 && month == 10 && day > 4 &&
        day < 15) {
        return FieldProblem::DateInGap;
    }
    moment.year = static_cast<std::int16_t>(year);
    moment.month = static_cast<std::int16_t>(month);
    moment.day = static_cast<std::int16_t>(day);
    return FieldProblem::None;
}

FieldProblem parseTime(std::string_view text, CliMoment& moment) {
    if (text.empty()) {
        return FieldProblem::Missing;
    }
    int hours = 0;
    int minutes = 0;
    if (!hoursAndMinutes(text, hours, minutes)) {
        return FieldProblem::TimeForm;
    }
    if (hours > 23 || minutes > 59) {
        return FieldProblem::TimeRange;
    }
    moment.hour = static_cast<std::int16_t>(hours);
    moment.minute = static_cast<std::int16_t>(minutes);
    return FieldProblem::None;
}

FieldProblem parseZone(std::string_view text, CliMoment& moment) {
    if (text.empty()) {
        return FieldProblem::Missing;
    }
    int hours = 0;
    int minutes = 0;
    if ((text[0] != '+' && text[0] != '-') || !hoursAndMinutes(text.substr(1), hours, minutes)) {
        return FieldProblem::ZoneForm;
    }
    if (minutes > 59) {
        return FieldProblem::ZoneMinutes;
    }
    const int size = hours * 60 + minutes;
    if (size > 14 * 60) {
        return FieldProblem::ZoneRange;
    }
    moment.zoneNegative = text[0] == '-';
    moment.zoneMinutes = moment.zoneNegative ? -size : size;
    return FieldProblem::None;
}

FieldProblem parseDst(std::string_view text, CliMoment& moment) {
    if (text.empty() || text == "0" || equalsIgnoringCase(text, "no") ||
        equalsIgnoringCase(text, "false")) {
        moment.dst = false;
        return FieldProblem::None;
    }
    if (text == "1" || equalsIgnoringCase(text, "yes") || equalsIgnoringCase(text, "true")) {
        moment.dst = true;
        return FieldProblem::None;
    }
    return FieldProblem::DstValue;
}

std::string problemText(FieldProblem problem, std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    quoted += text;
    quoted += '\'';
    switch (problem) {
    case FieldProblem::None:
        return {};
    case FieldProblem::Missing:
        return "missing";
    case FieldProblem::DateForm:
        return quoted + " is not a date of the form YYYY-MM-DD";
    case FieldProblem::DateRange:
        return quoted + " lies outside -3000-01-01 to 3000-12-31";
    case FieldProblem::DateNotReal:
        return quoted + " is not a real date";
    case FieldProblem::DateInGap:
        return quoted + " does not exist: Julian dates end on 1582-10-04 and Gregorian ones "
                        "begin on 1582-10-15 (--calendar julian or gregorian reads it in one)";
    case FieldProblem::TimeForm:
        return quoted + " is not a time of the form HH:MM";
    case FieldProblem::TimeRange:
        return quoted + " is not a clock time from 00:00 to 23:59";
    case FieldProblem::ZoneForm:
        return quoted + " is not a zone offset of the form +HH:MM or -HH:MM";
    case FieldProblem::ZoneMinutes:
        return quoted + " has minutes outside 00 to 59";
    case FieldProblem::ZoneRange:
        return quoted + " lies outside -14:00 to +14:00";
    case FieldProblem::DstValue:
        return quoted + " is not one of 0, 1, no, yes, false, true";
    }
    return quoted + " is not valid";
}

BirthMoment birthMomentOf(const CliMoment& moment) {
    BirthMoment birth;
    birth.year = moment.year;
    birth.month = moment.month;
    birth.day = moment.day;
    birth.hour = moment.hour;
    birth.minute = moment.minute;
    const int size = std::abs(moment.zoneMinutes);
    birth.zoneHours = static_cast<std::int16_t>(size / 60);
    birth.zoneMinutes = static_cast<std::int16_t>(size % 60);
    birth.lonDegrees = kHiddenLonDegrees;
    birth.lonMinutes = kHiddenLonMinutes;
    birth.east = !moment.zoneNegative;
    birth.daylightSaving = moment.dst;
    return birth;
}

} // namespace tenvari::cli
