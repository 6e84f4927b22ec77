// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceGuard.h"

#include <QLockFile>
#include <QString>
#include <optional>

namespace tenvari {

// One copy per user and executable: a lock file named after both, by
// default in the user's runtime folder (XDG_RUNTIME_DIR, cleared at log-out
// and boot). The first question takes the lock without waiting and keeps it
// for the life of the guard; the answer is then fixed.
//
// QLockFile creates the file exclusively, so of two copies started at the
// same moment exactly one gets it, and holds a native lock on it while it
// lives. A file left by a copy that crashed or was killed names a process
// that no longer runs (or runs another program under a reused id) and is
// taken over; so is a file that cannot be read and is older than the stale
// time. A running holder's file is never taken over, however old, because
// its native lock stops the removal.
class LockFileInstanceGuard final : public InstanceGuard {
public:
    // executableName: the program's file name without extension.
    // directory: where the lock lives; empty for the runtime folder.
    explicit LockFileInstanceGuard(const QString& executableName, const QString& directory = {});

    QString lockFilePath() const { return path_; }
    bool anotherInstanceRunning() override;

private:
    QString path_;
    QLockFile lock_;
    std::optional<bool> answer_;
};

} // namespace tenvari
