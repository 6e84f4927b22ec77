// SPDX-License-Identifier: GPL-3.0-or-later
// tenvari-cli as a user runs it: one moment in each format, refused
// commands, batches (good, refused, blank and odd rows, input arriving in
// small pieces) and one run of the real executable.
//
// The ayanamsa texts are the window's for the same moments (its own tests
// hold them); the 12-decimal values are ComputeAyanamsa's corrections, which
// the astro tests check to 5e-10 degrees.

#include "cli/Batch.h"
#include "cli/CommandLine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>
#include <csignal>
#include <signal.h>

using namespace tenvari::cli;

namespace {

std::vector<std::string> words(const QString& line) {
    std::vector<std::string> result;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        result.push_back(word.toStdString());
    return result;
}

QStringList lines(const std::string& text) {
    return QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The field `name` of a CSV row, by its header; quotes removed.
QString csvField(const QString& header, const QString& row, const QString& name) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < row.size(); ++i) {
        const QChar c = row[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < row.size() && row[i + 1] == c) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    const int at = header.split(QLatin1Char(',')).indexOf(name);
    return at >= 0 && at < fields.size() ? fields[at] : QStringLiteral("<no %1>").arg(name);
}

} // namespace

class tst_CliCommand : public QObject {
    Q_OBJECT
private slots:
    void oneMoment_data();
    void oneMoment();
    void refused_data();
    void refused();
    void details();
    void machineFormats();
    void batch();
    void batchInSmallPieces();
    void batchLongLineAndFile();
    void batchCalendarAndColumns();
    void batchEdges_data();
    void batchEdges();
    void failedStreams_data();
    void failedStreams();
    void stopSignal_data();
    void stopSignal();
    void realExecutable();
};

void tst_CliCommand::oneMoment_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("output");
    QTest::newRow("15 Aug 1947 0:00 +05:30") << "1947-08-15 00:00 --zone +05:30"
                                             << "23° 7' 21\"  Friday\n";
    QTest::newRow("--zone=") << "1947-08-15 00:00 --zone=+05:30"
                             << "23° 7' 21\"  Friday\n";
    QTest::newRow("1 Jan 2000 12:00 UT") << "2000-01-01 12:00"
                                         << "23° 51' 14\"  Saturday\n";
    QTest::newRow("1 Jan 1901 0:00 UT") << "1901-01-01 00:00"
                                        << "22° 28' 46\"  Tuesday\n";
    QTest::newRow("31 Dec 2050 23:59 UT") << "2050-12-31 23:59"
                                          << "24° 34' 23\"  Saturday\n";
    QTest::newRow("options first, west zone") << "--zone -05:00 --dst 2000-01-01 12:00"
                                              << "23° 51' 14\"  Saturday\n";
    // Outside the window's years the ephemeris' definition is shown; the
    // weekday runs on across the calendar change.
    QTest::newRow("negative year after --") << "-- -500-03-21 12:00"
                                            << "-10° 52' 7\"  Friday\n";
    QTest::newRow("last Julian day") << "1582-10-04 12:00"
                                     << "18° 2' 19\"  Thursday\n";
    QTest::newRow("first Gregorian day") << "1582-10-15 12:00"
                                         << "18° 2' 20\"  Friday\n";
    QTest::newRow("--ayanamsa icrc") << "2000-01-01 12:00 --ayanamsa icrc"
                                     << "23° 51' 10\"  Saturday\n";
}

void tst_CliCommand::oneMoment() {
    QFETCH(QString, arguments);
    QFETCH(QString, output);
    const CliOutput run = runCliCaptured(words(arguments));
    QCOMPARE(QString::fromStdString(run.err), QString());
    QCOMPARE(QString::fromStdString(run.out), output);
    QCOMPARE(run.status, 0);
}

