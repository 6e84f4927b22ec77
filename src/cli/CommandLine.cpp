// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "Version.h"
#include "cli/Batch.h"
#include "cli/CliMessages.h"
#include "cli/CliMoment.h"
#include "cli/CliReading.h"
#include "cli/ReadingText.h"
#include "cli/StopSignals.h"
#include "reference/Definitions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace tenvari::cli {

namespace {

constexpr std::string_view kUsageHint = " (tenvari-cli --help shows the usage)";

// The options as given.
struct Options {
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
    std::string date;
    std::string time;
    std::vector<std::string> extra; // arguments after DATE and TIME
    bool zoneGiven = false;
    bool formatGiven = false;
    bool batchGiven = false;
    bool dateGiven = false;
    bool timeGiven = false;
};

// The help in the layout of the GNU tools: the usage lines, what the
// program does, then one line for each argument and option (the short
// name, if any, in front; a value as =VALUE), then the footer.
class HelpLayout : public CLI::Formatter {
public:
    HelpLayout() { column_width(25); }

    // The name and the start of the description on one line when they fit,
    // else the description on the next; its own lines indented two more.
    std::string make_option(const CLI::Option* option, bool positional) const override {
        const std::size_t width = get_column_width();
        std::string text = "  " + make_option_name(option, positional) + make_option_opts(option);
        if (text.size() <= width) {
            text.resize(std::max(width, text.size() + 2), ' ');
        } else {
            text += '\n' + std::string(width + 2, ' ');
        }
        for (const char c : make_option_desc(option)) {
            text += c;
            if (c == '\n') {
                text.append(width, ' ');
            }
        }
        return text + '\n';
    }

    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
        std::string text = make_usage(app, {}) + make_description(app) + '\n';
        for (const CLI::Option* option : app->get_options()) {
            if (!option->get_group().empty()) {
                text += make_option(option, option->get_positional());
            }
        }
        return text + '\n' + make_footer(app);
    }

    std::string make_usage(const CLI::App*, std::string) const override {
        return "Usage: tenvari-cli [OPTION]... DATE TIME\n"
               "  or:  tenvari-cli --batch FILE [--no-reference]\n";
    }

    std::string make_option_name(const CLI::Option* option, bool positional) const override {
        if (positional) {
            return option->get_name();
        }
        const std::vector<std::string>& shortNames = option->get_snames();
        const std::string longName = "--" + option->get_lnames().front();
        return shortNames.empty() ? "    " + longName : "-" + shortNames.front() + ", " + longName;
    }

    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_expected_max() == 0 || option->get_positional()
                   ? std::string()
                   : "=" + option->get_type_name();
    }
};

// A validator that adds nothing to its option's value name in the help
// (the option's own description says what it takes).
CLI::Validator undescribed(CLI::Validator validator) {
    validator.description(std::string());
    return validator;
}

