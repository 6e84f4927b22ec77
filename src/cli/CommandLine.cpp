// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "Version.h"
#include "cli/Batch.h"
#include "cli/CliMoment.h"
#include "cli/CliReading.h"
#include "cli/ReadingText.h"
#include "reference/Definitions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace tenvari::cli {

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 2;

int refuse(CliStreams& streams, const std::string& why) {
    streams.err.write("tenvari-cli: " + why + "\n");
    return kRefused;
}

std::string usageHint() {
    return " (tenvari-cli --help shows the usage)";
}

// The options as given.
struct Options {
    bool help = false;
    bool version = false;
    bool dst = false;
    bool details = false;
    bool noReference = false;
    bool listDefinitions = false;
    std::string ayanamsa;
    std::string calendar;
    std::optional<double> deltaT;
    std::vector<std::string> definitionsOnly;
    std::string zone = "+00:00";
    std::string format = "text";
    std::string batch;
    std::vector<std::string> moment;
    bool zoneGiven = false;
    bool formatGiven = false;
    bool batchGiven = false;
};

// Reads the arguments with CLI11; an empty text when they parse.
std::string parseArguments(const std::vector<std::string>& arguments, Options& options) {
    CLI::App app;
    app.set_help_flag();
    app.add_flag("-h,--help", options.help);
    app.add_flag("--version", options.version);
    app.add_flag("--dst", options.dst);
    app.add_flag("--details", options.details);
    app.add_flag("--no-reference", options.noReference);
    CLI::Option* zone = app.add_option("--zone", options.zone)->type_name("[+-]HH:MM");
    CLI::Option* format = app.add_option("--format", options.format)->type_name("FORMAT");
    CLI::Option* batch = app.add_option("--batch", options.batch)->type_name("FILE");
    app.add_option("moment", options.moment);

    std::vector<std::string> names;
    for (const AyanamsaDefinition& definition : definitions()) {
        names.emplace_back(definition.name);
    }
    app.add_flag("--definitions", options.listDefinitions);
    app.add_option("--ayanamsa", options.ayanamsa)->check(CLI::IsMember(names));
    app.add_option("--calendar", options.calendar)->check(CLI::IsMember({"julian", "gregorian"}));
    app.add_option("--delta-t", options.deltaT)->check(CLI::Range(-200000.0, 200000.0));
    app.add_option("--definitions-only", options.definitionsOnly)
        ->delimiter(',')
        ->check(CLI::IsMember(names));

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& error) {
        // "--zone: 1 required [+-]HH:MM missing" and the like
        const std::string what = error.what();
        const std::string option = what.substr(0, what.find(':'));
        if (what.ends_with(" missing") && option.size() < what.size()) {
            return "option " + option + " needs a value";
        }
        if (what.find("At Most") != std::string::npos && option.size() < what.size()) {
            return "option " + option + " given more than once";
        }
        return what;
    } catch (const CLI::ParseError& error) {
        return error.what();
    }
    options.zoneGiven = zone->count() > 0;
    options.formatGiven = format->count() > 0;
    options.batchGiven = batch->count() > 0;
    return {};
}

ReadingOptions readingOptions(const Options& options) {
    ReadingOptions reading;
    reading.withReference = !options.noReference;
    reading.deltaTSeconds = options.deltaT;
    if (!options.ayanamsa.empty()) {
        reading.shown = findDefinition(options.ayanamsa);
    }
    for (const std::string& name : options.definitionsOnly) {
        reading.columns.push_back(findDefinition(name));
    }
    return reading;
}

Calendar calendarOf(const Options& options) {
    if (options.calendar == "julian") {
        return Calendar::Julian;
    }
    return options.calendar == "gregorian" ? Calendar::Gregorian : Calendar::Historical;
}

// Every definition: its name, what it fixes and where it is published.
std::string definitionsText() {
    std::string text;
    for (const AyanamsaDefinition& definition : definitions()) {
        text += definition.name;
        text.append(definition.name.size() < 12 ? 12 - definition.name.size() : 1, ' ');
        text += definition.summary;
        text += "\n            source: ";
        text += definition.source;
        text += '\n';
    }
    return text;
}

int runBatchCommand(const Options& options, CliStreams& streams) {
    if (!options.moment.empty()) {
        return refuse(streams, "--batch reads its moments from FILE: give no DATE or TIME");
    }
    if (options.zoneGiven || options.dst) {
        return refuse(streams, "--zone and --dst belong to one moment: in a batch each row "
                               "gives its zone and daylight saving");
    }
    if (options.formatGiven && options.format != "csv") {
        return refuse(streams, "--batch writes CSV only, not '" + options.format + "'");
    }

    BatchOptions batchOptions;
    batchOptions.reading = readingOptions(options);
    batchOptions.calendar = calendarOf(options);
    batchOptions.progress = streams.errIsTerminal;
    if (options.batch == "-") {
        batchOptions.inputName = "standard input";
        return runBatch(streams.in, streams.out, streams.err, batchOptions);
    }
    batchOptions.inputName = "'" + options.batch + "'";
    const int fd = ::open(options.batch.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return refuse(streams,
                      "cannot open " + batchOptions.inputName + ": " + std::strerror(errno));
    }
    FdSource file(fd);
    const int status = runBatch(file, streams.out, streams.err, batchOptions);
    ::close(fd);
    return status;
}

