// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

namespace tenvari::test {

class FakeClock final : public Clock {
public:
    QDate today() const override { return date; }
    std::uint32_t seed() const override { return seedValue; }

    QDate date{2026, 12, 8};
    std::uint32_t seedValue = 1;
};

} // namespace tenvari::test