void tst_CliCommand::refused_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("impossible date") << "2001-02-29 00:00"
                                     << "tenvari-cli: DATE '2001-02-29' is not a real date";
    QTest::newRow("year after 3000") << "3001-01-01 00:00"
                                     << "-3000-01-01 to 3000-12-31";
    QTest::newRow("day of the calendar change") << "1582-10-10 12:00"
                                                << "--calendar";
    QTest::newRow("1900-02-29 Gregorian") << "1900-02-29 12:00"
                                          << "DATE '1900-02-29' is not a real date";
    QTest::newRow("formula outside its years") << "1800-01-01 00:00 --ayanamsa formula"
                                               << "1901-01-01 to 2050-12-31 only";
    QTest::newRow("unknown definition") << "2000-01-01 12:00 --ayanamsa lahiri"
                                        << "--ayanamsa";
    QTest::newRow("unknown calendar") << "2000-01-01 12:00 --calendar roman"
                                      << "--calendar";
    QTest::newRow("Delta T not a number") << "2000-01-01 12:00 --delta-t soon"
                                          << "--delta-t";
    QTest::newRow("unknown definition kept") << "2000-01-01 12:00 --definitions-only iae,x"
                                             << "--definitions-only";
    QTest::newRow("24:00") << "2000-01-01 24:00"
                           << "TIME '24:00'";
    QTest::newRow("+14:61") << "2000-01-01 12:00 --zone +14:61"
                            << "--zone '+14:61'";
    QTest::newRow("zone without sign") << "2000-01-01 12:00 --zone 05:30"
                                       << "--zone '05:30'";
    QTest::newRow("zone without value") << "2000-01-01 12:00 --zone"
                                        << "--zone needs a value";
    QTest::newRow("no arguments") << ""
                                  << "missing DATE and TIME";
    QTest::newRow("no time") << "2000-01-01"
                             << "missing TIME";
    QTest::newRow("one too many") << "2000-01-01 12:00 13:00"
                                  << "unexpected argument '13:00'";
    QTest::newRow("unknown option") << "2000-01-01 12:00 --utc"
                                    << "--utc";
    QTest::newRow("unknown format") << "2000-01-01 12:00 --format xml"
                                    << "--format 'xml'";
    QTest::newRow("batch with a moment") << "--batch - 2000-01-01 12:00"
                                         << "give no DATE";
    QTest::newRow("batch with a zone") << "--batch - --zone +01:00"
                                       << "--zone and --dst";
    QTest::newRow("batch as JSON") << "--batch - --format json"
                                   << "CSV only";
    QTest::newRow("batch file missing") << "--batch /nonexistent/rows.csv"
                                        << "cannot open '/nonexistent/rows.csv'";
    QTest::newRow("batch from a folder: no header") << "--batch /"
                                                    << "cannot read '/': Is a directory";
    QTest::newRow("batch with details") << "--batch - --details"
                                        << "--details shows the steps of one moment";
    QTest::newRow("zone twice") << "2000-01-01 12:00 --zone +01:00 --zone=+02:00"
                                << "option --zone given more than once";
    QTest::newRow("control characters: one line")
        << "2000-01-01\nforged:\x1b]0;x\x07\r 12:00"
        << "DATE '2000-01-01\\nforged:\\x1b]0;x\\x07\\r' is not a date";
}

void tst_CliCommand::refused() {
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    const CliOutput run = runCliCaptured(words(arguments));
    const QString err = QString::fromStdString(run.err);
    QVERIFY2(err.startsWith(QStringLiteral("tenvari-cli: ")) && err.contains(message),
             qPrintable(err));
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QCOMPARE(QString::fromStdString(run.out), QString());
    QCOMPARE(run.status, 2);
}

void tst_CliCommand::details() {
    const CliOutput run =
        runCliCaptured(words(QStringLiteral("1947-08-15 00:00 --zone +05:30 --details")));
    QCOMPARE(run.status, 0);
    const QStringList out = lines(run.out);
    QCOMPARE(out.value(0), QString::fromUtf8("23° 7' 21\"  Friday"));
    const auto shows = [&](const char* label, const QString& value) {
        const QString line = out.filter(QString::fromLatin1(label)).value(0);
        QVERIFY2(line.startsWith(QString::fromLatin1(label)) && line.contains(value),
                 qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(label), line)));
    };
    shows("Julian Day Number", QStringLiteral(" 2432413"));
    shows("Universal Time", QStringLiteral(" -5.5 h"));
    shows("T  ", QStringLiteral(" 0.47617442391"));
    shows("Ayanamsa", QString::fromUtf8(" 23.122552387575°"));
    shows("Reference, true", QStringLiteral("23° 7' 18."));
    shows("Reference, mean", QStringLiteral("23° 7' 31."));
    shows("Formula - reference", QStringLiteral("+2.7"));
    shows("Delta T", QStringLiteral(" 28.0"));
    shows("Julian Date, UT", QStringLiteral(" 2432412.27083333"));
    shows("true_chitra", QStringLiteral("true - iae -54."));
    shows("icrc", QStringLiteral("true - iae -0.658\""));

    // The list of definitions names each with its source.
    const CliOutput list = runCliCaptured({"--definitions"});
    QCOMPARE(list.status, 0);
    for (const char* name : {"formula ", "iae ", "icrc ", "vp285 ", "true_chitra "})
        QVERIFY2(list.out.find(std::string("\n") + name) != std::string::npos ||
                     list.out.rfind(name, 0) == 0,
                 name);
    QCOMPARE(QString::fromStdString(list.out).count(QStringLiteral("source: ")), 5);
}

