// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tenvari {

// Hands a web address to the desktop, which opens it with the user's
// default handler. Returns at once; whether a browser came up is not known
// and not reported.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void open(const QString& address) = 0;
};

} // namespace tenvari
