// SPDX-License-Identifier: GPL-3.0-or-later
// tenvari-cli: the Lahiri ayanamsa of Tenvari on the command line.
#include "cli/CommandLine.h"
#include "cli/StopSignals.h"

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Standard input, output or error, or -1 when the program was started with
// it closed.  A closed one is then held by /dev/null, so that no file the
// program opens takes its number; reads and writes on -1 fail with "Bad
// file descriptor" and are reported as such.
int standardDescriptor(int fd) {
    if (::fcntl(fd, F_GETFD) != -1) {
        return fd;
    }
    const int held = ::open("/dev/null", O_RDWR);
    if (held != fd && held >= 0) {
        ::close(held);
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tenvari::cli;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int inFd = standardDescriptor(STDIN_FILENO);
    const int outFd = standardDescriptor(STDOUT_FILENO);
    const int errFd = standardDescriptor(STDERR_FILENO);
    FdSource in(inFd);
    FdSink out(outFd);
    FdSink err(errFd, false);
    CliStreams streams{in, out, err, errFd >= 0 && ::isatty(errFd) == 1, true};
    const ExitStatus status = runCli(arguments, streams);
    if (stopSignal() != 0) {
        endBySignal(stopSignal());
    }
    return static_cast<int>(status);
}
