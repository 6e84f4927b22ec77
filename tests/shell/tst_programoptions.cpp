// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, answered before any window system is touched: --help
// and --version on standard output, a wrong argument on standard error, Qt's
// own options let through to the application object.

#include "platform/AppInfo.h"
#include "shell/ProgramOptions.h"

#include <QTest>
#include <cstdio>
#include <memory>

using namespace tenvari;

namespace {

constexpr int kRuns = -1; // no status: the program goes on to its window

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

QStringList linesOf(std::FILE* file) {
    std::rewind(file);
    QByteArray text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, file))
        text += buffer;
    return QString::fromLocal8Bit(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class tst_ProgramOptions : public QObject {
    Q_OBJECT

private slots:
    void answer_data();
    void answer();
};

void tst_ProgramOptions::answer_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // first line of standard output
    QTest::addColumn<QString>("err"); // first line of standard error

    const QString version = QStringLiteral("Tenvari %1").arg(QLatin1String(kVersion));
    const QString usage = QStringLiteral("Usage: tenvari [OPTION]...");

    // clang-format off
    QTest::newRow("no arguments")        << QStringList{"tenvari"} << kRuns << "" << "";
    QTest::newRow("--help")              << QStringList{"tenvari", "--help"} << 0 << usage << "";
    QTest::newRow("-h, started by path") << QStringList{"/usr/bin/tenvari", "-h"} << 0 << usage << "";
    QTest::newRow("--version")           << QStringList{"tenvari", "--version"} << 0 << version << "";
    QTest::newRow("Qt's option, then --version") << QStringList{"tenvari", "-platform", "offscreen", "--version"} << 0 << version << "";
    QTest::newRow("-platform NAME")      << QStringList{"tenvari", "-platform", "offscreen"} << kRuns << "" << "";
    QTest::newRow("--platform NAME")     << QStringList{"tenvari", "--platform", "vnc:size=320x240"} << kRuns << "" << "";
    QTest::newRow("-style=NAME")         << QStringList{"tenvari", "-style=fusion"} << kRuns << "" << "";
    QTest::newRow("-reverse")            << QStringList{"tenvari", "-reverse"} << kRuns << "" << "";
    QTest::newRow("unknown option")      << QStringList{"tenvari", "--bogus"} << 2 << "" << "tenvari: Unknown option 'bogus'.";
    QTest::newRow("unknown after --help") << QStringList{"tenvari", "--help", "-x"} << 2 << "" << "tenvari: Unknown option 'x'.";
    QTest::newRow("Qt's option without its value") << QStringList{"tenvari", "-platform"} << 2 << "" << "tenvari: Missing value after '-platform'.";
    QTest::newRow("value to a flag")     << QStringList{"tenvari", "-reverse=yes"} << 2 << "" << "tenvari: Unexpected value after '-reverse'.";
    QTest::newRow("an argument")         << QStringList{"tenvari", "birth.txt"} << 2 << "" << "tenvari: Unexpected argument 'birth.txt'.";
    QTest::newRow("an argument after --") << QStringList{"tenvari", "--", "--help"} << 2 << "" << "tenvari: Unexpected argument '--help'.";
    // clang-format on
}

void tst_ProgramOptions::answer() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const File outFile(std::tmpfile());
    const File errFile(std::tmpfile());
    QVERIFY(outFile && errFile);
    const std::optional<int> got = answerCommandLine(arguments, outFile.get(), errFile.get());
    QCOMPARE(got.value_or(kRuns), status);

    const QStringList outLines = linesOf(outFile.get());
    const QStringList errLines = linesOf(errFile.get());
    QCOMPARE(outLines.value(0), out);
    QCOMPARE(errLines.value(0), err);
    // A refusal is one line, then the usage.
    if (!err.isEmpty())
        QCOMPARE(errLines.value(1), QStringLiteral("Usage: tenvari [OPTION]..."));
}

QTEST_APPLESS_MAIN(tst_ProgramOptions)
#include "tst_programoptions.moc"
