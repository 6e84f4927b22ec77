// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace tenvari {

class Clock;
class MessageService;
class SettingsStore;
class WebLinks;

// Where the date of the last reminder is kept, under the application key
// (the executable's file name without extension).
inline constexpr char kReminderSection[] = "Settings";
inline constexpr char kReminderEntry[] = "Duration";

// Days on either side of the stored date within which no reminder is shown.
inline constexpr int kReminderQuietDays = 14;

// The stored reminder date: an ISO 8601 date (yyyy-MM-dd) first, else the
// short date format of the default locale. A two-digit year is read in the
// century that puts the date nearest to `today`. Empty when neither reads.
std::optional<QDate> ParseReminderDate(const QString& text, const QDate& today);

// Reminds of a newer version at start-up, at most once a fortnight.
//
// Reads "Duration"; when it is absent or unreadable, stores today and
// returns without a word. When the stored date lies more than 14 days before
// or after today, asks "There maybe an update to this software available",
// CR, "Do you want to check for an update?" (Yes/No, information icon),
// stores today whatever the answer, and opens the download page on Yes.
// Dates are stored as yyyy-MM-dd, which any locale reads back. A store that
// cannot be written changes nothing else: the answer is still acted on.
void ShowUpdateReminder(SettingsStore& settings, Clock& clock, MessageService& messages,
                        WebLinks& links, const QString& applicationKey);

} // namespace tenvari
