// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LinkOpener.h"

#include <QStringList>
#include <stdexcept>

namespace tenvari::test {

// Records the addresses handed to the desktop, in order.
class FakeLinkOpener final : public LinkOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

// An opener whose desktop call fails the hard way.
class ThrowingLinkOpener final : public LinkOpener {
public:
    void open(const QString&) override {
        ++calls;
        throw std::runtime_error("no handler for web addresses");
    }
    int calls = 0;
};

} // namespace tenvari::test