// The command line's grammar, read by CLI11.  Its checks write their own
// refusal, in the words the command has always used; CLI11's own errors
// keep theirs.
class Grammar {
public:
    explicit Grammar(Options& options) : options_(options) {
        app_.formatter(std::make_shared<HelpLayout>());
        app_.description("Compute the Lahiri ayanamsa of a moment as the Tenvari window does, "
                         "and the\nvalue by the almanac's definition (IAU 2006/2000A models) "
                         "beside it.");
        app_.footer(R"(Example:
  $ tenvari-cli 1947-08-15 00:00 --zone +05:30
  23° 7' 21"  Friday

Exit status: 0 if done, 1 if a batch had refused rows, 2 if nothing was done
(a bad argument, an unreadable file) or a batch was cut short.

Full documentation: man tenvari-cli)");
        date_ = app_.add_option("DATE", options.date,
                                "YYYY-MM-DD, a real date from -3000-01-01 to 3000-12-31\n"
                                "  (year 0 is 1 BCE; put -- before a negative year:\n"
                                "  tenvari-cli -- -500-03-21 12:00)");
        time_ = app_.add_option("TIME", options.time, "HH:MM, the local clock time");
        app_.add_option("extra", options.extra)->group("");
        zone_ = app_.add_option("--zone", options.zone,
                                "offset of the local clock from Universal Time, east\n"
                                "  positive, -14:00 to +14:00 (default +00:00)")
                    ->type_name("[+-]HH:MM")
                    ->check(zoneCheck());
        app_.add_flag("--dst", options.dst, "daylight saving was in force (clock one hour ahead)");
        app_.add_flag("--details", options.details,
                      "show the steps: Julian Day Number, Universal Time, T,\n"
                      "  the ayanamsa to 12 decimals, the reference values");
        format_ = app_.add_option("--format", options.format, "text (the default), json or csv")
                      ->type_name("FORMAT")
                      ->check(oneOf("--format", {"text", "json", "csv"}));
        batch_ = app_.add_option("--batch", options.batch,
                                 "read CSV rows date,time,zone[,dst] from FILE (- for\n"
                                 "  standard input) and write a CSV row of results for\n"
                                 "  each, with an error column for refused rows")
                     ->type_name("FILE");
        app_.add_flag("--no-reference", options.noReference,
                      "leave out the reference values (faster batches)");
        std::vector<std::string> names;
        for (const AyanamsaDefinition& definition : definitions()) {
            names.emplace_back(definition.name);
        }
        app_.add_flag("--definitions", options.listDefinitions,
                      "list the ayanamsa definitions: name, what, source");
        app_.add_option("--ayanamsa", options.ayanamsa,
                        "the definition the result shows (default formula,\n"
                        "  the window's, within 1901-2050; iae outside)")
            ->type_name("NAME")
            ->check(undescribed(CLI::IsMember(names)));
        app_.add_option("--definitions-only", options.definitionsOnly,
                        "carry only these definitions in --details, JSON\n"
                        "  and CSV (default all)")
            ->type_name("NAME,...")
            ->delimiter(',')
            ->check(undescribed(CLI::IsMember(names)));
        app_.add_option("--calendar", options.calendar,
                        "read DATE in julian or gregorian (proleptic);\n"
                        "  by default Julian to 1582-10-04 and Gregorian\n"
                        "  from 1582-10-15")
            ->type_name("CALENDAR")
            ->check(undescribed(CLI::IsMember({"julian", "gregorian"})));
        app_.add_option("--delta-t", options.deltaT, "TT - UT to use instead of the model")
            ->type_name("SECONDS")
            ->check(undescribed(CLI::Range(-200000.0, 200000.0)));
        app_.set_help_flag("-h,--help", "display this help and exit");
        app_.add_flag("--version", options.version, "output version information and exit");
        app_.failure_message(
            [this](const CLI::App*, const CLI::Error& error) { return refusal(error); });
    }

    // Reads the arguments; true when they parse.  Else the help was asked
    // for (`status` Done, the help in `help`), or a refusal was written.
    bool parse(const std::vector<std::string>& arguments, MessageWriter& messages,
               std::string& help, ExitStatus& status) {
        std::vector<const char*> argv{"tenvari-cli"};
        for (const std::string& argument : arguments) {
            argv.push_back(argument.c_str());
        }
        arguments_ = &arguments;
        try {
            app_.parse(static_cast<int>(argv.size()), argv.data());
        } catch (const CLI::ParseError& error) {
            std::ostringstream out;
            std::ostringstream err;
            if (app_.exit(error, out, err) == 0) {
                help = out.str();
                status = ExitStatus::Done;
            } else {
                status = messages.refuse(err.str());
            }
            return false;
        }
        options_.zoneGiven = zone_->count() > 0;
        options_.formatGiven = format_->count() > 0;
        options_.batchGiven = batch_->count() > 0;
        options_.dateGiven = date_->count() > 0;
        options_.timeGiven = time_->count() > 0;
        return true;
    }

