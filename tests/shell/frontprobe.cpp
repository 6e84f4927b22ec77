// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the program for the tests of copies running side by side: the
// program's start-up with the real single-instance lock and the real
// channel between copies, in a folder of the test's choosing, and fakes for
// the desktop. It says on stdout what a user would see:
//   "refused: <message>"  this copy was refused; it then ends with the
//                         status the program ends with
//   "ready"               this copy runs; its main form has lost the focus
//                         to another window
//   "front"               a later copy brought the main form to the front
// A running copy ends when a line arrives on stdin or stdin closes.
//
//   frontprobe <folder>

#include "links/WebLinks.h"
#include "platform/LocalSocketInstanceChannel.h"
#include "platform/LockFileInstanceGuard.h"
#include "shell/ExitApplication.h"
#include "shell/StartUp.h"
#include "support/FakeClock.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/FakeSettingsStore.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWindow>
#include <iostream>
#include <unistd.h>

using namespace tenvari;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    LockFileInstanceGuard instances(QStringLiteral("frontprobe"), folder);
    LocalSocketInstanceChannel channel(
        LocalSocketInstanceChannel::besideLock(instances.lockFilePath()));
    test::FakeMessageService messages;
    messages.onShow = [](const test::FakeMessageService::Shown& shown) {
        std::cout << "refused: " << shown.text.toStdString() << std::endl;
    };
    test::FakeSettingsStore settings;
    test::FakeClock clock;
    test::FakeLinkOpener opener;
    WebLinks links(opener);
    ExitApplication exitApplication;

    StartUp startUp({instances, messages, settings, clock, links, exitApplication,
                     QStringLiteral("frontprobe"), &channel});
    startUp.run();
    if (exitApplication.hasEnded())
        return 0;

    // Another window takes the focus from the main form; from then on the
    // main form getting it back is news.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    bool ready = false;
    const auto focusMoved = [&](QWindow* window) {
        if (!window)
            return;
        if (!ready && window == elsewhere.windowHandle()) {
            ready = true;
            std::cout << "ready" << std::endl;
        } else if (ready && startUp.mainForm() && window == startUp.mainForm()->windowHandle()) {
            std::cout << "front" << std::endl;
        }
    };
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, focusMoved);
    focusMoved(QGuiApplication::focusWindow());

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [] { QApplication::quit(); });
    return QApplication::exec();
}
