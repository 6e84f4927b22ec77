// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "links/WebPage.h"

#include <QString>

namespace tenvari {

class LinkOpener;

// The one way the program opens a web page, and its seven fixed pages. The
// help and download pages lie under the product's site, the others under
// the maker's; both bases are set when the build is configured.
class WebLinks {
public:
    explicit WebLinks(LinkOpener& opener) : opener_(opener) {}

    static QString address(WebPage page);
    static QString productSite();
    static QString referralPage();

    // Hands the address to the desktop and returns at once. Whether a
    // browser came up is not known; the handler that opens a page runs it
    // as a step of its own (runStep), so a failing desktop stays silent.
    void OpenWebPage(const QString& address);
    void open(WebPage page) { OpenWebPage(address(page)); }

private:
    LinkOpener& opener_;
};

} // namespace tenvari
