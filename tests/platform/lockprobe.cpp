// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a copy of the program in the lock tests: asks the
// single-instance guard and says "running" or "refused" on stdout.
// A refused copy ends at once with status 0; a running one holds the lock
// until a line arrives on stdin or stdin closes.
//
//   lockprobe <folder> <executable name> [--wait]
// An empty folder ("") lets the guard choose its own.
// --wait: say "ready" first and ask only after a line on stdin, so that
// several copies can be made to ask at the same moment.

#include "platform/LockFileInstanceGuard.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    tenvari::LockFileInstanceGuard guard(QString::fromLocal8Bit(argv[2]),
                                         QString::fromLocal8Bit(argv[1]));
    std::string line;
    if (argc > 3 && std::string(argv[3]) == "--wait") {
        std::cout << "ready" << std::endl;
        std::getline(std::cin, line);
    }
    const bool another = guard.anotherInstanceRunning();
    std::cout << (another ? "refused" : "running") << std::endl;
    if (another)
        return 0;
    std::getline(std::cin, line);
    return 0;
}
