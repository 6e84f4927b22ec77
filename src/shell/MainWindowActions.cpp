// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindowActions.h"

#include "links/WebLinks.h"
#include "reading/FrmMain.h"
#include "shell/FrmAbout.h"

namespace tenvari {

namespace {

// Menu and label handlers run with errors suppressed: nothing raised inside
// an opener or the about box reaches the user or the event loop.
template <typename Step> void suppressErrors(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

void connectMainWindowActions(FrmMain& form, WebLinks& links) {
    QObject::connect(&form, &FrmMain::pageRequested, &form,
                     [&links](WebPage page) { suppressErrors([&] { links.open(page); }); });
    // No owner: the box is application-modal and centred on the screen.
    QObject::connect(&form, &FrmMain::aboutRequested, &form,
                     [&links] { suppressErrors([&] { FrmAbout::showModal(links); }); });
}

} // namespace tenvari
