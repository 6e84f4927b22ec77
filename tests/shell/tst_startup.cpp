// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with fakes: the single-instance answer first (a refused copy asks
// the running one to the front, a running copy listens for such requests),
// then the update reminder, then the main form, each step on its own.

#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "reading/FrmMain.h"
#include "shell/ExitApplication.h"
#include "shell/StartUp.h"
#include "shell/UpdateReminder.h"
#include "support/FakeClock.h"
#include "support/FakeInstanceChannel.h"
#include "support/FakeInstanceGuard.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/FakeSettingsStore.h"
#include "widgets/Windows.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <stdexcept>

using namespace tenvari;
using namespace tenvari::test;

namespace {

const QString kKey = QStringLiteral("tenvari");
const QString kAlreadyRunning = QStringLiteral("message: Application is already running");
const QString kReminder =
    QStringLiteral("message: There maybe an update to this software available\r"
                   "Do you want to check for an update?");

// The fakes and the sequence of what start-up did, as "message: <text>",
// "listen", "front request", "main form" and "exit <status>".
struct Life {
    Life() {
        messages.onShow = [this](const FakeMessageService::Shown& shown) {
            events << QStringLiteral("message: ") + shown.text;
        };
        channel.onListen = [this] { events << QStringLiteral("listen"); };
        channel.onRequest = [this] { events << QStringLiteral("front request"); };
    }

    StartUp::MainFormFactory recordingFactory() {
        return [this] {
            events << QStringLiteral("main form");
            return new FrmMain(messages);
        };
    }

    StartUpServices services(InstanceGuard& guard, SettingsStore& store) {
        return {guard, messages, store, clock, links, exitApplication, kKey, &channel};
    }

    QStringList events;
    FakeInstanceGuard instances;
    FakeInstanceChannel channel;
    FakeMessageService messages;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeLinkOpener opener;
    WebLinks links{opener};
    ExitApplication exitApplication{
        [this](int status) { events << QStringLiteral("exit %1").arg(status); }};
};

} // namespace

class tst_StartUp : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void sequence_data();
    void sequence();
    void withoutReminder_data();
    void withoutReminder();
    void endedDuringTheReminder();
    void unguardedCopyDoesNotListen();
    void failingStepsAreSkipped_data();
    void failingStepsAreSkipped();
    void realMainForm();
    void laterCopyBringsWindowForward_data();
    void laterCopyBringsWindowForward();
    void applicationKey_data();
    void applicationKey();
};

void tst_StartUp::cleanup() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleWindows().size(), 0);
}

void tst_StartUp::sequence_data() {
    QTest::addColumn<bool>("anotherRunning");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("downloads");

    const QString today = QStringLiteral("2026-12-08");
    const QString due = QStringLiteral("2026-11-01");
    const auto no = MessageAnswer::No;
    const auto yes = MessageAnswer::Yes;
    const QStringList refused{kAlreadyRunning, QStringLiteral("front request"),
                              QStringLiteral("exit 0")};
    const QStringList mainOnly{QStringLiteral("listen"), QStringLiteral("main form")};
    const QStringList remindedFirst{QStringLiteral("listen"), kReminder,
                                    QStringLiteral("main form")};

    // clang-format off
    QTest::newRow("second copy")          << true << "" << true << no << refused << "" << 0;
    QTest::newRow("second copy, reminder due") << true << due << true << yes << refused << due << 0;
    QTest::newRow("first run")            << false << "" << true << no << mainOnly << today << 0;
    QTest::newRow("reminded lately")      << false << "2026-12-01" << true << no << mainOnly << "2026-12-01" << 0;
    QTest::newRow("reminder due, No")     << false << due << true << no << remindedFirst << today << 0;
    QTest::newRow("reminder due, Yes")    << false << due << true << yes << remindedFirst << today << 1;
    QTest::newRow("store not writable")   << false << "" << false << no << mainOnly << "" << 0;
    QTest::newRow("store not writable, reminder due, Yes") << false << due << false << yes << remindedFirst << due << 1;
    // clang-format on
}

