// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceChannel.h"

#include <QString>
#include <list>
#include <memory>

class QSocketNotifier;

namespace tenvari {

// The channel as a Unix domain socket (user access only) beside the
// single-instance lock: the running copy listens on it, a refused copy
// connects, sends one request line and leaves. Plain sockets watched by
// QSocketNotifier, so the program needs nothing beyond QtCore for it.
//
// Only the copy that holds the lock listens, so a socket file already in
// place when it starts was left by a copy that ended without removing it
// (killed, crashed); it is removed and listened on afresh, and never stops
// the start.
//
// Whatever connects is another process, so the listener takes little on
// trust: it reads at most a few bytes from a connection and then closes it,
// closes a connection that stays silent for a moment, and holds only a few
// at a time (a new one pushes out the oldest). A peer that floods the
// socket or leaves connections open costs next to nothing.
class LocalSocketInstanceChannel final : public InstanceChannel {
public:
    explicit LocalSocketInstanceChannel(const QString& socketPath);
    ~LocalSocketInstanceChannel() override;
    LocalSocketInstanceChannel(const LocalSocketInstanceChannel&) = delete;
    LocalSocketInstanceChannel& operator=(const LocalSocketInstanceChannel&) = delete;

    // The socket beside a lock file: its name with ".socket" in place of
    // ".lock".
    static QString besideLock(const QString& lockFilePath);

    QString socketPath() const { return path_; }
    bool listen(std::function<void()> onFrontRequested) override;
    bool requestFront() override;

private:
    class Connection;

    void acceptConnections();
    void readFrom(Connection& connection);
    void drop(Connection& connection);
    void stopListening();

    QString path_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listenerNotifier_;
    std::list<std::unique_ptr<Connection>> connections_; // oldest first
    std::list<std::unique_ptr<Connection>> retired_;     // closed, not yet deleted
    std::function<void()> onFrontRequested_;
};

} // namespace tenvari
