// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReferralChecks.h"

#include <QUrl>

namespace tenvari {

namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

std::optional<QString> refusal(const char* message) {
    return QString::fromLatin1(message);
}

} // namespace

QString ReferralAddress(const ReferralRecord& record, const QString& referralPage,
                        const QString& productSite) {
    return referralPage + QLatin1String("?taf1=") + encoded(record.name) + QLatin1String("&taf2=") +
           encoded(record.email) + QLatin1String("&taf3=") + encoded(record.message) +
           QLatin1String("&taf4=") + encoded(record.friendName) + QLatin1String("&taf5=") +
           encoded(record.friendEmail) + QLatin1String("&taf6=") + encoded(productSite);
}

std::optional<QString> refusedAddresses(const ReferralRecord& record) {
    const auto proper = [](const QString& address) {
        return address.contains(u'@') && address.contains(u'.');
    };
    if (record.email == record.friendEmail)
        return refusal("Please Enter Distinct Email Addresses");
    if (!proper(record.email) || !proper(record.friendEmail))
        return refusal("Please Enter Proper Email Address");
    return std::nullopt;
}

std::optional<QString> refusedEntries(const ReferralRecord& record) {
    const auto missing = [](const QString& value, const char* prompt) {
        return value.isEmpty() || value == QLatin1String(prompt);
    };
    if (missing(record.name, kNamePrompt))
        return refusal("Please Enter Your Name");
    if (missing(record.email, kEmailPrompt))
        return refusal("Please Enter Your Email");
    if (missing(record.message, kMessagePrompt))
        return refusal("Please Enter Your Message");
    if (missing(record.friendName, kFriendNamePrompt))
        return refusal("Please Enter Your Friend's Name");
    if (missing(record.friendEmail, kFriendEmailPrompt))
        return refusal("Please Enter Your Friend's Email");
    return std::nullopt;
}

std::optional<QString> refusedAddressKey(int code) {
    if (code == ' ')
        return refusal("Email Address Cannot Contain Space");
    return std::nullopt;
}

} // namespace tenvari
