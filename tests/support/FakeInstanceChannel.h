// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceChannel.h"

namespace tenvari::test {

// Records the listening and the requests; a test plays a later copy with
// askFront().
class FakeInstanceChannel final : public InstanceChannel {
public:
    bool listen(std::function<void()> onFrontRequested) override {
        ++listened;
        if (onListen)
            onListen();
        onFrontRequested_ = std::move(onFrontRequested);
        return true;
    }
    bool requestFront() override {
        ++requests;
        if (onRequest)
            onRequest();
        return true;
    }
    // A later copy asks this one to come to the front.
    void askFront() {
        if (onFrontRequested_)
            onFrontRequested_();
    }

    int listened = 0;
    int requests = 0;
    std::function<void()> onListen;
    std::function<void()> onRequest;

private:
    std::function<void()> onFrontRequested_;
};

} // namespace tenvari::test
