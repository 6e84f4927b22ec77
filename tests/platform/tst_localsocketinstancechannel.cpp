// SPDX-License-Identifier: GPL-3.0-or-later
// The channel between copies on a real socket: a request brings the
// callback, and what else a peer may do (flood the socket, leave
// connections open, leave a dead socket behind) costs the listener next to
// nothing and never stops it answering.

#include "platform/LocalSocketInstanceChannel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace tenvari;

namespace {

// A client socket connected to `path`, non-blocking; -1 when the listener
// did not take it within a while.
int connectTo(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // A full backlog refuses for now; the listener empties it from the
    // event loop.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        if (errno != EAGAIN)
            break;
        QTest::qWait(5);
    }
    ::close(fd);
    return -1;
}

// True when the other side has closed the connection.
bool closedByPeer(int fd) {
    pollfd watched{fd, POLLIN, 0};
    char byte;
    return ::poll(&watched, 1, 0) > 0 && ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

// The resident memory of this process, in KiB.
long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Listening {
    Listening() : channel(folder.filePath(QStringLiteral("tenvari.socket"))) {
        listening = channel.listen([this] { ++requests; });
    }
    QTemporaryDir folder;
    LocalSocketInstanceChannel channel;
    bool listening = false;
    int requests = 0;
};

} // namespace

class tst_LocalSocketInstanceChannel : public QObject {
    Q_OBJECT
private slots:
    void requestBringsTheCallbackOnce_data();
    void requestBringsTheCallbackOnce();
    void leftOverIsReplaced_data();
    void leftOverIsReplaced();
    void nothingListeningIsNoRequest();
    void floodIsCutShort();
    void idleConnectionsAreNotHeld();
};

// What a peer writes before it closes; only the request line counts.
void tst_LocalSocketInstanceChannel::requestBringsTheCallbackOnce_data() {
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("requests");
    QTest::newRow("request line") << QByteArray("front\n") << 1;
    QTest::newRow("request, then closed") << QByteArray("front") << 1;
    QTest::newRow("two lines") << QByteArray("front\nfront\n") << 1;
    QTest::newRow("other word") << QByteArray("back\n") << 0;
    QTest::newRow("request within a longer text") << QByteArray("frontfrontfrontfront\n") << 0;
    QTest::newRow("nothing") << QByteArray() << 0;
}

void tst_LocalSocketInstanceChannel::requestBringsTheCallbackOnce() {
    QFETCH(QByteArray, sent);
    QFETCH(int, requests);
    Listening l;
    QVERIFY(l.listening);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(l.channel.socketPath()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0077, 0u); // the user's own

    const int fd = connectTo(l.channel.socketPath());
    QVERIFY(fd >= 0);
    QCOMPARE(::send(fd, sent.constData(), std::size_t(sent.size()), MSG_NOSIGNAL),
             ssize_t(sent.size()));
    ::shutdown(fd, SHUT_WR);
    QVERIFY(QTest::qWaitFor([&] { return closedByPeer(fd); }, 3000));
    QTest::qWait(20);
    ::close(fd);
    QCOMPARE(l.requests, requests);
}

// What a copy that did not end cleanly may leave where the socket goes.
void tst_LocalSocketInstanceChannel::leftOverIsReplaced_data() {
    QTest::addColumn<bool>("socket"); // else a plain file
    QTest::newRow("socket of a killed copy") << true;
    QTest::newRow("plain file") << false;
}

void tst_LocalSocketInstanceChannel::leftOverIsReplaced() {
    QFETCH(bool, socket);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tenvari.socket"));
    if (socket) {
        // Bound and never removed: nobody listens any more.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
        const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(dead, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(dead);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    LocalSocketInstanceChannel later(path);
    QVERIFY(!later.requestFront());

    LocalSocketInstanceChannel channel(path);
    int requests = 0;
    QVERIFY(channel.listen([&] { ++requests; }));
    QVERIFY(later.requestFront());
    QTRY_COMPARE(requests, 1);
}

void tst_LocalSocketInstanceChannel::nothingListeningIsNoRequest() {
    QTemporaryDir folder;
    LocalSocketInstanceChannel later(folder.filePath(QStringLiteral("tenvari.socket")));
    QVERIFY(!later.requestFront());
}

void tst_LocalSocketInstanceChannel::floodIsCutShort() {
    Listening l;
    QVERIFY(l.listening);
    const long before = residentKiB();
    const int fd = connectTo(l.channel.socketPath());
    QVERIFY(fd >= 0);

    // A peer pours 50 MB of garbage in; the listener's event loop runs here.
    constexpr qint64 kFlood = 50 << 20;
    std::atomic<qint64> written{0};
    std::atomic<bool> done{false};
    std::thread peer([&] {
        const std::vector<char> garbage(64 << 10, 'x');
        ::fcntl(fd, F_SETFL, 0); // blocking from here
        while (written < kFlood) {
            const ssize_t n = ::send(fd, garbage.data(), garbage.size(), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            written += n;
        }
        done = true;
    });
    const bool ended = QTest::qWaitFor([&] { return done.load(); }, 10000);
    if (!ended)
        ::shutdown(fd, SHUT_RDWR);
    peer.join();
    ::close(fd);
    QVERIFY(ended);
    // The listener stopped reading and closed: the peer could not write it
    // all (the kernel's buffers take a little).
    QVERIFY2(written < kFlood / 10, qPrintable(QString::number(written.load())));
    const long grown = residentKiB() - before;
    QVERIFY2(grown < 4096, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));

    // And it still answers.
    LocalSocketInstanceChannel later(l.channel.socketPath());
    QVERIFY(later.requestFront());
    QTRY_COMPARE(l.requests, 1);
}

void tst_LocalSocketInstanceChannel::idleConnectionsAreNotHeld() {
    Listening l;
    QVERIFY(l.listening);
    std::vector<int> idle;
    for (int n = 0; n < 500; ++n) {
        const int fd = connectTo(l.channel.socketPath());
        QVERIFY2(fd >= 0, qPrintable(QStringLiteral("connection %1 not taken").arg(n)));
        idle.push_back(fd);
    }
    QTest::qWait(50);
    const auto stillOpen = [&] {
        int open = 0;
        for (int fd : idle)
            open += closedByPeer(fd) ? 0 : 1;
        return open;
    };
    // Only a handful is held at any time...
    QVERIFY2(stillOpen() <= 16, qPrintable(QString::number(stillOpen())));
    // ...a request gets through all the same...
    LocalSocketInstanceChannel later(l.channel.socketPath());
    QVERIFY(later.requestFront());
    QTRY_COMPARE(l.requests, 1);
    // ...and silent ones are closed after a moment.
    QTRY_COMPARE_WITH_TIMEOUT(stillOpen(), 0, 5000);
    for (int fd : idle)
        ::close(fd);
}

QTEST_GUILESS_MAIN(tst_LocalSocketInstanceChannel)
#include "tst_localsocketinstancechannel.moc"
