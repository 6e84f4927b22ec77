// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramOptions.h"

#include "links/WebAddresses.h"
#include "platform/AppInfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

namespace tenvari {

namespace {

constexpr int kUsageError = 2;

// The options QGuiApplication, QApplication and the X11 platform take out
// of the arguments (Qt 6). Those with a value take it as the next argument,
// -style, -stylesheet and -qmljsdebugger also after '='.
// clang-format off
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "geometry", "qwindowtitle", "title", "qwindowicon", "icon",
    "session", "style", "stylesheet", "display", "name", "visual", "qmljsdebugger"};
const char* const kQtFlags[] = {
    "reverse", "testability", "widgetcount", "nograb", "dograb", "qdevel", "qdebug"};
// clang-format on

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return {};

    QCommandLineParser parser;
    // Qt's options are words after a single dash, as are ours with two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue)
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    for (const char* name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    // The parser wants the program's name first.
    if (!parser.parse(QStringList{QString::fromLatin1(kProgramName)} + arguments))
        return {CommandLineRequest::Action::Refuse, parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineRequest::Action::Refuse,
                QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0])};
    if (parser.isSet(help))
        return {CommandLineRequest::Action::Help, {}};
    if (parser.isSet(version))
        return {CommandLineRequest::Action::Version, {}};
    return {};
}

QString helpText(const QString& programName) {
    return QStringLiteral("Usage: %1 [OPTION]...\n"
                          "Compute the Lahiri ayanamsa for a moment of birth, in a window: type a\n"
                          "name, pick the date and time of birth and the time zone, and ask for\n"
                          "the reading.\n"
                          "\n"
                          "  -h, --help     display this help and exit\n"
                          "      --version  output version information and exit\n"
                          "\n"
                          "Qt's own options, such as -platform NAME and -style NAME, are accepted\n"
                          "too. With no option the main window opens.\n"
                          "\n"
                          "Home page: <%2>\n")
        .arg(programName, QString::fromLatin1(generated::kProductSite));
}

QString versionText() {
    return QStringLiteral("%1 %2\n"
                          "Copyright (C) %3 %4\n"
                          "License GPLv3+: GNU GPL version 3 or later "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QString::fromLatin1(kAppTitle), QString::fromLatin1(kVersion),
             QString::fromLatin1(kReleaseDate).left(4), QString::fromLatin1(kOrganization));
}

std::optional<int> answerCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    const CommandLineRequest request = readCommandLine(arguments.mid(1));
    QString programName = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    if (programName.isEmpty())
        programName = QString::fromLatin1(kProgramName);

    switch (request.action) {
    case CommandLineRequest::Action::Run:
        return std::nullopt;
    case CommandLineRequest::Action::Help:
        std::fputs(helpText(programName).toLocal8Bit().constData(), out);
        return std::fflush(out) == 0 ? 0 : 1;
    case CommandLineRequest::Action::Version:
        std::fputs(versionText().toLocal8Bit().constData(), out);
        return std::fflush(out) == 0 ? 0 : 1;
    case CommandLineRequest::Action::Refuse:
        std::fputs((programName + QStringLiteral(": ") + request.error + QLatin1Char('\n') +
                    helpText(programName))
                       .toLocal8Bit()
                       .constData(),
                   err);
        std::fflush(err);
        return kUsageError;
    }
    return std::nullopt;
}

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    if (argc <= 1)
        return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return answerCommandLine(arguments, stdout, stderr);
}

} // namespace tenvari
