#include "shell/WebLinks.h"

#include "platform/LinkOpener.h"
#include "shell/WebAddresses.h"

namespace tenvari {

namespace {

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

QString WebLinks::productSite() { return underProduct("/"); }

QString WebLinks::referralPage() { return underMaker("/refer.html"); }

void WebLinks::OpenWebPage(const QString& address) {
    try {
        opener_.open(address);
    } catch (...) {
        // Opening a page never reaches the user as a failure.
    }
}

} // namespace tenvari
