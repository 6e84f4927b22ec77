// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ByteStreams.h"
#include "cli/ExitStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace tenvari::cli {

// The streams a run of tenvari-cli uses.
struct CliStreams {
    ByteSource& in; // standard input, for --batch -
    ByteSink& out;  // standard output
    ByteSink& err;  // standard error
    bool errIsTerminal = false;
    bool stopOnSignals = false; // a batch stops after a whole row on SIGINT
                                // or SIGTERM (catchStopSignals)
};

/*
 *  runCli
 *
 *  tenvari-cli itself: reads the arguments, writes the results.
 *
 *  Given:
 *     arguments  vector<string>  the command-line arguments after the
 *                                program's name
 *     streams    CliStreams
 *
 *  Returned (function value):
 *                ExitStatus      Done; RowsRefused: a batch in which some
 *                                row was refused; Failed: nothing done, or a
 *                                batch cut short: a bad or missing argument
 *                                or option, a file that cannot be read, output
 *                                that cannot be written
 *
 *  Notes:
 *
 *  1) A refused command writes one line "tenvari-cli: ..." naming what is
 *     wrong to `err` (MessageWriter) and nothing to `out`.  So does a
 *     failed write of the help, the version or a result.
 *
 *  2) The options and formats are those of usageText() and of the manual
 *     page tenvari-cli(1).
 *
 *  3) A batch stopped by a signal returns Failed with stopSignal() set;
 *     the caller then ends by that signal (endBySignal).
 */
ExitStatus runCli(const std::vector<std::string>& arguments, CliStreams& streams);

// What a run wrote and how it ended.
struct CliOutput {
    int status = 0;
    std::string out;
    std::string err;
};

/*
 *  runCliCaptured
 *
 *  runCli with standard input taken from a text and the output kept, as a
 *  test or another program part would run the command.
 *
 *  Given:
 *     arguments  vector<string>  as for runCli, e.g. {"1947-08-15",
 *                                "00:00", "--zone", "+05:30"}
 *     input      string_view     what standard input holds (for --batch -)
 *
 *  Returned (function value):
 *                CliOutput       exit status, standard output, standard
 *                                error; for the example 0,
 *                                "23° 7' 21\"  Friday\n" and ""
 */
CliOutput runCliCaptured(const std::vector<std::string>& arguments, std::string_view input = {});

// The --help and --version texts; the help is laid out by CLI11 from the
// options' own descriptions.
std::string usageText();
std::string versionText();

} // namespace tenvari::cli
