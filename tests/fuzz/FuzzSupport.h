// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a failed check that libFuzzer notices (it
// aborts, and the input is saved as a crash), a Qt application on the
// offscreen platform for the targets that need widgets, and a message
// service that only counts.

#include "platform/MessageService.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace tenvari::fuzz {

inline void require(bool holds, const char* what, const QString& detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

// The application the widget targets run in; made once, never destroyed.
inline void startApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tenvari-fuzz";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    (void)application;
}

class CountingMessages final : public MessageService {
public:
    MessageAnswer show(const QString&, MessageIcon, MessageButtons buttons) override {
        ++shown;
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    int shown = 0;
};

} // namespace tenvari::fuzz

// Leaks inside the system libraries that Qt loads, not ours (as
// tests/lsan.supp lists them for the test suite).
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libdbus\n";
}
