// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/DesktopLinkOpener.h"
#include "platform/LocalSocketInstanceChannel.h"
#include "platform/LockFileInstanceGuard.h"
#include "platform/QtMessageService.h"
#include "platform/QtSettingsStore.h"
#include "platform/TerminationSignals.h"
#include "shell/ExitApplication.h"
#include "shell/ProgramOptions.h"
#include "shell/StartUp.h"
#include "widgets/AppIcon.h"
#include "widgets/ProgramStyle.h"
#include "widgets/Translations.h"

#include <QApplication>
#include <QLocale>

using namespace tenvari;

int main(int argc, char* argv[]) {
    // --help, --version and wrong options are answered before Qt looks for
    // a display.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganization));
    // The desktop entry's name: ties the window to the entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication app(argc, argv);
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English
    // when no catalogue matches.
    installTranslations(app, QLocale::system().uiLanguages());
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
    // Asked to end by the session: as File > Exit, without the exit screen.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &termination,
                     [&exitApplication] { exitApplication(); });

    StartUp startUp(
        {instances, messages, settings, clock, links, exitApplication, applicationKey, &channel});
    startUp.setUpdateReminder(kUpdateReminder);
    startUp.run();
    if (exitApplication.hasEnded())
        return 0;
    return QApplication::exec();
}
