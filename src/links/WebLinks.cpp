// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/WebLinks.h"

#include "links/WebAddresses.h"
#include "platform/LinkOpener.h"

#include <string_view>

namespace tenvari {

namespace {

// A base address as the configure step must give it: "https://", a host
// (and optionally a path) made of characters that need no encoding, no
// query, no fragment and no trailing slash, because the pages are appended
// as "/name.html".
constexpr bool isSiteBase(std::string_view site) {
    constexpr std::string_view scheme = "https://";
    if (!site.starts_with(scheme) || site.size() == scheme.size() || site.ends_with('/'))
        return false;
    for (char c : site.substr(scheme.size())) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == ':' || c == '/';
        if (!plain)
            return false;
    }
    return site.substr(scheme.size()).front() != '/';
}

static_assert(isSiteBase(generated::kProductSite),
              "TENVARI_PRODUCT_SITE must look like https://host[/path], without a trailing slash");
static_assert(isSiteBase(generated::kMakerSite),
              "TENVARI_MAKER_SITE must look like https://host[/path], without a trailing slash");

QString underProduct(const char* path) {
    return QString::fromLatin1(generated::kProductSite) + QLatin1String(path);
}

QString underMaker(const char* path) {
    return QString::fromLatin1(generated::kMakerSite) + QLatin1String(path);
}

} // namespace

QString WebLinks::address(WebPage page) {
    switch (page) {
    case WebPage::OnlineHelp:
        return underProduct("/help.html");
    case WebPage::Home:
        return underMaker("/");
    case WebPage::Download:
        return underProduct("/download.html");
    case WebPage::Donate:
        return underMaker("/donate.html");
    case WebPage::CoBrand:
        return underMaker("/cobrand.html");
    case WebPage::FullBrand:
        return underMaker("/fullbrand.html");
    case WebPage::Products:
        return underMaker("/software.html");
    }
    return {};
}

QString WebLinks::productSite() {
    return underProduct("/");
}

QString WebLinks::referralPage() {
    return underMaker("/refer.html");
}

void WebLinks::OpenWebPage(const QString& address) {
    opener_.open(address);
}

} // namespace tenvari
