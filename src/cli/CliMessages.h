// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ByteStreams.h"
#include "cli/ExitStatus.h"

#include <string_view>

namespace tenvari::cli {

/*
 *  MessageWriter
 *
 *  The one way tenvari-cli speaks on standard error: each message is one
 *  line "tenvari-cli: TEXT", with whatever TEXT quotes from the input
 *  escaped (see appendEscaped), so that no input can break the line, forge
 *  a second one or reach the terminal as a control sequence.
 */
class MessageWriter {
public:
    explicit MessageWriter(ByteSink& err) : err_(err) {}

    // Writes the message.
    void say(std::string_view text);

    // Writes the message for a run that ends here; returns ExitStatus::Failed.
    ExitStatus refuse(std::string_view text);

    // "cannot write WHAT: REASON", after a failed write to `out`; returns
    // ExitStatus::Failed.
    ExitStatus cannotWrite(std::string_view what, const ByteSink& out);

    // Standard error itself, for the progress line of a batch.
    ByteSink& sink() { return err_; }

private:
    ByteSink& err_;
};

} // namespace tenvari::cli
