#pragma once

#include "platform/LinkOpener.h"

#include <QStringList>

namespace tenvari::test {

// Records the addresses handed to the desktop, in order.
class FakeLinkOpener final : public LinkOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

} // namespace tenvari::test