void tst_CliCommand::machineFormats() {
    const CliOutput json = runCliCaptured(words(QStringLiteral("2000-01-01 12:00 --format json")));
    QCOMPARE(json.status, 0);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json.out.c_str(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(object.value(QStringLiteral("ayanamsa_text")).toString(),
             QString::fromUtf8("23° 51' 14\""));
    QCOMPARE(object.value(QStringLiteral("julian_day_number")).toInt(), 2451545);
    QCOMPARE(object.value(QStringLiteral("t_centuries")).toDouble(), 1.0);
    QCOMPARE(object.value(QStringLiteral("dst")).toBool(), false);
    const double ayanamsa = object.value(QStringLiteral("ayanamsa_deg")).toDouble();
    const double reference = object.value(QStringLiteral("reference_true_deg")).toDouble();
    QVERIFY(std::fabs(ayanamsa - 23.853990893) < 5e-10);
    QVERIFY(std::fabs(object.value(QStringLiteral("formula_minus_reference_arcsec")).toDouble() -
                      (ayanamsa - reference) * 3600.0) < 0.001);

    // CSV gives the same fields as a header and one row.
    const CliOutput csv = runCliCaptured(words(QStringLiteral("2000-01-01 12:00 --format csv")));
    QCOMPARE(csv.status, 0);
    const QStringList rows = lines(csv.out);
    QCOMPARE(rows.size(), 2);
    // The definitions' object of objects becomes columns NAME_FIELD.
    QJsonObject flat = object;
    flat.remove(QStringLiteral("definitions"));
    const QJsonObject definitions = object.value(QStringLiteral("definitions")).toObject();
    QCOMPARE(definitions.size(), 5);
    for (auto d = definitions.constBegin(); d != definitions.constEnd(); ++d) {
        const QJsonObject fields = d->toObject();
        QCOMPARE(fields.size(), 5);
        for (auto f = fields.constBegin(); f != fields.constEnd(); ++f)
            flat.insert(d.key() + QLatin1Char('_') + f.key(), f.value());
    }
    QCOMPARE(flat.size(), rows[0].count(QLatin1Char(',')) + 1);
    for (auto it = flat.constBegin(); it != flat.constEnd(); ++it) {
        const QString value = it->isString() ? it->toString()
                              : it->isBool() ? QString::number(int(it->toBool()))
                                             : QString();
        const QString field = csvField(rows[0], rows[1], it.key());
        if (it->isDouble())
            QCOMPARE(field.toDouble(), it->toDouble());
        else
            QCOMPARE(field, value);
    }
    QCOMPARE(object.value(QStringLiteral("calendar")).toString(), QStringLiteral("gregorian"));
    QCOMPARE(object.value(QStringLiteral("jd_ut")).toDouble(), 2451545.0);
    const double deltaT = object.value(QStringLiteral("delta_t_seconds")).toDouble();
    QCOMPARE(object.value(QStringLiteral("jd_tt")).toDouble(),
             2451545.0 + std::round(deltaT / 86400.0 * 1e8) / 1e8);

    // Without the reference its fields are null.
    const CliOutput bare =
        runCliCaptured(words(QStringLiteral("2000-01-01 12:00 --format json --no-reference")));
    const QJsonObject bareObject = QJsonDocument::fromJson(bare.out.c_str()).object();
    QVERIFY(bareObject.value(QStringLiteral("reference_true_deg")).isNull());
    QCOMPARE(bareObject.value(QStringLiteral("ayanamsa_deg")).toDouble(), ayanamsa);
    const QJsonObject bareIae = bareObject.value(QStringLiteral("definitions"))
                                    .toObject()
                                    .value(QStringLiteral("iae"))
                                    .toObject();
    QVERIFY(bareIae.value(QStringLiteral("true_deg")).isNull());

    // Before the window's years the formula has no value: null, not zero.
    const CliOutput early = runCliCaptured(words(QStringLiteral("1800-01-01 00:00 --format json")));
    const QJsonObject earlyFormula = QJsonDocument::fromJson(early.out.c_str())
                                         .object()
                                         .value(QStringLiteral("definitions"))
                                         .toObject()
                                         .value(QStringLiteral("formula"))
                                         .toObject();
    QVERIFY(earlyFormula.value(QStringLiteral("mean_deg")).isNull());
    QVERIFY(earlyFormula.value(QStringLiteral("true_text")).isNull());
}

void tst_CliCommand::batch() {
    const std::string input = "Date,Time,Zone,DST\n"
                              "1947-08-15,00:00,+05:30\n"
                              "\n"
                              "2001-02-29,00:00,+00:00\n"
                              "2000-01-01 , 12:00,\"-05:00\",yes\r\n"
                              "2000-01-01,12:00\n"
                              "1,2,3,4,5\n"
                              "2000-01-01,12:00,+00:00,maybe\n"
                              "2050-12-31,23:59,+00:00";
    const CliOutput run = runCliCaptured(words(QStringLiteral("--batch -")), input);
    QCOMPARE(run.status, 1);
    const QStringList out = lines(run.out);
    QCOMPARE(out.size(), 8); // header and seven rows: the header and blank lines give none
    const QString header = out[0];
    QVERIFY(header.startsWith(QStringLiteral("row,date,time,zone,dst,julian_day_number")));
    QVERIFY(header.endsWith(QStringLiteral(",error")));

    struct Expected {
        const char* row;
        const char* text;  // the window's text, or empty for a refused row
        const char* error; // a refused row's error, or empty
    };
    const Expected expected[] = {
        {"2", "23° 7' 21\"", ""},
        {"4", "", "row 4, field date: '2001-02-29' is not a real date"},
        {"5", "23° 51' 14\"", ""},
        {"6", "", "row 6, field zone: missing"},
        {"7", "", "row 7: 5 fields where date,time,zone[,dst] were expected"},
        {"8", "", "row 8, field dst: 'maybe' is not one of 0, 1, no, yes, false, true"},
        {"9", "24° 34' 23\"", ""},
    };
    QStringList errors;
    for (int i = 0; i < 7; ++i) {
        const QString row = out[i + 1];
        QCOMPARE(csvField(header, row, QStringLiteral("row")),
                 QString::fromLatin1(expected[i].row));
        QCOMPARE(csvField(header, row, QStringLiteral("ayanamsa_text")),
                 QString::fromUtf8(expected[i].text));
        QCOMPARE(csvField(header, row, QStringLiteral("error")),
                 QString::fromLatin1(expected[i].error));
        if (*expected[i].error != '\0')
            errors << QStringLiteral("tenvari-cli: ") + QString::fromLatin1(expected[i].error);
    }
    // -05:00 with daylight saving: 12:00 local is 16:00 UT.
    QCOMPARE(csvField(header, out[3], QStringLiteral("universal_time_hours")),
             QStringLiteral("16"));
    QCOMPARE(csvField(header, out[3], QStringLiteral("zone")), QStringLiteral("-05:00"));
    // Each refused row once on standard error, in order.
    QCOMPARE(lines(run.err), errors);

    // A good row carries the single moment's values.
    const CliOutput single =
        runCliCaptured(words(QStringLiteral("1947-08-15 00:00 --zone +05:30 --format csv")));
    const QStringList singleRows = lines(single.out);
    for (const char* name :
         {"t_centuries", "ayanamsa_deg", "reference_true_deg", "formula_minus_reference_arcsec"}) {
        QCOMPARE(csvField(header, out[1], QString::fromLatin1(name)),
                 csvField(singleRows[0], singleRows[1], QString::fromLatin1(name)));
    }
}

void tst_CliCommand::batchInSmallPieces() {
    // Rows that straddle reads give the same output as rows read whole.
    std::string input;
    for (int minute = 0; minute < 60; ++minute)
        input += "2000-01-01,12:" + std::string(minute < 10 ? "0" : "") + std::to_string(minute) +
                 ",+05:30," + (minute % 2 ? "1" : "0") + "\n";
    std::string outputs[2];
    const std::size_t pieces[2] = {1 << 16, 7};
    for (int i = 0; i < 2; ++i) {
        StringSource in(input, pieces[i]);
        StringSink out;
        StringSink err;
        BatchOptions options;
        options.inputName = "input";
        QCOMPARE(runBatch(in, out, err, options), ExitStatus::Done);
        QCOMPARE(QString::fromStdString(err.text()), QString());
        outputs[i] = out.text();
    }
    QCOMPARE(lines(outputs[0]).size(), 61);
    QCOMPARE(outputs[1], outputs[0]);
}

void tst_CliCommand::batchLongLineAndFile() {
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(QByteArray(70000, 'x') + "\n2000-01-01,12:00,+00:00\n");
    file.close();
    const CliOutput run =
        runCliCaptured({"--batch", file.fileName().toStdString(), "--no-reference"});
    QCOMPARE(run.status, 1);
    const QStringList out = lines(run.out);
    QCOMPARE(out.size(), 3);
    QCOMPARE(csvField(out[0], out[1], QStringLiteral("error")),
             QStringLiteral("row 1: longer than 64 KiB"));
    QCOMPARE(csvField(out[0], out[2], QStringLiteral("ayanamsa_text")),
             QString::fromUtf8("23° 51' 14\""));
    QCOMPARE(csvField(out[0], out[2], QStringLiteral("reference_true_deg")), QString());
}

void tst_CliCommand::batchCalendarAndColumns() {
    // The run's options reach every row: the calendar reads the dates, the
    // chosen definitions alone get columns.
    const CliOutput run =
        runCliCaptured(words(QStringLiteral("--batch - --calendar julian --definitions-only icrc")),
                       "1900-02-29,12:00,+00:00\n1582-10-10,00:00,+00:00\n");
    QCOMPARE(QString::fromStdString(run.err), QString());
    QCOMPARE(run.status, 0);
    const QStringList out = lines(run.out);
    QCOMPARE(out.size(), 3);
    QVERIFY(out[0].contains(QStringLiteral(",icrc_true_deg,")));
    QVERIFY(!out[0].contains(QStringLiteral(",iae_true_deg")));
    QCOMPARE(csvField(out[0], out[1], QStringLiteral("calendar")), QStringLiteral("julian"));
    QCOMPARE(csvField(out[0], out[2], QStringLiteral("julian_day_number")),
             QStringLiteral("2299166"));
    QCOMPARE(csvField(out[0], out[2], QStringLiteral("icrc_true_minus_iae_arcsec")),
             QStringLiteral("-0.658"));
}

void tst_CliCommand::batchEdges_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("rows");  // the row column of each output row
    QTest::addColumn<QString>("error"); // the first error, if any
    QTest::addColumn<QString>("date");  // the first row's date cell, raw
    const QByteArray good = "2000-01-01,12:00,+00:00";
    const auto padded = [&](qsizetype size) { return good + QByteArray(size - good.size(), ' '); };
    QTest::newRow("text after the closing quote")
        << QByteArray("\"1947-08-15\"junk,00:00,+05:30\n") << 1 << "1"
        << "row 1, field date: text after the closing quote"
        << "1947-08-15";
    QTest::newRow("blanks after the closing quote")
        << QByteArray("\"1947-08-15\" ,00:00,+05:30\n") << 0 << "1"
        << ""
        << "1947-08-15";
    QTest::newRow("quote not closed") << QByteArray("2000-01-01,\"12:00,+00:00\n") << 1 << "1"
                                      << "row 1, field time: the quote is not closed"
                                      << "2000-01-01";
    QTest::newRow("lone CR line ends") << good + "\r\r" + good + "\r" << 0 << "1,3"
                                       << ""
                                       << "2000-01-01";
    QTest::newRow("CR, CR LF, LF mixed") << good + "\r\n\r" + good + "\n\n" + good << 0 << "1,3,5"
                                         << ""
                                         << "2000-01-01";
    QTest::newRow("64 KiB line, LF") << padded(65536) + "\n" + good << 0 << "1,2"
                                     << ""
                                     << "2000-01-01";
    QTest::newRow("64 KiB line, CR LF") << padded(65536) + "\r\n" + good << 0 << "1,2"
                                        << ""
                                        << "2000-01-01";
    QTest::newRow("64 KiB line after a byte order mark") << "\xEF\xBB\xBF" + padded(65536) + "\n"
                                                         << 0 << "1"
                                                         << ""
                                                         << "2000-01-01";
    QTest::newRow("64 KiB and a byte, LF") << padded(65537) + "\n" + good << 1 << "1,2"
                                           << "row 1: longer than 64 KiB"
                                           << "";
    QTest::newRow("64 KiB and a byte, CR LF") << padded(65537) + "\r\n" + good << 1 << "1,2"
                                              << "row 1: longer than 64 KiB"
                                              << "";
    QTest::newRow("64 KiB and a byte, no line end") << padded(65537) << 1 << "1"
                                                    << "row 1: longer than 64 KiB"
                                                    << "";
    QTest::newRow("control characters escaped")
        << QByteArray("\x1b]0;title\x07,12:00,+00:00\n") << 1 << "1"
        << "row 1, field date: '\\x1b]0;title\\x07' is not a date of the form YYYY-MM-DD"
        << "\\x1b]0;title\\x07";
    QTest::newRow("NUL in a quoted field") << QByteArray("\"20\0\",12:00,+00:00\n", 19) << 1 << "1"
                                           << "row 1, field date: '20\\x00' is not a date of "
                                              "the form YYYY-MM-DD"
                                           << "20\\x00";
    QTest::newRow("formula in a refused row") << QByteArray("=1+1,12:00,+00:00\n") << 1 << "1"
                                              << "row 1, field date: '=1+1' is not a date of "
                                                 "the form YYYY-MM-DD"
                                              << "'=1+1";
}

