// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartUp.h"

#include "platform/InstanceChannel.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageService.h"
#include "reading/FrmMain.h"
#include "shell/ExitApplication.h"
#include "shell/FrmExitScreen.h"
#include "shell/MainWindowActions.h"
#include "shell/UpdateReminder.h"
#include "widgets/HandlerStep.h"
#include "widgets/WindowStacking.h"

#include <QApplication>
#include <QFileInfo>

namespace tenvari {

StartUp::StartUp(StartUpServices services, MainFormFactory createMainForm)
    : services_(std::move(services)), createMainForm_(std::move(createMainForm)) {
    if (!createMainForm_)
        createMainForm_ = [this] { return createDefaultMainForm(); };
}

StartUp::~StartUp() {
    delete mainForm_.data();
    delete exitScreen_.data();
}

QString StartUp::applicationKeyOf(const QString& executablePath) {
    return QFileInfo(executablePath).completeBaseName();
}

FrmMain* StartUp::createDefaultMainForm() {
    auto* form = new FrmMain(services_.messages);
    connectMainWindowActions(*form, services_.links);
    return form;
}

bool StartUp::run() {
    bool anotherRunning = false;
    runStep([&] { anotherRunning = services_.instances.anotherInstanceRunning(); });
    if (anotherRunning) {
        runStep([this] {
            services_.messages.show(tr("Application is already running"), MessageIcon::Information,
                                    MessageButtons::Ok);
        });
        runStep([this] {
            if (services_.instanceChannel)
                services_.instanceChannel->requestFront();
        });
        services_.exitApplication();
        return false;
    }

    // Only the copy that holds the lock answers later ones: an unguarded
    // copy would take over the socket of the copy that does, and without a
    // lock folder there is no private place for a socket either.
    runStep([this] {
        if (services_.instanceChannel && services_.instances.holdsInstance())
            services_.instanceChannel->listen([this] { bringWindowToFront(); });
    });

    if (updateReminder_) {
        runStep([this] {
            ShowUpdateReminder(services_.settings, services_.clock, services_.messages,
                               services_.links, services_.applicationKey);
        });
    }
    // Asked to end while the reminder was open (the session's SIGTERM, say):
    // the program is ending, so no main form comes up.
    if (services_.exitApplication.hasEnded())
        return false;

    runStep([this] {
        mainForm_ = createMainForm_();
        if (mainForm_) {
            connect(mainForm_, &FrmMain::closed, this, &StartUp::frmMain_Closed);
            mainForm_->show();
        }
    });
    return true;
}

void StartUp::bringWindowToFront() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = mainForm_ ? static_cast<QWidget*>(mainForm_) : exitScreen_;
    if (window)
        runStep([window] { bringToFront(*window); });
}

void StartUp::frmMain_Closed() {
    FrmMain* closing = mainForm_;
    runStep([this] {
        if (!services_.exitApplication.inProgress()) {
            if (!exitScreen_)
                exitScreen_ = new FrmExitScreen(services_.messages, services_.links,
                                                services_.clock, services_.exitApplication);
            exitScreen_->showOnTop();
        }
    });
    // The main form is still in its close handling; it goes once that ends.
    if (closing)
        closing->deleteLater();
}

} // namespace tenvari
