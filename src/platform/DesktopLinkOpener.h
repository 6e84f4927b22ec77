// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LinkOpener.h"

namespace tenvari {

// The real opener: QDesktopServices::openUrl, its result ignored. Only
// absolute http and https addresses with a host are handed on; anything
// else (a local file, a relative path, another scheme) is dropped silently,
// so a mistaken address can never make the desktop run or open a local
// file.
//
// On Linux the address reaches the desktop through the platform plugin's
// services (xdg-open on X11 and Wayland), started detached: open() does not
// wait for the browser. The offscreen and minimal plugins offer no such
// service and open nothing.
class DesktopLinkOpener final : public LinkOpener {
public:
    void open(const QString& address) override;
};

} // namespace tenvari
