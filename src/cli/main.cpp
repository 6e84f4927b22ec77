// SPDX-License-Identifier: GPL-3.0-or-later
// tenvari-cli: the Lahiri ayanamsa of Tenvari on the command line.
#include "cli/CommandLine.h"

#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace tenvari::cli;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    FdSource in(STDIN_FILENO);
    FdSink out(STDOUT_FILENO);
    FdSink err(STDERR_FILENO);
    CliStreams streams{in, out, err, ::isatty(STDERR_FILENO) == 1};
    return runCli(arguments, streams);
}
