// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Batch.h"

#include "cli/CliMoment.h"
#include "cli/CliReading.h"
#include "cli/ReadingText.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace tenvari::cli {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::size_t kFields = 4; // date, time, zone, dst

// Lines of a byte source, each without its line end.
class LineReader {
public:
    enum class Status { Line, End, Failed };

    LineReader(ByteSource& source, std::function<bool()> beforeWaiting)
        : source_(source), beforeWaiting_(std::move(beforeWaiting)), buffer_(kBufferSize) {}

    // The next line; tooLong when it did not fit the buffer (its text is
    // then dropped). Failed when reading failed or beforeWaiting said so.
    Status next(std::string_view& line, bool& tooLong) {
        tooLong = false;
        for (;;) {
            const char* start = buffer_.data() + begin_;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
            if (newline != nullptr) {
                line = tooLong ? std::string_view() : std::string_view(start, newline - start);
                begin_ = static_cast<std::size_t>(newline - buffer_.data()) + 1;
                return finish(line);
            }
            if (ended_) {
                if (begin_ == end_ && !tooLong) {
                    return Status::End;
                }
                line = tooLong ? std::string_view() : std::string_view(start, end_ - begin_);
                begin_ = end_;
                return finish(line);
            }
            if (begin_ > 0) {
                std::memmove(buffer_.data(), start, end_ - begin_);
                end_ -= begin_;
                begin_ = 0;
            }
            if (end_ == buffer_.size()) {
                tooLong = true; // drop what there is and look for the line's end
                end_ = 0;
            }
            if (!beforeWaiting_()) {
                return Status::Failed;
            }
            const long count = source_.read(buffer_.data() + end_, buffer_.size() - end_);
            if (count < 0) {
                return Status::Failed;
            }
            if (count == 0) {
                ended_ = true;
            }
            end_ += static_cast<std::size_t>(count);
        }
    }

private:
    Status finish(std::string_view& line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (first_) {
            first_ = false;
            if (line.substr(0, 3) == "\xEF\xBB\xBF") {
                line.remove_prefix(3);
            }
        }
        return Status::Line;
    }

    ByteSource& source_;
    std::function<bool()> beforeWaiting_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    bool first_ = true;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Splits a CSV line into fields; returns how many there are (any number,
// but only the first kFields are kept). Quoted fields are unquoted into
// `scratch`, which the views may then point into.
std::size_t splitFields(std::string_view line, std::array<std::string_view, kFields>& fields,
                        std::string& scratch) {
    std::size_t count = 0;
    const auto keep = [&](std::string_view field) {
        if (count < kFields) {
            fields[count] = field;
        }
        ++count;
    };
    // Most lines hold no quote: one pass.
    std::size_t start = 0;
    for (std::size_t i = 0;; ++i) {
        if (i == line.size() || line[i] == ',') {
            keep(trimmed(line.substr(start, i - start)));
            if (i == line.size()) {
                return count;
            }
            start = i + 1;
        } else if (line[i] == '"') {
            break;
        }
    }
    count = 0;
    scratch.clear();
    scratch.reserve(line.size()); // the views into it must not move
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            const std::size_t from = scratch.size();
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                }
                scratch += line[i];
            }
            keep(std::string_view(scratch).substr(from));
            const std::size_t comma = line.find(',', i);
            if (comma == std::string_view::npos) {
                return count;
            }
            i = comma + 1;
        } else {
            const std::size_t comma = line.find(',', i);
            keep(trimmed(line.substr(i, comma == std::string_view::npos ? comma : comma - i)));
            if (comma == std::string_view::npos) {
                return count;
            }
            i = comma + 1;
        }
    }
}

bool isBlank(std::string_view line) {
    return trimmed(line).empty();
}

bool isHeader(std::string_view firstField) {
    return equalsIgnoringCase(firstField, "date");
}

const char* fieldName(MomentField field) {
    switch (field) {
    case MomentField::Date:
        return "date";
    case MomentField::Time:
        return "time";
    case MomentField::Zone:
        return "zone";
    case MomentField::Dst:
        return "dst";
    }
    return "";
}

std::string rowPrefix(long row) {
    return "row " + std::to_string(row);
}

class BatchRun {
public:
    BatchRun(ByteSink& out, ByteSink& err, const BatchOptions& options)
        : out_(out), err_(err), options_(options) {
        buffer_.reserve(kFlushSize + 4096);
    }

