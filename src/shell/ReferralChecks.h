// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace tenvari {

// The prompts the referral boxes show while they hold nothing of the user's
// (in English; referralText gives them as the form shows them).
inline constexpr char kNamePrompt[] = QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Your Name");
inline constexpr char kEmailPrompt[] =
    QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Your Email Address");
inline constexpr char kFriendNamePrompt[] =
    QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Friend's Name");
inline constexpr char kFriendEmailPrompt[] =
    QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Friend's Email Address");
inline constexpr char kMessagePrompt[] = QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Your Message");

// A text of the referral form (a prompt, a refusal) in the user's language.
QString referralText(const char* text);

// What the user entered in the referral form, each text without its
// leading and trailing blanks (U+0020 only).
struct ReferralRecord {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The referral page's address with the entries as query values, keys and
// order fixed:
//   <page>?taf1=<name>&taf2=<email>&taf3=<message>&taf4=<friend's name>
//          &taf5=<friend's email>&taf6=<product site>
// Every value is percent-encoded as UTF-8 (all but A-Z a-z 0-9 - . _ ~), so
// an "&", "=", "#", "+" or blank in an entry arrives as typed and can
// neither add nor cut off a query key.
QString ReferralAddress(const ReferralRecord& record, const QString& referralPage,
                        const QString& productSite);

// The checks of "Refer A Friend &Now" on the two addresses, in order: equal
// ("Please Enter Distinct Email Addresses"), either without "@" or without
// "." ("Please Enter Proper Email Address"). All comparisons are exact and
// case-sensitive. The refusal's message, or none.
std::optional<QString> refusedAddresses(const ReferralRecord& record);

// The checks before a referral is sent, in order: the name, the user's
// address, the message, the friend's name, the friend's address empty or
// still at its prompt ("Please Enter Your Name", "... Your Email", "...
// Your Message", "... Your Friend's Name", "... Your Friend's Email"). The
// refusal's message, or none.
std::optional<QString> refusedEntries(const ReferralRecord& record);

// The address boxes' keystroke rule: a typed space (code 32) is refused
// with "Email Address Cannot Contain Space"; every other code passes.
std::optional<QString> refusedAddressKey(int code);

} // namespace tenvari