    std::string helpText() const { return app_.help(); }

private:
    // A check that keeps the command's own refusal for the message.
    CLI::Validator checked(std::function<std::string(const std::string&)> refusalOf,
                           std::string description) {
        return CLI::Validator(
            [this, refusalOf](std::string& value) {
                checkRefusal_ = refusalOf(value);
                return checkRefusal_;
            },
            std::move(description));
    }

    CLI::Validator oneOf(std::string name, std::vector<std::string> names) {
        const CLI::Validator member = CLI::IsMember(names);
        std::string list;
        for (const std::string& each : names) {
            list += (list.empty() ? "" : ", ") + each;
        }
        return checked(
            [member, name, list](const std::string& value) {
                std::string copy = value;
                return member(copy).empty() ? std::string()
                                            : name + " '" + value + "' is not one of " + list;
            },
            {});
    }

    CLI::Validator zoneCheck() {
        return checked(
            [](const std::string& value) {
                CliMoment moment;
                const FieldProblem problem = parseZone(value, moment);
                return problem == FieldProblem::None ? std::string()
                                                     : "--zone " + problemText(problem, value);
            },
            {});
    }

    // The one-line refusal for a parse error.
    std::string refusal(const CLI::Error& error) const {
        if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr &&
            !checkRefusal_.empty()) {
            return checkRefusal_;
        }
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
            for (const CLI::Option* option : {zone_, format_, batch_}) {
                if (option->count() > 1) {
                    return "option " + option->get_name() + " given more than once" +
                           std::string(kUsageHint);
                }
            }
            // Otherwise the arguments ended before the last option's value.
            const std::string last = arguments_->empty() ? std::string() : arguments_->back();
            const CLI::Option* option =
                last.starts_with("--") ? app_.get_option_no_throw(last.substr(0, last.find('=')))
                                       : nullptr;
            if (option != nullptr) {
                return "option " + option->get_name() + " needs a value" + std::string(kUsageHint);
            }
        }
        return error.what() + std::string(kUsageHint);
    }

    Options& options_;
    CLI::App app_;
    CLI::Option* date_ = nullptr;
    CLI::Option* time_ = nullptr;
    CLI::Option* zone_ = nullptr;
    CLI::Option* format_ = nullptr;
    CLI::Option* batch_ = nullptr;
    std::string checkRefusal_;
    const std::vector<std::string>* arguments_ = nullptr;
};

