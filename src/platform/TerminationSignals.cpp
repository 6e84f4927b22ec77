// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tenvari {

namespace {

// The pipe's write end, for the handler; -1 while no object lives.
std::atomic<int> handlerWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onTerminationSignal(int) {
    // Only what is safe in a signal handler: one write, errno kept.
    const int savedErrno = errno;
    const char byte = 1;
    const int fd = handlerWriteEnd.load();
    if (fd >= 0) [[maybe_unused]]
        const ssize_t written = ::write(fd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default: the process ends
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    handlerWriteEnd.store(writeEnd_);

    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &previous_[i]);
    installed_ = true;
}

TerminationSignals::~TerminationSignals() {
    if (installed_)
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], &previous_[i], nullptr);
    handlerWriteEnd.store(-1);
    delete notifier_;
    if (readEnd_ >= 0)
        ::close(readEnd_);
    if (writeEnd_ >= 0)
        ::close(writeEnd_);
}

void TerminationSignals::drain() {
    char bytes[64];
    while (::read(readEnd_, bytes, sizeof bytes) > 0) {
    }
    emit received();
}

} // namespace tenvari
