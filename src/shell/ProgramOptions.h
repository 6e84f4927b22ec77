// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace tenvari {

// What the command line asks of the program.
struct CommandLineRequest {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    // Refuse: what is wrong, one sentence without the program's name.
    QString error;
};

// Reads the arguments that follow the program's name. Besides -h/--help and
// --version it lets Qt's own options pass (-platform NAME, -style NAME,
// -reverse, ...; with one dash or two), which the application object reads
// when it is made. Any other option, an option without its value and any
// argument that is not an option are refused. No arguments: Run.
CommandLineRequest readCommandLine(const QStringList& arguments);

// The answers of --help and --version, each ending in a line break.
// programName is the name the program was started by.
QString helpText(const QString& programName);
QString versionText();

// Answers the command line before any window system is touched, so that it
// works without a display. arguments[0] is the program as it was started.
// Help or version: written to out, status 0. Refused: "<program>: <error>"
// and the help written to err, status 2. Otherwise no status: the program
// goes on to open its window.
std::optional<int> answerCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err);
// The same for main's arguments, on standard output and standard error.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace tenvari
