// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ByteStreams.h"
#include "cli/CliReading.h"
#include "cli/ExitStatus.h"

#include <cstddef>
#include <string>

namespace tenvari::cli {

// The most bytes a batch line may hold, its line end not counted (nor a
// byte order mark before the first line): 64 KiB.
inline constexpr std::size_t kBatchLineLimit = 65536;

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
 *              ExitStatus    Done when every row was read, RowsRefused when
 *                            some row was refused, Failed when reading or
 *                            writing failed or a stop signal came
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
 *     of more than kBatchLineLimit bytes is refused as a whole.  Output is
 *     written in large pieces, and always before the input is waited for,
 *     so rows typed at a terminal are answered at once; but nothing, not
 *     even the header, before the input has been read once, so input that
 *     cannot be read leaves `out` empty.
 *
 *  4) Fields are separated by commas; blanks around a field are ignored; a
 *     field may be quoted ("...", with "" for a quote; nothing but blanks
 *     may follow the closing quote).  A UTF-8 byte order mark at the start
 *     is skipped.  Lines end with LF, CR LF or a lone CR.
 *
 *  5) With options.progress, a line "tenvari-cli: N rows" is kept up to
 *     date on `err` once a run has lasted a second, and wiped at the end.
 *
 *  6) Echoed fields and error texts are escaped (appendEscaped): the output
 *     holds no control character but the line ends.  A refused row's fields
 *     that begin with = + - or @ get a leading ' (appendCsvEchoedField).
 *
 *  7) After catchStopSignals(), SIGINT or SIGTERM ends the run after a
 *     whole row, with a message "interrupted after N rows of results"
 *     (or "terminated ...").
 */
ExitStatus runBatch(ByteSource& in, ByteSink& out, ByteSink& err, const BatchOptions& options);

} // namespace tenvari::cli
