// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ByteStreams.h"
#include "cli/CliReading.h"

#include <string>

namespace tenvari::cli {

struct BatchOptions {
    ReadingOptions reading;                   // what each row computes and which columns
    Calendar calendar = Calendar::Historical; // how the rows' dates are read
    bool progress = false;                    // show a progress line on `err` (a terminal)
    std::string inputName;                    // for messages: the file name, or "standard input"
};

/*
 *  runBatch
 *
 *  Reads moments as CSV rows date,time,zone[,dst] and writes one CSV row
 *  of results for each.
 *
 *  Given:
 *     in       ByteSource&   the rows; an optional header row whose first
 *                            field is "date"; blank lines are skipped
 *     out      ByteSink&     the results: a header, then for each row its
 *                            number, its four fields as read, the computed
 *                            columns of ReadingText.h and an error column
 *     err      ByteSink&     one line for each refused row, and the progress
 *     options  BatchOptions
 *
 *  Returned (function value):
 *              int           0 when every row was read, 1 when some row was
 *                            refused, 2 when reading or writing failed
 *
 *  Notes:
 *
 *  1) Rows are numbered as the lines of the input, from 1, a header and
 *     blank lines included, so a number leads straight to its line.
 *
 *  2) A refused row is never dropped: its computed columns are empty and
 *     its error column says which row and which field, e.g.
 *        row 3, field date: '2001-02-29' is not a real date
 *     The same line, after "tenvari-cli: ", goes to `err`, and the rest of
 *     the input is read on.
 *
 *  3) Streaming: memory stays the same however long the input is.  A line
 *     longer than 64 KiB is refused as a whole.  Output is written in large
 *     pieces, and always before the input is waited for, so rows typed at a
 *     terminal are answered at once.
 *
 *  4) Fields are separated by commas; blanks around a field are ignored; a
 *     field may be quoted ("...", with "" for a quote).  A UTF-8 byte order
 *     mark at the start is skipped; CR LF line ends are accepted.
 *
 *  5) With options.progress, a line "tenvari-cli: N rows" is kept up to
 *     date on `err` once a run has lasted a second, and wiped at the end.
 */
int runBatch(ByteSource& in, ByteSink& out, ByteSink& err, const BatchOptions& options);

} // namespace tenvari::cli
