// SPDX-License-Identifier: GPL-3.0-or-later
// The command on any arguments and any standard input. Its word holds:
// status 2 writes nothing to standard output and exactly one line
// "tenvari-cli: ..." to standard error; status 0 outside a batch writes
// something and says nothing; a batch says one line per refused row;
// no control character but the line ends reaches either stream.

#include "FuzzSupport.h"
#include "cli/CommandLine.h"

#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

using namespace tenvari::cli;
using tenvari::fuzz::require;

namespace {

bool hasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n') || byte == 0x7F;
    });
}

QString shown(const std::string& text) {
    return QString::fromStdString(text).left(200);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    std::vector<std::string> arguments(provider.ConsumeIntegralInRange<std::size_t>(0, 8));
    bool batch = false;
    for (std::string& argument : arguments) {
        argument = provider.ConsumeRandomLengthString(40);
        // An argument of a real process ends at its first NUL.
        argument = argument.substr(0, argument.find('\0'));
        batch = batch || argument.starts_with("--batch");
    }
    // The program's own file arguments would read the disk: keep batches on
    // standard input.
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i].starts_with("--batch=") && arguments[i] != "--batch=-")
            arguments[i] = "--batch=-";
        if (arguments[i] == "--batch" && i + 1 < arguments.size())
            arguments[i + 1] = "-";
    }
    const std::string input = provider.ConsumeRemainingBytesAsString();
    const CliOutput run = runCliCaptured(arguments, input);

    require(run.status >= 0 && run.status <= 2, "exit status", QString::number(run.status));
    require(!hasControl(run.out), "control character in the output", shown(run.out));
    require(!hasControl(run.err), "control character in a message", shown(run.err));
    const auto lines = std::count(run.err.begin(), run.err.end(), '\n');
    for (std::size_t start = 0; start < run.err.size();) {
        const std::size_t end = run.err.find('\n', start);
        require(end != std::string::npos && run.err.compare(start, 13, "tenvari-cli: ") == 0,
                "a line on standard error not of the form tenvari-cli: ...", shown(run.err));
        start = end + 1;
    }
    if (run.status == 2) {
        require(run.out.empty(), "status 2 with output", shown(run.out));
        require(lines == 1, "status 2 without exactly one message", shown(run.err));
    }
    if (run.status == 0 && !batch) {
        require(!run.out.empty() && run.err.empty(), "done, but silent or talking", shown(run.err));
    }
    if (run.status == 1) {
        require(batch, "status 1 outside a batch");
        require(lines >= 1, "refused rows without a message");
    }
    return 0;
}
