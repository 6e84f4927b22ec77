// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceChannel.h"

#include <QString>
#include <memory>

class QLocalServer;

namespace tenvari {

// The channel as a local socket (a Unix domain socket, user access only)
// beside the single-instance lock: the running copy listens on it, a
// refused copy connects, sends one request line and leaves.
//
// Only the copy that holds the lock listens, so a socket file already in
// place when it starts was left by a copy that ended without removing it
// (killed, crashed); it is removed and listened on afresh, and never stops
// the start.
class LocalSocketInstanceChannel final : public InstanceChannel {
public:
    explicit LocalSocketInstanceChannel(const QString& socketPath);
    ~LocalSocketInstanceChannel() override;

    // The socket beside a lock file: its name with ".socket" in place of
    // ".lock".
    static QString besideLock(const QString& lockFilePath);

    QString socketPath() const { return path_; }
    bool listen(std::function<void()> onFrontRequested) override;
    bool requestFront() override;

private:
    void acceptRequests();

    QString path_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onFrontRequested_;
};

} // namespace tenvari