void tst_StartUp::sequence() {
    QFETCH(bool, anotherRunning);
    QFETCH(QString, stored);
    QFETCH(bool, writable);
    QFETCH(MessageAnswer, answer);
    QFETCH(QStringList, events);
    QFETCH(QString, storedAfter);
    QFETCH(int, downloads);

    Life life;
    life.instances.running = anotherRunning;
    if (!stored.isEmpty())
        life.settings.values.insert(FakeSettingsStore::key(kKey, "Settings", "Duration"), stored);
    life.settings.writable = writable;
    life.messages.scriptAnswer(answer);

    StartUp startUp(life.services(life.instances, life.settings), life.recordingFactory());
    QCOMPARE(startUp.run(), !anotherRunning);

    QCOMPARE(life.events, events);
    QCOMPARE(life.instances.asked, 1);
    QCOMPARE(life.settings.values.value(FakeSettingsStore::key(kKey, "Settings", "Duration")),
             storedAfter);
    QCOMPARE(life.opener.opened.size(), downloads);
    for (const FakeMessageService::Shown& shown : life.messages.shown())
        QCOMPARE(shown.icon, MessageIcon::Information);
    if (anotherRunning) {
        QCOMPARE(life.messages.shown().first().buttons, MessageButtons::Ok);
        QCOMPARE(life.settings.writes, 0);
        QVERIFY(life.exitApplication.hasEnded());
        QVERIFY(!startUp.mainForm());
        QCOMPARE(visibleWindows().size(), 0);
    } else {
        QVERIFY(!life.exitApplication.hasEnded());
        // Shown modeless, without an owner, as the only window.
        QVERIFY(startUp.mainForm());
        QCOMPARE(visibleWindows(), QList<QWidget*>{startUp.mainForm()});
        QVERIFY(!startUp.mainForm()->parentWidget());
        QVERIFY(!startUp.mainForm()->isModal());
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void tst_StartUp::endedDuringTheReminder() {
    Life life;
    life.settings.values.insert(FakeSettingsStore::key(kKey, "Settings", "Duration"),
                                QStringLiteral("2026-11-01"));
    // The session ends the program while the reminder is open.
    life.messages.onShow = [&life,
                            record = life.messages.onShow](const FakeMessageService::Shown& shown) {
        record(shown);
        life.exitApplication();
    };
    StartUp startUp(life.services(life.instances, life.settings), life.recordingFactory());
    QVERIFY(!startUp.run());
    QCOMPARE(life.events,
             QStringList({QStringLiteral("listen"), kReminder, QStringLiteral("exit 0")}));
    QVERIFY(!startUp.mainForm());
}

// A copy that runs without the lock (no private folder for it, or a stale
// lock it could not clear) must not take over the socket of the copy that
// holds it.
void tst_StartUp::unguardedCopyDoesNotListen() {
    Life life;
    life.instances.holds = false;
    StartUp startUp(life.services(life.instances, life.settings), life.recordingFactory());
    QVERIFY(startUp.run());
    QCOMPARE(life.events, QStringList{QStringLiteral("main form")});
    QCOMPARE(life.channel.listened, 0);
}

void tst_StartUp::withoutReminder_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("first run") << "";
    QTest::newRow("reminder due") << "2026-11-01";
}

// Built without the reminder: straight to the main form, no prompt and
// nothing written in the settings, however long ago the last reminder was.
void tst_StartUp::withoutReminder() {
    QFETCH(QString, stored);

    Life life;
    const QString duration = FakeSettingsStore::key(kKey, "Settings", "Duration");
    if (!stored.isEmpty())
        life.settings.values.insert(duration, stored);
    life.messages.scriptAnswer(MessageAnswer::Yes);

    StartUp startUp(life.services(life.instances, life.settings), life.recordingFactory());
    startUp.setUpdateReminder(false);
    QVERIFY(startUp.run());

    QCOMPARE(life.events, QStringList({QStringLiteral("listen"), QStringLiteral("main form")}));
    QCOMPARE(life.settings.writes, 0);
    QCOMPARE(life.settings.values.value(duration), stored);
    QVERIFY(life.opener.opened.isEmpty());
    QCOMPARE(visibleWindows(), QList<QWidget*>{startUp.mainForm()});
}

void tst_StartUp::failingStepsAreSkipped_data() {
    QTest::addColumn<bool>("guardThrows");
    QTest::addColumn<bool>("storeThrows");
    QTest::addColumn<bool>("messagesThrow");
    QTest::newRow("instance question fails") << true << false << false;
    QTest::newRow("settings cannot be read") << false << true << false;
    QTest::newRow("message box fails") << false << false << true;
    QTest::newRow("all of them") << true << true << true;
}

void tst_StartUp::failingStepsAreSkipped() {
    QFETCH(bool, guardThrows);
    QFETCH(bool, storeThrows);
    QFETCH(bool, messagesThrow);

    class Guard final : public InstanceGuard {
    public:
        bool anotherInstanceRunning() override {
            if (throws)
                throw std::runtime_error("no answer");
            return false;
        }
        bool holdsInstance() const override { return !throws; }
        bool throws = false;
    } guard;
    guard.throws = guardThrows;
    class Store final : public SettingsStore {
    public:
        QString read(const QString&, const QString&, const QString&) override {
            if (throws)
                throw std::runtime_error("unreadable");
            return QStringLiteral("2026-01-01"); // a reminder is due
        }
        bool write(const QString&, const QString&, const QString&, const QString&) override {
            return true;
        }
        bool throws = false;
    } store;
    store.throws = storeThrows;

    Life life;
    life.messages.onShow = [&](const FakeMessageService::Shown& shown) {
        life.events << QStringLiteral("message: ") + shown.text;
        if (messagesThrow)
            throw std::runtime_error("no message box");
    };
    StartUp startUp(life.services(guard, store), life.recordingFactory());
    QVERIFY(startUp.run());

    QVERIFY(life.events.endsWith(QStringLiteral("main form")));
    QCOMPARE(life.events.contains(kReminder), !storeThrows);
    QVERIFY(startUp.mainForm() && startUp.mainForm()->isVisible());
    QVERIFY(!life.exitApplication.hasEnded());
}

void tst_StartUp::laterCopyBringsWindowForward_data() {
    QTest::addColumn<bool>("mainFormClosed");
    QTest::newRow("main form") << false;
    QTest::newRow("exit screen") << true;
}

void tst_StartUp::laterCopyBringsWindowForward() {
    QFETCH(bool, mainFormClosed);
    Life life;
    StartUp startUp(life.services(life.instances, life.settings), life.recordingFactory());
    QVERIFY(startUp.run());
    QWidget* forward = startUp.mainForm();
    if (mainFormClosed) {
        startUp.mainForm()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forward = startUp.exitScreen();
    }
    QVERIFY(forward);
    // Another window has the focus.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(!forward->isActiveWindow());

    life.channel.askFront();
    QTRY_VERIFY(forward->isActiveWindow());
    QCOMPARE(life.channel.listened, 1);
}

void tst_StartUp::realMainForm() {
    Life life;
    StartUp startUp(life.services(life.instances, life.settings));
    QVERIFY(startUp.run());

    const QList<QWidget*> windows = visibleWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(windows.first()->windowTitle(), QString::fromLatin1(kWindowCaption));

    // Its menus reach the shell's links: Help > check for updates.
    auto* mnuUpdate = windows.first()->findChild<QAction*>(QStringLiteral("mnuUpdate"));
    QVERIFY(mnuUpdate);
    mnuUpdate->trigger();
    QCOMPARE(life.opener.opened, QStringList{WebLinks::address(WebPage::Download)});
}

void tst_StartUp::applicationKey_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("key");
    QTest::newRow("Linux") << "/usr/bin/tenvari"
                           << "tenvari";
    QTest::newRow("Windows") << "C:/Program Files/Tenvari/Tenvari.exe"
                             << "Tenvari";
    QTest::newRow("dots in the name") << "/opt/tenvari-1.05.bin"
                                      << "tenvari-1.05";
}

void tst_StartUp::applicationKey() {
    QFETCH(QString, path);
    QFETCH(QString, key);
    QCOMPARE(StartUp::applicationKeyOf(path), key);
}

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