void tst_CliCommand::batchEdges() {
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, rows);
    QFETCH(QString, error);
    QFETCH(QString, date);
    // Read whole and a byte at a time: a line end split between reads
    // changes nothing.
    std::string outputs[2];
    for (const std::size_t piece : {std::size_t(1) << 16, std::size_t(1)}) {
        StringSource in(input.toStdString(), piece);
        StringSink out;
        StringSink err;
        BatchOptions options;
        options.reading.withReference = false;
        options.inputName = "input";
        QCOMPARE(int(runBatch(in, out, err, options)), status);
        outputs[piece == 1] = out.text();
    }
    QCOMPARE(outputs[1], outputs[0]);
    const std::string& text = outputs[0];
    for (const char c : text)
        QVERIFY2(static_cast<unsigned char>(c) >= 0x20 || c == '\n', "a control character");
    const QStringList out = lines(text);
    QStringList numbers;
    for (const QString& row : out.mid(1))
        numbers << csvField(out[0], row, QStringLiteral("row"));
    QCOMPARE(numbers.join(QLatin1Char(',')), rows);
    QCOMPARE(csvField(out[0], out.value(1), QStringLiteral("error")), error);
    // The cell as written, unquoted only when it needs no quotes.
    QCOMPARE(out.value(1).section(QLatin1Char(','), 1, 1), date);
}

