// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

// Answers, once, whether another copy of this executable already runs for
// this user. The answer holds for the life of the guard.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherInstanceRunning() = 0;
    // This copy holds the single-instance lock: it is the copy later ones
    // defer to, and the only one that may answer them. False before the
    // question, and for a copy that runs unguarded.
    virtual bool holdsInstance() const = 0;
};

} // namespace tenvari
