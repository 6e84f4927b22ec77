// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReferralChecks.h"

#include <QCoreApplication>
#include <QUrl>

namespace tenvari {

namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

std::optional<QString> refusal(const char* message) {
    return referralText(message);
}

} // namespace

QString referralText(const char* text) {
    return QCoreApplication::translate("tenvari::ReferralForm", text);
}

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
        return refusal(
            QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Distinct Email Addresses"));
    if (!proper(record.email) || !proper(record.friendEmail))
        return refusal(
            QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Proper Email Address"));
    return std::nullopt;
}

std::optional<QString> refusedEntries(const ReferralRecord& record) {
    const auto missing = [](const QString& value, const char* prompt) {
        return value.isEmpty() || value == referralText(prompt);
    };
    if (missing(record.name, kNamePrompt))
        return refusal(QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Your Name"));
    if (missing(record.email, kEmailPrompt))
        return refusal(QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Your Email"));
    if (missing(record.message, kMessagePrompt))
        return refusal(QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Your Message"));
    if (missing(record.friendName, kFriendNamePrompt))
        return refusal(
            QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Your Friend's Name"));
    if (missing(record.friendEmail, kFriendEmailPrompt))
        return refusal(
            QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Please Enter Your Friend's Email"));
    return std::nullopt;
}

std::optional<QString> refusedAddressKey(int code) {
    if (code == ' ')
        return refusal(
            QT_TRANSLATE_NOOP("tenvari::ReferralForm", "Email Address Cannot Contain Space"));
    return std::nullopt;
}

} // namespace tenvari
