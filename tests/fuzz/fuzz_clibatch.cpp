// SPDX-License-Identifier: GPL-3.0-or-later
// The batch on any input, read in pieces of any size. The output is CSV of
// the documented columns with one row for each line that is neither blank
// nor the header, in order, none lost or repeated; a row has its results
// or an error, never both; standard error repeats each error; the exit
// status agrees with the error column; no control character but the line
// ends reaches either stream; and the pieces change nothing.

#include "FuzzSupport.h"
#include "cli/Batch.h"
#include "cli/ReadingText.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

using namespace tenvari::cli;
using tenvari::fuzz::require;

namespace {

QString shown(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).left(200);
}

// Lines split at LF, CR LF and CR, the way a reader of the file sees them.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The fields of one output line; quotes removed.
std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    require(!quoted, "unbalanced quotes in", shown(line));
    return fields;
}

bool hasControl(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n') || byte == 0x7F)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const auto piece = provider.ConsumeIntegralInRange<std::size_t>(1, 300);
    const bool reference = provider.ConsumeIntegralInRange<int>(0, 7) == 0; // slow: seldom
    const std::string input = provider.ConsumeRemainingBytesAsString();

    BatchOptions options;
    options.reading.withReference = reference;
    options.inputName = "input";
    StringSource whole(input);
    StringSink out;
    StringSink err;
    const ExitStatus status = runBatch(whole, out, err, options);
    StringSource pieces(input, piece);
    StringSink piecesOut;
    StringSink piecesErr;
    require(runBatch(pieces, piecesOut, piecesErr, options) == status, "pieces change the status");
    require(piecesOut.text() == out.text(), "pieces change the output");
    require(piecesErr.text() == err.text(), "pieces change the messages");

    require(status == ExitStatus::Done || status == ExitStatus::RowsRefused, "status");
    require(!hasControl(out.text()), "control character in the output", shown(out.text()));
    require(!hasControl(err.text()), "control character in a message", shown(err.text()));

    std::string header;
    appendCsvHeader(header, true, options.reading);
    if (!header.empty() && header.back() == '\n')
        header.pop_back();
    const std::vector<std::string_view> outLines = linesOf(out.text());
    require(!outLines.empty() && outLines[0] == header && out.text().back() == '\n',
            "no header or no final line end");
    const std::size_t columns = csvFields(header).size();

    // The rows expected: every line not blank, less a first line that is
    // a header (a first field "date", whatever the case).
    std::string_view text = input;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::vector<std::string_view> inLines = linesOf(text);
    std::vector<std::size_t> expected;
    for (std::size_t i = 0; i < inLines.size(); ++i) {
        if (inLines[i].size() > kBatchLineLimit || !blank(inLines[i]))
            expected.push_back(i + 1);
    }
    if (!expected.empty() && expected[0] == 1 && inLines[0].size() <= kBatchLineLimit) {
        std::string_view first = inLines[0].substr(0, inLines[0].find(','));
        while (!first.empty() && (first.front() == ' ' || first.front() == '\t'))
            first.remove_prefix(1);
        while (!first.empty() && (first.back() == ' ' || first.back() == '\t'))
            first.remove_suffix(1);
        std::string lower(first);
        for (char& c : lower)
            c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        if (lower == "date" || lower == "\"date\"")
            expected.erase(expected.begin());
    }
    require(outLines.size() == expected.size() + 1, "rows lost or added",
            QStringLiteral("%1 rows for %2 lines").arg(outLines.size() - 1).arg(expected.size()));

    std::string messages;
    bool refused = false;
    for (std::size_t i = 1; i < outLines.size(); ++i) {
        const std::vector<std::string> fields = csvFields(outLines[i]);
        require(fields.size() == columns, "wrong number of columns", shown(outLines[i]));
        require(fields[0] == std::to_string(expected[i - 1]), "wrong row number",
                shown(outLines[i]));
        const std::string& error = fields.back();
        const bool computed = !fields[5].empty(); // julian_day_number
        require(computed == error.empty(), "results and an error, or neither", shown(outLines[i]));
        if (!error.empty()) {
            refused = true;
            messages += "tenvari-cli: " + error + "\n";
            for (std::size_t f = 1; f <= 4; ++f) {
                const char c = fields[f].empty() ? ' ' : fields[f][0];
                require(c != '=' && c != '+' && c != '-' && c != '@', "a formula echoed",
                        shown(outLines[i]));
            }
        }
    }
    require(messages == err.text(), "messages differ from the error column", shown(err.text()));
    require(refused == (status == ExitStatus::RowsRefused), "status disagrees with the errors");
    return 0;
}
