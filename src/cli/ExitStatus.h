// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari::cli {

// How a run of tenvari-cli ended; the values are the process's exit status,
// which scripts read (see the manual page).
enum class ExitStatus : int {
    Done = 0,        // everything asked was done
    RowsRefused = 1, // a batch ran to its end, but some rows were refused
    Failed = 2,      // nothing done (a bad argument, input that cannot be
                     // read, output that cannot be written), or a batch cut
                     // short by a read or write error
};

} // namespace tenvari::cli