void tst_CliCommand::failedStreams_data() {
    // Real processes: a full disk, closed descriptors.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("help to a full disk") << "--help >/dev/full"
                                         << "cannot write the help: No space left on device";
    QTest::newRow("version, output closed") << "--version >&-"
                                            << "cannot write the version: Bad file descriptor";
    QTest::newRow("result, output closed") << "2000-01-01 12:00 >&-"
                                           << "cannot write the result: Bad file descriptor";
    QTest::newRow("batch, input closed") << "--batch - <&-"
                                         << "cannot read standard input: Bad file descriptor";
    QTest::newRow("batch file, input and output closed")
        << "--batch /dev/null <&- >&-"
        << "cannot write the results: Bad file descriptor";
}

void tst_CliCommand::failedStreams() {
    QFETCH(QString, command);
    QFETCH(QString, message);
    QProcess shell;
    shell.start(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("\"$0\" ") + command, QStringLiteral(TENVARI_CLI)});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 2);
    QCOMPARE(shell.readAllStandardOutput(), QByteArray());
    QCOMPARE(QString::fromUtf8(shell.readAllStandardError()),
             QStringLiteral("tenvari-cli: ") + message + QLatin1Char('\n'));
}

void tst_CliCommand::stopSignal_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("word");
    QTest::newRow("SIGINT") << int(SIGINT) << "interrupted";
    QTest::newRow("SIGTERM") << int(SIGTERM) << "terminated";
}

