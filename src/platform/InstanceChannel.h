// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace tenvari {

// The line between copies of the program for one user: the copy that runs
// listens on it, and a copy that was refused asks that one to bring its
// window to the front.
class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;

    // The running copy: from now on `onFrontRequested` runs, from the
    // event loop, each time another copy asks. False when the channel
    // cannot be opened; the program then runs on without it.
    virtual bool listen(std::function<void()> onFrontRequested) = 0;

    // A refused copy: asks the running copy to come to the front. False
    // when no running copy heard it.
    virtual bool requestFront() = 0;
};

} // namespace tenvari
