// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/WebLinks.h"
#include "platform/Clock.h"
#include "platform/DesktopLinkOpener.h"
#include "platform/LocalSocketInstanceChannel.h"
#include "platform/LockFileInstanceGuard.h"
#include "platform/QtMessageService.h"
#include "platform/QtSettingsStore.h"
#include "shell/ExitApplication.h"
#include "shell/StartUp.h"
#include "widgets/AppIcon.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>

using namespace tenvari;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
    QApplication::setWindowIcon(appIcon());

    const QString applicationKey =
        StartUp::applicationKeyOf(QCoreApplication::applicationFilePath());
    LockFileInstanceGuard instances(applicationKey); // held until main returns
    LocalSocketInstanceChannel channel(
        LocalSocketInstanceChannel::besideLock(instances.lockFilePath()));
    QtMessageService messages;
    QtSettingsStore settings;
    SystemClock clock;
    DesktopLinkOpener opener;
    WebLinks links(opener);
    ExitApplication exitApplication;

    StartUp startUp(
        {instances, messages, settings, clock, links, exitApplication, applicationKey, &channel});
    startUp.run();
    if (exitApplication.hasEnded())
        return 0;
    return QApplication::exec();
}
