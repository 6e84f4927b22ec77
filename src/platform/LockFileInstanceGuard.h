// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceGuard.h"

#include <QLockFile>
#include <QString>
#include <optional>

namespace tenvari {

// One copy per user and executable: a lock file named after both, in a
// folder that belongs to the user and that nobody else can write to: the
// runtime folder (XDG_RUNTIME_DIR, cleared at log-out and boot), else
// "<executable name>" made private in the user's cache folder, else in the
// configuration folder. The first question takes the lock without waiting
// and keeps it for the life of the guard; the answer is then fixed.
//
// QLockFile creates the file exclusively, so of copies started at the same
// moment exactly one gets it, and holds a native lock on it while it lives.
// Another copy is believed to run only while that native lock is held, or
// while the file names a live process of this user on this host running
// this program, or while an unreadable file is a few seconds old (a copy
// that is starting has created but not yet filled it). Anything else at
// the path is stale and removed: the file of a copy that crashed or was
// killed, a directory, a link, a file of garbage. Copies remove stale
// things one at a time, under a lock on the folder.
//
// The program runs without the single-instance check (the answer is "no")
// when no folder will do, or when something stale cannot be removed (a
// directory with files in it).
class LockFileInstanceGuard final : public InstanceGuard {
public:
    // executableName: the program's file name without extension.
    // directory: where the lock lives (only if it is private as above);
    // empty for the folders above.
    explicit LockFileInstanceGuard(const QString& executableName, const QString& directory = {});

    QString lockFilePath() const { return path_; }
    bool anotherInstanceRunning() override;
    bool holdsInstance() const override { return lock_ && lock_->isLocked(); }

private:
    bool ask();

    QString folder_; // empty when none will do
    QString path_;
    std::optional<QLockFile> lock_;
    std::optional<bool> answer_;
};

} // namespace tenvari
