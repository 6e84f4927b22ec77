// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenvari::cli {

// Where tenvari-cli reads bytes from: a file descriptor, or a text in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `buffer`, waiting for at least one unless the
    // end is reached. Returns the count, 0 at the end, -1 on an error
    // (then error() tells what).
    virtual long read(char* buffer, std::size_t size) = 0;
    virtual std::string error() const { return {}; }
};

// Where it writes them.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // All of `bytes`; false on an error (then error() tells what).
    virtual bool write(std::string_view bytes) = 0;
    virtual std::string error() const { return {}; }
    // How many bytes of the last write went out: all of them after a
    // success; after a failure, those before it (for a run stopped by a
    // signal, up to a line end).
    std::size_t written() const { return written_; }

protected:
    std::size_t written_ = 0;
};

// A file descriptor opened elsewhere; it is not closed here.  After
// catchStopSignals(), a read or write interrupted by the stop signal fails
// with "Interrupted system call"; a write first ends the line it began.
class FdSource : public ByteSource {
public:
    explicit FdSource(int fd) : fd_(fd) {}
    long read(char* buffer, std::size_t size) override;
    std::string error() const override;

private:
    int fd_;
    int errno_ = 0;
};

class FdSink : public ByteSink {
public:
    // stopsOnSignal false: writes go on whatever the stop signal (for
    // standard error, which says why the run stopped).
    explicit FdSink(int fd, bool stopsOnSignal = true) : fd_(fd), stopsOnSignal_(stopsOnSignal) {}
    bool write(std::string_view bytes) override;
    std::string error() const override;

private:
    int fd_;
    bool stopsOnSignal_;
    int errno_ = 0;
};

// A fixed text, handed out in pieces of at most `piece` bytes, so tests can
// make lines straddle reads.
class StringSource : public ByteSource {
public:
    explicit StringSource(std::string text, std::size_t piece = 1 << 16)
        : text_(std::move(text)), piece_(piece) {}
    long read(char* buffer, std::size_t size) override;

private:
    std::string text_;
    std::size_t piece_;
    std::size_t position_ = 0;
};

class StringSink : public ByteSink {
public:
    bool write(std::string_view bytes) override {
        text_ += bytes;
        written_ = bytes.size();
        return true;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

} // namespace tenvari::cli
