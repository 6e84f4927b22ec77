// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/FrmMain.h"
#include "shell/FrmExitScreen.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

namespace tenvari {

class Clock;
class ExitApplication;
class InstanceChannel;
class InstanceGuard;
class MessageService;
class SettingsStore;
class WebLinks;

// What the program's life runs on; the entry hands in the real ones, tests
// their fakes.
struct StartUpServices {
    InstanceGuard& instances;
    MessageService& messages;
    SettingsStore& settings;
    Clock& clock;
    WebLinks& links;
    ExitApplication& exitApplication;
    // The executable's file name without extension: the settings' key.
    QString applicationKey;
    // The line to a running copy; none: copies do not talk to each other.
    InstanceChannel* instanceChannel = nullptr;
};

// The program's life from launch to the exit screen.
//
// run(), in this order, each step on its own (a failure in one is ignored
// and the next runs):
//   1. asks once whether another copy runs; if so, says "Application is
//      already running" (information icon, OK), asks the running copy to
//      bring its window to the front, runs ExitApplication and stops: no
//      reminder, no main form;
//   2. listens for such requests of later copies: each brings the window
//      in use to the front (a modal window, else frmMain, else the exit
//      screen);
//   3. ShowUpdateReminder, unless switched off (setUpdateReminder);
//   4. creates frmMain with its menus and links connected and shows it.
// When frmMain closes (close button or File > "E&xit"), the exit screen
// is created and shown on top without taking the focus, and the main form
// is discarded. Not while shutting down: ExitApplication closing frmMain
// opens nothing.
class StartUp : public QObject {
    Q_OBJECT
public:
    // Creates the main form, not yet shown. Tests hand in their own.
    using MainFormFactory = std::function<FrmMain*()>;

    explicit StartUp(StartUpServices services, MainFormFactory createMainForm = {});
    ~StartUp() override;

    // False when this copy was refused, or the program was asked to end
    // during the reminder (ExitApplication has run).
    bool run();

    // Without the reminder start-up goes from the single-instance answer
    // straight to the main form. On unless the program's entry says so.
    void setUpdateReminder(bool on) { updateReminder_ = on; }

    FrmMain* mainForm() const { return mainForm_; }
    FrmExitScreen* exitScreen() const { return exitScreen_; }

    // The executable's file name without extension.
    static QString applicationKeyOf(const QString& executablePath);

private:
    FrmMain* createDefaultMainForm();
    void frmMain_Closed();
    void bringWindowToFront();

    StartUpServices services_;
    MainFormFactory createMainForm_;
    QPointer<FrmMain> mainForm_;
    QPointer<FrmExitScreen> exitScreen_;
    bool updateReminder_ = true;
};

} // namespace tenvari
