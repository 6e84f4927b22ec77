// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ByteStreams.h"

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
        if (errno != EINTR) {
            errno_ = errno;
            return -1;
        }
    }
}

std::string FdSource::error() const {
    return std::strerror(errno_);
}

bool FdSink::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd_, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            errno_ = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
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