void tst_CliCommand::stopSignal() {
    // A batch writing into a pipe that is not read stops on the signal,
    // once the pipe is read, after a whole row, and says how many rows.
    QFETCH(int, signal);
    QFETCH(QString, word);
    QTemporaryFile rows;
    QVERIFY(rows.open());
    for (int i = 0; i < 40000; ++i)
        rows.write("2000-01-01,12:00,+05:30\n");
    rows.close();
    QProcess process;
    process.setStandardInputFile(rows.fileName());
    process.start(QStringLiteral(TENVARI_CLI), {QStringLiteral("--batch"), QStringLiteral("-"),
                                                QStringLiteral("--no-reference")});
    QVERIFY(process.waitForStarted(10000));
    // Nothing reads: the pipe fills and a write blocks mid-row. Wait until
    // the program has read its input and sleeps (reading a file never does).
    const QString proc = QStringLiteral("/proc/%1/").arg(process.processId());
    const auto blocked = [&] {
        QFile stat(proc + QStringLiteral("stat"));
        QFile input(proc + QStringLiteral("fdinfo/0"));
        if (!stat.open(QIODevice::ReadOnly) || !input.open(QIODevice::ReadOnly))
            return false;
        const QByteArray state = stat.readAll();
        const QByteArray position = input.readLine();
        return state.mid(state.lastIndexOf(')') + 2, 1) == "S" && position != "pos:\t0\n";
    };
    QElapsedTimer waited; // no event loop meanwhile: QProcess would read the pipe
    waited.start();
    while (!blocked() && waited.elapsed() < 20000)
        QThread::msleep(20);
    QVERIFY(blocked());
    QCOMPARE(::kill(static_cast<pid_t>(process.processId()), signal), 0);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit); // ended by the signal
    const QByteArray out = process.readAllStandardOutput();
    QVERIFY(out.size() > 65536 && out.endsWith('\n'));
    const QStringList written = lines(out.toStdString());
    const QString last = written.last();
    QCOMPARE(csvField(written[0], last, QStringLiteral("row")),
             QString::number(written.size() - 1));
    QCOMPARE(csvField(written[0], last, QStringLiteral("weekday")), QStringLiteral("Saturday"));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QStringLiteral("tenvari-cli: %1 after %2 rows of results\n")
                 .arg(word)
                 .arg(written.size() - 1));
}

void tst_CliCommand::realExecutable() {
    // No display and no Qt platform: the program needs neither.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // It prints what the command prints in-process, and keeps "-05:30" as
    // the zone's value rather than taking it for an option.
    const auto run = [&](const QStringList& arguments) {
        std::vector<std::string> words;
        for (const QString& argument : arguments)
            words.push_back(argument.toStdString());
        const CliOutput expected = runCliCaptured(words);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TENVARI_CLI), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.readAllStandardOutput().toStdString(), expected.out);
        QCOMPARE(process.readAllStandardError().toStdString(), expected.err);
        QCOMPARE(process.exitCode(), expected.status);
    };
    run({QStringLiteral("1947-08-15"), QStringLiteral("00:00"), QStringLiteral("--zone"),
         QStringLiteral("-05:30")});
    run({QStringLiteral("2001-02-29"), QStringLiteral("00:00")});
    QProcess version;
    version.start(QStringLiteral(TENVARI_CLI), {QStringLiteral("--version")});
    QVERIFY(version.waitForFinished(10000));
    QVERIFY(version.readAllStandardOutput().startsWith("tenvari-cli (Tenvari) "));
}

QTEST_GUILESS_MAIN(tst_CliCommand)
#include "tst_clicommand.moc"