int runMomentCommand(const Options& options, CliStreams& streams) {
    if (options.moment.size() < 2) {
        return refuse(streams, std::string(options.moment.empty() ? "missing DATE and TIME"
                                                                  : "missing TIME") +
                                   usageHint());
    }
    if (options.moment.size() > 2) {
        return refuse(streams, "unexpected argument '" + options.moment[2] + "'" + usageHint());
    }
    if (options.format != "text" && options.format != "json" && options.format != "csv") {
        return refuse(streams, "--format '" + options.format + "' is not one of text, json, csv");
    }

    CliMoment moment;
    moment.dst = options.dst;
    moment.calendar = calendarOf(options);
    const std::string& date = options.moment[0];
    const std::string& time = options.moment[1];
    FieldProblem problem = parseDate(date, moment);
    if (problem != FieldProblem::None) {
        return refuse(streams, "DATE " + problemText(problem, date));
    }
    problem = parseTime(time, moment);
    if (problem != FieldProblem::None) {
        return refuse(streams, "TIME " + problemText(problem, time));
    }
    problem = parseZone(options.zone, moment);
    if (problem != FieldProblem::None) {
        return refuse(streams, "--zone " + problemText(problem, options.zone));
    }

    const std::optional<CliReading> computed = readingOf(moment, readingOptions(options));
    if (!computed) {
        return refuse(streams,
                      "--ayanamsa " + options.ayanamsa + " covers 1901-01-01 to 2050-12-31 only");
    }
    const CliReading& reading = *computed;
    const GivenTexts given{date, time, options.zone, moment.dst ? "1" : "0"};
    std::string text;
    if (options.format == "json") {
        appendJson(text, given, moment, reading);
    } else if (options.format == "csv") {
        appendCsv(text, given, reading);
    } else if (options.details) {
        appendDetails(text, given, moment, reading);
    } else {
        appendPlainLine(text, reading);
    }
    if (!streams.out.write(text)) {
        streams.err.write("tenvari-cli: cannot write the result: " + streams.out.error() + "\n");
        return kRefused;
    }
    return kDone;
}

} // namespace

std::string usageText() {
    return R"(Usage: tenvari-cli [OPTION]... DATE TIME
  or:  tenvari-cli --batch FILE [--no-reference]
Compute the Lahiri ayanamsa of a moment as the Tenvari window does, and the
value by the almanac's definition (IAU 2006/2000A models) beside it.

  DATE                   YYYY-MM-DD, a real date from -3000-01-01 to 3000-12-31
                           (year 0 is 1 BCE; put -- before a negative year:
                           tenvari-cli -- -500-03-21 12:00)
  TIME                   HH:MM, the local clock time
      --zone=[+-]HH:MM   offset of the local clock from Universal Time, east
                           positive, -14:00 to +14:00 (default +00:00)
      --dst              daylight saving was in force (clock one hour ahead)
      --details          show the steps: Julian Day Number, Universal Time, T,
                           the ayanamsa to 12 decimals, the reference values
      --format=FORMAT    text (the default), json or csv
      --batch=FILE       read CSV rows date,time,zone[,dst] from FILE (- for
                           standard input) and write a CSV row of results for
                           each, with an error column for refused rows
      --no-reference     leave out the reference values (faster batches)
      --definitions      list the ayanamsa definitions: name, what, source
      --ayanamsa=NAME    the definition the result shows (default formula,
                           the window's, within 1901-2050; iae outside)
      --definitions-only=NAME,...
                           carry only these definitions in --details, JSON
                           and CSV (default all)
      --calendar=CALENDAR  read DATE in julian or gregorian (proleptic);
                           by default Julian to 1582-10-04 and Gregorian
                           from 1582-10-15
      --delta-t=SECONDS  TT - UT to use instead of the model
  -h, --help             display this help and exit
      --version          output version information and exit

Example:
  $ tenvari-cli 1947-08-15 00:00 --zone +05:30
  23° 7' 21"  Friday

Exit status: 0 if done, 1 if a batch had refused rows, 2 if nothing was done
(a bad argument, an unreadable file) or a batch was cut short.

Full documentation: man tenvari-cli
)";
}

std::string versionText() {
    return std::string("tenvari-cli (Tenvari) ") + kVersion + R"(
License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";
}

int runCli(const std::vector<std::string>& arguments, CliStreams& streams) {
    Options options;
    const std::string parseError = parseArguments(arguments, options);
    if (!parseError.empty()) {
        return refuse(streams, parseError + usageHint());
    }
    if (options.help) {
        return streams.out.write(usageText()) ? kDone : kRefused;
    }
    if (options.version) {
        return streams.out.write(versionText()) ? kDone : kRefused;
    }
    if (options.listDefinitions) {
        return streams.out.write(definitionsText()) ? kDone : kRefused;
    }
    if (options.batchGiven) {
        return runBatchCommand(options, streams);
    }
    return runMomentCommand(options, streams);
}

CliOutput runCliCaptured(const std::vector<std::string>& arguments, std::string_view input) {
    StringSource in{std::string(input)};
    StringSink out;
    StringSink err;
    CliStreams streams{in, out, err, false};
    CliOutput result;
    result.status = runCli(arguments, streams);
    result.out = out.text();
    result.err = err.text();
    return result;
}

} // namespace tenvari::cli
