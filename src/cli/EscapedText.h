// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tenvari::cli {

/*
 *  appendEscaped
 *
 *  Appends a text that came from outside (an argument, a field of a
 *  batch) so that it can go to a terminal or into one line of a file.
 *
 *  Given:
 *     out    string&      the text to append to
 *     text   string_view  any bytes
 *
 *  Notes:
 *
 *  1) LF, CR and TAB are written \n, \r and \t; other control characters
 *     (U+0000..U+001F, DEL) and bytes that are not part of well-formed
 *     UTF-8 are written \xHH, with two lower-case hex digits; the C1
 *     controls U+0080..U+009F are written \u0080 .. \u009f.  Everything
 *     else, other UTF-8 characters included, is copied.
 *
 *  2) So the result holds no control character: a terminal shows it as
 *     text, and it never breaks a line.
 */
void appendEscaped(std::string& out, std::string_view text);
std::string escaped(std::string_view text);

/*
 *  appendCsvField
 *
 *  Appends one CSV field: the text escaped as by appendEscaped, and quoted
 *  (with "" for a quote) when it then holds a comma or a quote, or begins
 *  or ends with a blank.
 */
void appendCsvField(std::string& out, std::string_view text);

/*
 *  appendCsvEchoedField
 *
 *  As appendCsvField, for a field of a refused batch row, echoed as read:
 *  a text beginning with = + - or @ is given a leading ' so that a
 *  spreadsheet opening the file shows it instead of taking it for a
 *  formula (the usual defence against CSV injection).
 */
void appendCsvEchoedField(std::string& out, std::string_view text);

} // namespace tenvari::cli
