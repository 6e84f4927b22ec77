// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari::cli {

/*
 *  A batch stopped by SIGINT (Ctrl+C) or SIGTERM ends after a whole row.
 *
 *  catchStopSignals() makes the first of these signals only ask the run to
 *  stop: reads and writes of FdSource and FdSink then return early (a
 *  write first finishes the line it has begun), and the batch checks
 *  stopSignal() after each row.  A second signal ends the program at once,
 *  as if nothing had been caught.
 *
 *  endBySignal() ends the process by the caught signal with its default
 *  action, so that a shell or a calling program sees how it ended (status
 *  130 or 143 in a shell), as programs stopped by Ctrl+C should.
 */
void catchStopSignals();

// The signal that asked the run to stop, or 0.
int stopSignal();

[[noreturn]] void endBySignal(int signal);

} // namespace tenvari::cli