    int run(ByteSource& in) {
        appendCsvHeader(buffer_, true, options_.reading);
        LineReader lines(in, [this] { return flush(); });
        std::string_view line;
        bool tooLong = false;
        bool headerAllowed = true;
        for (;;) {
            const LineReader::Status status = lines.next(line, tooLong);
            if (status == LineReader::Status::End) {
                break;
            }
            if (status == LineReader::Status::Failed) {
                if (!writeFailed_) {
                    message("cannot read " + options_.inputName + ": " + in.error());
                }
                return 2;
            }
            ++row_;
            if (tooLong) {
                refuse({}, rowPrefix(row_) + ": longer than 64 KiB");
                headerAllowed = false;
            } else if (!isBlank(line)) {
                readRow(line, headerAllowed);
                headerAllowed = false;
            }
            if (buffer_.size() >= kFlushSize && !flush()) {
                return 2;
            }
            if (options_.progress && (row_ & 0x3FFF) == 0) {
                showProgress();
            }
        }
        if (!flush()) {
            return 2;
        }
        wipeProgress();
        return refused_ ? 1 : 0;
    }

private:
    void readRow(std::string_view line, bool headerAllowed) {
        std::array<std::string_view, kFields> fields{};
        const std::size_t count = splitFields(line, fields, scratch_);
        if (headerAllowed && isHeader(fields[0])) {
            return;
        }
        if (count > kFields) {
            refuse(fields, rowPrefix(row_) + ": " + std::to_string(count) +
                               " fields where date,time,zone[,dst] were expected");
            return;
        }
        CliMoment moment;
        moment.calendar = options_.calendar;
        using Parser = FieldProblem (*)(std::string_view, CliMoment&);
        static constexpr Parser kParsers[] = {parseDate, parseTime, parseZone, parseDst};
        for (std::size_t i = 0; i < kFields; ++i) {
            const FieldProblem problem = kParsers[i](fields[i], moment);
            if (problem != FieldProblem::None) {
                refuse(fields, rowPrefix(row_) + ", field " +
                                   fieldName(static_cast<MomentField>(i)) + ": " +
                                   problemText(problem, fields[i]));
                return;
            }
        }
        const std::optional<CliReading> reading = readingOf(moment, options_.reading);
        if (!reading) {
            refuse(fields, rowPrefix(row_) + ": " + std::string(options_.reading.shown->name) +
                               " is not defined at this date");
            return;
        }
        appendRowStart(fields);
        appendCsvComputed(buffer_, *reading);
        buffer_ += ",\n";
    }

    void appendRowStart(const std::array<std::string_view, kFields>& fields) {
        char number[24];
        buffer_.append(number, std::to_chars(number, number + sizeof number, row_).ptr);
        for (const std::string_view field : fields) {
            buffer_ += ',';
            appendCsvField(buffer_, field);
        }
        buffer_ += ',';
    }

    void refuse(const std::array<std::string_view, kFields>& fields, const std::string& why) {
        refused_ = true;
        appendRowStart(fields);
        appendCsvComputedEmpty(buffer_, options_.reading);
        buffer_ += ',';
        appendCsvField(buffer_, why);
        buffer_ += '\n';
        message(why);
    }

    void message(const std::string& text) {
        wipeProgress();
        err_.write("tenvari-cli: " + text + "\n");
    }

    bool flush() {
        if (writeFailed_) {
            return false;
        }
        if (!buffer_.empty() && !out_.write(buffer_)) {
            writeFailed_ = true;
            message("cannot write the results: " + out_.error());
            return false;
        }
        buffer_.clear();
        return true;
    }

    void showProgress() {
        const auto now = std::chrono::steady_clock::now();
        if (now - start_ < std::chrono::seconds(1) ||
            (progressShown_ && now - lastProgress_ < std::chrono::milliseconds(250))) {
            return;
        }
        lastProgress_ = now;
        progressShown_ = true;
        err_.write("\rtenvari-cli: " + std::to_string(row_) + " rows");
    }

    void wipeProgress() {
        if (progressShown_) {
            progressShown_ = false;
            err_.write("\r\x1b[K");
        }
    }

    ByteSink& out_;
    ByteSink& err_;
    const BatchOptions& options_;
    std::string buffer_;
    std::string scratch_;
    long row_ = 0;
    bool refused_ = false;
    bool writeFailed_ = false;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastProgress_;
};

} // namespace

int runBatch(ByteSource& in, ByteSink& out, ByteSink& err, const BatchOptions& options) {
    BatchRun run(out, err, options);
    return run.run(in);
}

} // namespace tenvari::cli
