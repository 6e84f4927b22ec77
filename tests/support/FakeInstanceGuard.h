// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceGuard.h"

namespace tenvari::test {

class FakeInstanceGuard final : public InstanceGuard {
public:
    bool anotherInstanceRunning() override {
        ++asked;
        return running;
    }
    bool holdsInstance() const override { return !running && holds; }
    bool running = false;
    bool holds = true; // false: this copy runs unguarded
    int asked = 0;
};

} // namespace tenvari::test