ReadingOptions readingOptions(const Options& options) {
    ReadingOptions reading;
    reading.withReference = !options.noReference;
    reading.deltaTSeconds = options.deltaT;
    if (!options.ayanamsa.empty()) {
        reading.shown = findDefinition(options.ayanamsa);
    }
    for (const std::string& name : options.definitionsOnly) {
        const AyanamsaDefinition* definition = findDefinition(name);
        // Each once, in the order first given.
        if (std::find(reading.columns.begin(), reading.columns.end(), definition) ==
            reading.columns.end()) {
            reading.columns.push_back(definition);
        }
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

ExitStatus runBatchCommand(const Options& options, CliStreams& streams, MessageWriter& messages) {
    if (options.dateGiven) {
        return messages.refuse("--batch reads its moments from FILE: give no DATE or TIME");
    }
    if (options.zoneGiven || options.dst) {
        return messages.refuse("--zone and --dst belong to one moment: in a batch each row "
                               "gives its zone and daylight saving");
    }
    if (options.details) {
        return messages.refuse("--details shows the steps of one moment: a batch writes them "
                               "in its CSV columns");
    }
    if (options.formatGiven && options.format != "csv") {
        return messages.refuse("--batch writes CSV only, not '" + options.format + "'");
    }

    BatchOptions batchOptions;
    batchOptions.reading = readingOptions(options);
    batchOptions.calendar = calendarOf(options);
    batchOptions.progress = streams.errIsTerminal;
    if (streams.stopOnSignals) {
        catchStopSignals();
    }
    if (options.batch == "-") {
        batchOptions.inputName = "standard input";
        return runBatch(streams.in, streams.out, streams.err, batchOptions);
    }
    batchOptions.inputName = "'" + options.batch + "'";
    const int fd = ::open(options.batch.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return messages.refuse("cannot open " + batchOptions.inputName + ": " +
                               std::strerror(errno));
    }
    FdSource file(fd);
    const ExitStatus status = runBatch(file, streams.out, streams.err, batchOptions);
    ::close(fd);
    return status;
}

ExitStatus runMomentCommand(const Options& options, CliStreams& streams, MessageWriter& messages) {
    if (!options.timeGiven) {
        return messages.refuse(
            std::string(options.dateGiven ? "missing TIME" : "missing DATE and TIME") +
            std::string(kUsageHint));
    }
    if (!options.extra.empty()) {
        return messages.refuse("unexpected argument '" + options.extra.front() + "'" +
                               std::string(kUsageHint));
    }

    CliMoment moment;
    moment.dst = options.dst;
    moment.calendar = calendarOf(options);
    FieldProblem problem = parseDate(options.date, moment);
    if (problem != FieldProblem::None) {
        return messages.refuse("DATE " + problemText(problem, options.date));
    }
    problem = parseTime(options.time, moment);
    if (problem != FieldProblem::None) {
        return messages.refuse("TIME " + problemText(problem, options.time));
    }
    problem = parseZone(options.zone, moment);
    if (problem != FieldProblem::None) {
        return messages.refuse("--zone " + problemText(problem, options.zone));
    }

    // Kept for as long as the reading, which refers to its list of columns.
    const ReadingOptions choice = readingOptions(options);
    const std::optional<CliReading> computed = readingOf(moment, choice);
    if (!computed) {
        return messages.refuse("--ayanamsa " + options.ayanamsa +
                               " covers 1901-01-01 to 2050-12-31 only");
    }
    const CliReading& reading = *computed;
    const GivenTexts given{options.date, options.time, options.zone, moment.dst ? "1" : "0"};
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
        return messages.cannotWrite("the result", streams.out);
    }
    return ExitStatus::Done;
}

} // namespace

std::string usageText() {
    Options options;
    return Grammar(options).helpText();
}

std::string versionText() {
    return std::string("tenvari-cli (Tenvari) ") + kVersion + R"(
License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";
}

ExitStatus runCli(const std::vector<std::string>& arguments, CliStreams& streams) {
    MessageWriter messages(streams.err);
    Options options;
    Grammar grammar(options);
    std::string help;
    ExitStatus status = ExitStatus::Done;
    if (!grammar.parse(arguments, messages, help, status)) {
        if (status == ExitStatus::Done && !streams.out.write(help)) {
            return messages.cannotWrite("the help", streams.out);
        }
        return status;
    }
    if (options.version) {
        return streams.out.write(versionText()) ? ExitStatus::Done
                                                : messages.cannotWrite("the version", streams.out);
    }
    if (options.listDefinitions) {
        return streams.out.write(definitionsText())
                   ? ExitStatus::Done
                   : messages.cannotWrite("the definitions", streams.out);
    }
    if (options.batchGiven) {
        return runBatchCommand(options, streams, messages);
    }
    return runMomentCommand(options, streams, messages);
}

CliOutput runCliCaptured(const std::vector<std::string>& arguments, std::string_view input) {
    StringSource in{std::string(input)};
    StringSink out;
    StringSink err;
    CliStreams streams{in, out, err, false};
    CliOutput result;
    result.status = static_cast<int>(runCli(arguments, streams));
    result.out = out.text();
    result.err = err.text();
    return result;
}

} // namespace tenvari::cli
