// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Batch.h"

#include "cli/CliMessages.h"
#include "cli/CliMoment.h"
#include "cli/CliReading.h"
#include "cli/ReadingText.h"
#include "cli/StopSignals.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace tenvari::cli {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::size_t kFields = 4; // date, time, zone, dst
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Lines of a byte source, each without its line end (LF, CR LF or CR).
class LineReader {
public:
    enum class Status { Line, End, Failed };

    // beforeWaiting is called before each read but the first, so what is
    // written waits for nothing once the input has shown it can be read.
    LineReader(ByteSource& source, std::function<bool()> beforeWaiting)
        : source_(source), beforeWaiting_(std::move(beforeWaiting)),
          // room for the longest line, a byte order mark and a line end's
          // first byte: a full buffer without a line end holds a line that
          // is too long
          buffer_(kBatchLineLimit + kByteOrderMark.size() + 1) {}

    // The next line; tooLong when it is longer than kBatchLineLimit (its
    // text is then dropped). Failed when reading failed or beforeWaiting
    // said so.
    Status next(std::string_view& line, bool& tooLong) {
        for (;;) {
            if (skipLineFeed_ && begin_ < end_) {
                skipLineFeed_ = false; // a CR's LF may come in the next read
                begin_ += buffer_[begin_] == '\n' ? 1 : 0;
            }
            scan_ = std::max(scan_, begin_);
            const char* start = buffer_.data() + begin_;
            const char* stop = buffer_.data() + end_;
            const char* lineEnd = std::find_if(start + (scan_ - begin_), stop,
                                               [](char c) { return c == '\n' || c == '\r'; });
            if (lineEnd != stop || ended_) {
                if (lineEnd == stop && begin_ == end_ && !dropping_) {
                    return Status::End;
                }
                line = std::string_view(start, static_cast<std::size_t>(lineEnd - start));
                begin_ = static_cast<std::size_t>(lineEnd - buffer_.data());
                if (lineEnd != stop) {
                    ++begin_;
                    skipLineFeed_ = *lineEnd == '\r';
                }
                return finish(line, tooLong);
            }
            scan_ = end_; // what was searched is not searched again
            if (begin_ == end_) {
                begin_ = end_ = scan_ = 0;
            }
            // Moved to the front only when the buffer is full, so that a
            // line read a byte at a time is not moved once for each byte.
            if (end_ == buffer_.size() && begin_ > 0) {
                std::memmove(buffer_.data(), start, end_ - begin_);
                end_ -= begin_;
                scan_ = end_;
                begin_ = 0;
            } else if (end_ == buffer_.size()) {
                dropping_ = true; // drop what there is and look for the line's end
                first_ = false;
                end_ = 0;
                scan_ = 0;
            }
            if (read_ && !beforeWaiting_()) {
                return Status::Failed;
            }
            const long count = source_.read(buffer_.data() + end_, buffer_.size() - end_);
            if (count < 0) {
                return Status::Failed;
            }
            read_ = true;
            ended_ = count == 0;
            end_ += static_cast<std::size_t>(count);
        }
    }

private:
    Status finish(std::string_view& line, bool& tooLong) {
        if (first_) {
            first_ = false;
            if (line.starts_with(kByteOrderMark)) {
                line.remove_prefix(kByteOrderMark.size());
            }
        }
        tooLong = dropping_ || line.size() > kBatchLineLimit;
        dropping_ = false;
        if (tooLong) {
            line = {};
        }
        return Status::Line;
    }

    ByteSource& source_;
    std::function<bool()> beforeWaiting_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t scan_ = 0; // where the search for a line end goes on
    bool ended_ = false;
    bool first_ = true;
    bool read_ = false;         // a read has succeeded
    bool dropping_ = false;     // within a line too long to keep
    bool skipLineFeed_ = false; // the last line ended with CR
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

// What is wrong with the quotes of a field, if anything.
enum class QuoteProblem { None, TextAfter, NotClosed };

// Splits a CSV line into fields; returns how many there are (any number,
// but only the first kFields are kept). Quoted fields are unquoted into
// `scratch`, which the views may then point into. `quoteField` is the
// first field whose quotes are wrong (with `quoteProblem`).
std::size_t splitFields(std::string_view line, std::array<std::string_view, kFields>& fields,
                        std::string& scratch, std::size_t& quoteField, QuoteProblem& quoteProblem) {
    std::size_t count = 0;
    quoteProblem = QuoteProblem::None;
    const auto keep = [&](std::string_view field) {
        if (count < kFields) {
            fields[count] = field;
        }
        ++count;
    };
    const auto wrongQuotes = [&](QuoteProblem problem) {
        if (quoteProblem == QuoteProblem::None) {
            quoteProblem = problem;
            quoteField = count;
        }
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
            bool closed = false;
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        ++i;
                    } else {
                        ++i;
                        closed = true;
                        break;
                    }
                }
                scratch += line[i];
            }
            const std::size_t comma = line.find(',', i);
            const std::string_view after =
                line.substr(i, comma == std::string_view::npos ? comma : comma - i);
            if (!closed) {
                wrongQuotes(QuoteProblem::NotClosed);
            } else if (!trimmed(after).empty()) {
                wrongQuotes(QuoteProblem::TextAfter);
            }
            keep(std::string_view(scratch).substr(from));
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

const char* quoteProblemText(QuoteProblem problem) {
    return problem == QuoteProblem::TextAfter ? "text after the closing quote"
                                              : "the quote is not closed";
}

