// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindowActions.h"

#include "links/WebLinks.h"
#include "reading/FrmMain.h"
#include "shell/FrmAbout.h"
#include "widgets/HandlerStep.h"

namespace tenvari {

namespace {

// The opener of each page the main window links to.
using Opener = void (WebLinks::*)();

Opener openerOf(WebPage page) {
    switch (page) {
    case WebPage::OnlineHelp:
        return &WebLinks::OpenOnlineHelp;
    case WebPage::Home:
        return &WebLinks::OpenHomePage;
    case WebPage::Download:
        return &WebLinks::OpenDownloadPage;
    case WebPage::Donate:
        return &WebLinks::OpenDonatePage;
    case WebPage::CoBrand:
        return &WebLinks::OpenCoBrandPage;
    case WebPage::FullBrand:
        return &WebLinks::OpenFullBrandPage;
    case WebPage::Products:
        return &WebLinks::OpenProductsPage;
    }
    return nullptr;
}

} // namespace

void connectMainWindowActions(FrmMain& form, WebLinks& links) {
    QObject::connect(&form, &FrmMain::pageRequested, &form, [&links](WebPage page) {
        runStep([&] {
            if (const Opener opener = openerOf(page))
                (links.*opener)();
        });
    });
    // No owner: the box is application-modal and centred on the screen.
    QObject::connect(&form, &FrmMain::aboutRequested, &form,
                     [&links] { runStep([&] { FrmAbout::showModal(links); }); });
}

} // namespace tenvari
