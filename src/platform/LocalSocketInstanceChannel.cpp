// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalSocketInstanceChannel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace tenvari {

namespace {

// What a refused copy sends, as one line.
constexpr char kFrontRequest[] = "front";

// How long a refused copy waits for the running one to take its request.
constexpr int kWaitMs = 2000;

} // namespace

LocalSocketInstanceChannel::LocalSocketInstanceChannel(const QString& socketPath)
    : path_(socketPath) {}

LocalSocketInstanceChannel::~LocalSocketInstanceChannel() = default;

QString LocalSocketInstanceChannel::besideLock(const QString& lockFilePath) {
    QString path = lockFilePath;
    if (path.endsWith(QLatin1String(".lock")))
        path.chop(5);
    return path + QLatin1String(".socket");
}

bool LocalSocketInstanceChannel::listen(std::function<void()> onFrontRequested) {
    onFrontRequested_ = std::move(onFrontRequested);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path_); // left by a copy that did not end cleanly
    if (!server_->listen(path_)) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { acceptRequests(); });
    return true;
}

void LocalSocketInstanceChannel::acceptRequests() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readRequests = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine().trimmed() == kFrontRequest && onFrontRequested_)
                    onFrontRequested_();
            }
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, readRequests);
        readRequests(); // what arrived with the connection
    }
}

bool LocalSocketInstanceChannel::requestFront() {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kFrontRequest);
    socket.write("\n");
    socket.flush();
    const bool sent = socket.bytesToWrite() == 0 || socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return sent;
}

} // namespace tenvari
