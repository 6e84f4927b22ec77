#pragma once

#include "platform/LinkOpener.h"

namespace tenvari {

// The real opener: QDesktopServices::openUrl, its result ignored.
class DesktopLinkOpener final : public LinkOpener {
public:
    void open(const QString& address) override;
};

} // namespace tenvari
