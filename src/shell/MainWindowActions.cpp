// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindowActions.h"

#include "links/WebLinks.h"
#include "reading/FrmMain.h"
#include "shell/FrmAbout.h"
#include "widgets/HandlerStep.h"

namespace tenvari {

void connectMainWindowActions(FrmMain& form, WebLinks& links) {
    QObject::connect(&form, &FrmMain::pageRequested, &form,
                     [&links](WebPage page) { runStep([&] { links.open(page); }); });
    // No owner: the box is application-modal and centred on the screen.
    QObject::connect(&form, &FrmMain::aboutRequested, &form,
                     [&links] { runStep([&] { FrmAbout::showModal(links); }); });
}

} // namespace tenvari