class BatchRun {
public:
    BatchRun(ByteSink& out, ByteSink& err, const BatchOptions& options)
        : out_(out), messages_(err), options_(options) {
        buffer_.reserve(kFlushSize + 4096);
    }

    ExitStatus run(ByteSource& in) {
        appendCsvHeader(buffer_, true, options_.reading);
        LineReader lines(in, [this] { return flush(); });
        std::string_view line;
        bool tooLong = false;
        bool headerAllowed = true;
        for (;;) {
            if (stopSignal() != 0) {
                return stopped();
            }
            const LineReader::Status status = lines.next(line, tooLong);
            if (status == LineReader::Status::End) {
                break;
            }
            if (status == LineReader::Status::Failed) {
                if (stopSignal() != 0) {
                    return stopped();
                }
                if (!writeFailed_) {
                    message("cannot read " + options_.inputName + ": " + in.error());
                }
                return ExitStatus::Failed;
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
                return stopSignal() != 0 ? stopped() : ExitStatus::Failed;
            }
            if (options_.progress && (row_ & 0x3FFF) == 0) {
                showProgress();
            }
        }
        if (!flush()) {
            return stopSignal() != 0 ? stopped() : ExitStatus::Failed;
        }
        wipeProgress();
        return refused_ ? ExitStatus::RowsRefused : ExitStatus::Done;
    }

private:
    void readRow(std::string_view line, bool headerAllowed) {
        std::array<std::string_view, kFields> fields{};
        std::size_t quoteField = 0;
        QuoteProblem quoteProblem = QuoteProblem::None;
        const std::size_t count = splitFields(line, fields, scratch_, quoteField, quoteProblem);
        const bool firstFieldWhole = quoteProblem == QuoteProblem::None || quoteField > 0;
        if (headerAllowed && firstFieldWhole && isHeader(fields[0])) {
            return;
        }
        if (count > kFields) {
            refuse(fields, rowPrefix(row_) + ": " + std::to_string(count) +
                               " fields where date,time,zone[,dst] were expected");
            return;
        }
        if (quoteProblem != QuoteProblem::None) {
            refuse(fields, rowPrefix(row_) + ", field " +
                               fieldName(static_cast<MomentField>(quoteField)) + ": " +
                               quoteProblemText(quoteProblem));
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
        appendRowStart(fields, appendCsvField);
        appendCsvComputed(buffer_, *reading);
        buffer_ += ",\n";
    }

    void appendRowStart(const std::array<std::string_view, kFields>& fields,
                        void (*appendField)(std::string&, std::string_view)) {
        char number[24];
        buffer_.append(number, std::to_chars(number, number + sizeof number, row_).ptr);
        for (const std::string_view field : fields) {
            buffer_ += ',';
            appendField(buffer_, field);
        }
        buffer_ += ',';
    }

    // A refused row: its fields as read (escaped, and never a spreadsheet
    // formula), empty computed columns and the reason, which also goes to
    // standard error.
    void refuse(const std::array<std::string_view, kFields>& fields, const std::string& why) {
        refused_ = true;
        appendRowStart(fields, appendCsvEchoedField);
        appendCsvComputedEmpty(buffer_, options_.reading);
        buffer_ += ',';
        appendCsvField(buffer_, why);
        buffer_ += '\n';
        message(why);
    }

    void message(const std::string& text) {
        wipeProgress();
        messages_.say(text);
    }

    bool flush() {
        if (writeFailed_) {
            return false;
        }
        const bool done = buffer_.empty() || out_.write(buffer_);
        const std::size_t written = buffer_.empty() ? 0 : out_.written();
        linesWritten_ += std::count(buffer_.begin(),
                                    buffer_.begin() + static_cast<std::ptrdiff_t>(written), '\n');
        if (!done) {
            writeFailed_ = true;
            if (stopSignal() == 0) {
                message("cannot write the results: " + out_.error());
            }
            return false;
        }
        buffer_.clear();
        return true;
    }

    // The run was asked to stop: the output ends after the last whole row
    // written, and standard error says how many that was.
    ExitStatus stopped() {
        const long rows = linesWritten_ > 0 ? linesWritten_ - 1 : 0; // less the header
        message(std::string(stopSignal() == SIGINT ? "interrupted" : "terminated") + " after " +
                std::to_string(rows) + (rows == 1 ? " row" : " rows") + " of results");
        return ExitStatus::Failed;
    }

    void showProgress() {
        const auto now = std::chrono::steady_clock::now();
        if (now - start_ < std::chrono::seconds(1) ||
            (progressShown_ && now - lastProgress_ < std::chrono::milliseconds(250))) {
            return;
        }
        lastProgress_ = now;
        progressShown_ = true;
        messages_.sink().write("\rtenvari-cli: " + std::to_string(row_) + " rows");
    }

    void wipeProgress() {
        if (progressShown_) {
            progressShown_ = false;
            messages_.sink().write("\r\x1b[K");
        }
    }

    ByteSink& out_;
    MessageWriter messages_;
    const BatchOptions& options_;
    std::string buffer_;
    std::string scratch_;
    long row_ = 0;
    long linesWritten_ = 0;
    bool refused_ = false;
    bool writeFailed_ = false;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastProgress_;
};

} // namespace

ExitStatus runBatch(ByteSource& in, ByteSink& out, ByteSink& err, const BatchOptions& options) {
    BatchRun run(out, err, options);
    return run.run(in);
}

} // namespace tenvari::cli
