// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ByteStreams.h"

#include "cli/StopSignals.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tenvari::cli {

long FdSource::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, size);
        if (count >= 0) {
            return static_cast<long>(count);
        }
        if (errno != EINTR || stopSignal() != 0) {
            errno_ = errno;
            return -1;
        }
    }
}

std::string FdSource::error() const {
    return std::strerror(errno_);
}

bool FdSink::write(std::string_view bytes) {
    written_ = 0;
    bool stopping = false;
    while (written_ < bytes.size()) {
        if (!stopping && stopsOnSignal_ && stopSignal() != 0) {
            // Stop at a line end: finish the line begun, if any.
            stopping = true;
            if (written_ == 0 || bytes[written_ - 1] == '\n') {
                bytes = bytes.substr(0, written_);
                break;
            }
            const std::size_t end = bytes.find('\n', written_);
            bytes = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        }
        const ssize_t count = ::write(fd_, bytes.data() + written_, bytes.size() - written_);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            errno_ = errno;
            return false;
        }
        written_ += static_cast<std::size_t>(count);
    }
    if (stopping) {
        errno_ = EINTR;
        return false;
    }
    return true;
}

std::string FdSink::error() const {
    return std::strerror(errno_);
}

long StringSource::read(char* buffer, std::size_t size) {
    const std::size_t count = std::min({size, piece_, text_.size() - position_});
    std::memcpy(buffer, text_.data() + position_, count);
    position_ += count;
    return static_cast<long>(count);
}

} // namespace tenvari::cli
