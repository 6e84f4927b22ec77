// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StopSignals.h"

#include <csignal>
#include <cstdlib>
#include <signal.h>

namespace tenvari::cli {

namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void onStopSignal(int signal) {
    caught = signal;
}

} // namespace

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocked read or write returns, so the run can stop.
    // SA_RESETHAND: a second signal takes its default action.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int stopSignal() {
    return caught;
}

void endBySignal(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    std::raise(signal);
    std::_Exit(128 + signal); // not reached
}

} // namespace tenvari::cli
