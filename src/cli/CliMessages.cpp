// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliMessages.h"

#include "cli/EscapedText.h"

#include <string>

namespace tenvari::cli {

void MessageWriter::say(std::string_view text) {
    std::string line = "tenvari-cli: ";
    appendEscaped(line, text);
    line += '\n';
    // Nothing is left to say when standard error itself fails.
    (void)err_.write(line);
}

ExitStatus MessageWriter::refuse(std::string_view text) {
    say(text);
    return ExitStatus::Failed;
}

ExitStatus MessageWriter::cannotWrite(std::string_view what, const ByteSink& out) {
    return refuse("cannot write " + std::string(what) + ": " + out.error());
}

} // namespace tenvari::cli
