// SPDX-License-Identifier: GPL-3.0-or-later
// The referral address from any five entries: a valid address, whose six
// query values read back exactly as entered, in their order; entries within
// the boxes' limits always give an address well below what the desktop can
// hand to a browser.

#include "FuzzSupport.h"
#include "shell/ReferralForm.h"

#include <QUrl>
#include <QUrlQuery>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace tenvari;
using tenvari::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto entry = [&input] {
        return QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRandomLengthString()));
    };
    const ReferralRecord record{entry(), entry(), entry(), entry(), entry()};
    const QString page = QStringLiteral("https://maker.example.com/refer.html");
    const QString site = QStringLiteral("https://tenvari.example.org");
    const QString address = ReferralAddress(record, page, site);

    const QUrl url(address, QUrl::StrictMode);
    require(url.isValid(), "invalid address", url.errorString());
    require(address.startsWith(page + QStringLiteral("?taf1=")), "address begins elsewhere");
    const QList<QPair<QString, QString>> expected{
        {"taf1", record.name},       {"taf2", record.email},       {"taf3", record.message},
        {"taf4", record.friendName}, {"taf5", record.friendEmail}, {"taf6", site}};
    require(QUrlQuery(url).queryItems(QUrl::FullyDecoded) == expected, "values changed on the way",
            address);

    const bool withinLimits = record.name.size() <= 128 && record.email.size() <= 254 &&
                              record.message.size() <= 2000 && record.friendName.size() <= 128 &&
                              record.friendEmail.size() <= 254;
    if (withinLimits)
        require(address.size() < 32 * 1024, "address too long for its entries");
    return 0;
}
