// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalSocketInstanceChannel.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tenvari {

namespace {

// What a refused copy sends: one line.
constexpr std::string_view kFrontRequest = "front";

// The most a connection is read: the request and its line end, with room
// for a stray blank; anything longer is no request of ours.
constexpr std::size_t kMaxRequestBytes = 16;

// How long a connection may stay silent, and how many are held at once.
constexpr int kIdleMs = 2000;
constexpr std::size_t kMaxConnections = 8;

// How long a refused copy waits for the running one to take its request.
constexpr int kWaitMs = 2000;

// The socket address of `path`; false when the path does not fit.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray bytes = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

bool isRequest(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text == kFrontRequest;
}

} // namespace

// One accepted connection: its socket, what it sent so far, and the timer
// that ends it when it stays silent.
class LocalSocketInstanceChannel::Connection {
public:
    explicit Connection(int fd) : fd(fd), notifier(fd, QSocketNotifier::Read) {
        idle.setSingleShot(true);
        idle.setInterval(kIdleMs);
    }
    ~Connection() {
        notifier.setEnabled(false);
        ::close(fd);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const int fd;
    QSocketNotifier notifier;
    QTimer idle;
    std::string received;
};

LocalSocketInstanceChannel::LocalSocketInstanceChannel(const QString& socketPath)
    : path_(socketPath) {}

LocalSocketInstanceChannel::~LocalSocketInstanceChannel() {
    connections_.clear();
    retired_.clear();
    stopListening();
}

QString LocalSocketInstanceChannel::besideLock(const QString& lockFilePath) {
    QString path = lockFilePath;
    if (path.endsWith(QLatin1String(".lock")))
        path.chop(5);
    return path + QLatin1String(".socket");
}

bool LocalSocketInstanceChannel::listen(std::function<void()> onFrontRequested) {
    stopListening();
    onFrontRequested_ = std::move(onFrontRequested);
    sockaddr_un address;
    if (!addressOf(path_, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // Left by a copy that did not end cleanly.
    ::unlink(address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    // Nobody but the user may connect (the folder is private too).
    if (!bound || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        if (bound)
            ::unlink(address.sun_path);
        return false;
    }
    listener_ = fd;
    listenerNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(listenerNotifier_.get(), &QSocketNotifier::activated, listenerNotifier_.get(),
                     [this] { acceptConnections(); });
    return true;
}

void LocalSocketInstanceChannel::stopListening() {
    if (listener_ < 0)
        return;
    listenerNotifier_.reset();
    ::close(listener_);
    listener_ = -1;
    sockaddr_un address;
    if (addressOf(path_, address))
        ::unlink(address.sun_path);
}

void LocalSocketInstanceChannel::acceptConnections() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return; // none waiting (or none to be had now)
        retired_.clear();
        if (connections_.size() >= kMaxConnections)
            connections_.pop_front();
        connections_.push_back(std::make_unique<Connection>(fd));
        Connection& connection = *connections_.back();
        QObject::connect(&connection.notifier, &QSocketNotifier::activated, &connection.notifier,
                         [this, &connection] { readFrom(connection); });
        QObject::connect(&connection.idle, &QTimer::timeout, &connection.idle,
                         [this, &connection] { drop(connection); });
        connection.idle.start();
        readFrom(connection); // what arrived with the connection
    }
}

void LocalSocketInstanceChannel::readFrom(Connection& connection) {
    char buffer[kMaxRequestBytes];
    for (;;) {
        const std::size_t room = kMaxRequestBytes - connection.received.size();
        const ssize_t got = ::read(connection.fd, buffer, room);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // more may come, until the idle timer ends it
        if (got > 0)
            connection.received.append(buffer, std::size_t(got));
        const bool lineEnded = connection.received.find('\n') != std::string::npos;
        const bool ended = got <= 0 || lineEnded || connection.received.size() >= kMaxRequestBytes;
        if (!ended)
            continue;
        const std::string_view line =
            std::string_view(connection.received).substr(0, connection.received.find('\n'));
        const bool request = (got >= 0) && (lineEnded || got == 0) && isRequest(line);
        drop(connection);
        if (request && onFrontRequested_)
            onFrontRequested_();
        return;
    }
}

void LocalSocketInstanceChannel::drop(Connection& connection) {
    for (auto it = connections_.begin(); it != connections_.end(); ++it) {
        if (it->get() != &connection)
            continue;
        // Not deleted from inside its own notifier's or timer's signal: the
        // objects go once the event loop is back (or with the next caller).
        ::shutdown((*it)->fd, SHUT_RDWR);
        (*it)->notifier.setEnabled(false);
        (*it)->idle.stop();
        retired_.push_back(std::move(*it));
        connections_.erase(it);
        if (listenerNotifier_)
            QTimer::singleShot(0, listenerNotifier_.get(), [this] { retired_.clear(); });
        return;
    }
}

bool LocalSocketInstanceChannel::requestFront() {
    sockaddr_un address;
    if (!addressOf(path_, address))
        return false;
    // Never blocking: a running copy that is stuck must not hold this one.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool connected = false;
    for (int waited = 0; !connected && waited < kWaitMs; waited += 10) {
        connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        if (!connected && errno != EAGAIN)
            break;
        if (!connected)
            ::usleep(10'000); // its queue of new connections is full for now
    }
    bool sent = false;
    if (connected) {
        const std::string line = std::string(kFrontRequest) + '\n';
        sent = ::send(fd, line.data(), line.size(), MSG_NOSIGNAL) == ssize_t(line.size());
        // The running copy closes the connection once it has read the
        // request; wait for that, briefly.
        pollfd watched{fd, POLLIN, 0};
        char ignored;
        while (sent && ::poll(&watched, 1, kWaitMs) > 0 && ::read(fd, &ignored, 1) > 0) {
        }
    }
    ::close(fd);
    return sent;
}

} // namespace tenvari
