// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tenvari {

// One named time zone of the picker's list.
//
// Given (all fixed at compile time):
//   index    int           position in the table, 0 to 70; the picker's list
//                          shows the entries in this order and a pick is
//                          identified by this position alone
//   rowText  string_view   exactly what the list shows: plain ASCII, at most
//                          44 characters, "name,abbreviation,offset" or
//                          "name, abbreviation, offset" (offset "-5.30" or
//                          whole hours "2#")
//   hours    int16         whole hours of the offset, -13 to 12
//   minutes  int16         minutes of the offset: -30, 0 or 30; when not 0
//                          it has the sign of hours
//
// Notes:
//   1. The offset counts west of Greenwich as positive: it is the amount by
//      which Universal Time is ahead of the zone's clock ("EST, 5.0" is five
//      hours behind UT, "IST, -5.30" five and a half ahead of it).
//   2. After the point stand minutes, not a decimal fraction: ".30" is 30
//      minutes. The stored numbers are what the row text says; nothing parses
//      the texts at run time.
struct TimeZoneEntry {
    int index;
    std::string_view rowText;
    std::int16_t hours;
    std::int16_t minutes;
};

inline constexpr std::size_t kTimeZoneCount = 71;

// The whole table, index 0 first, in alphabetical order of the row texts
// without regard to case (so "Universal Time" stands before "USSR Zone").
const std::array<TimeZoneEntry, kTimeZoneCount>& TimeZoneEntries();

// The entry at a list position, or nullptr when the position names none
// (anything outside 0 to 70, such as -1 for "no row selected").
const TimeZoneEntry* TimeZoneAt(int index);

} // namespace tenvari
