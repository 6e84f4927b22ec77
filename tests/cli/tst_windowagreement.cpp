// SPDX-License-Identifier: GPL-3.0-or-later
// tenvari-cli and the main window give the same reading for the same
// moment: the window driven through its controls and its reading command,
// the command line through its own parsing and output, for the edge cases
// of the reading and 10,000 random moments of 1901..2050.

#include "cli/CommandLine.h"
#include "support/FormDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QPushButton>
#include <QRadioButton>
#include <random>

using namespace tenvari;
using namespace tenvari::test;

namespace {

// A moment as a user gives it to either program.
struct Moment {
    QDate date;
    int hour = 0;
    int minute = 0;
    int zoneMinutes = 0; // signed, east positive
    bool west = false;   // the zone written with "-" (also for -00:00)
    bool dst = false;
};

// The window: the lists by position, the zone's magnitudes typed as the
// picker writes them, East for "+" and West for "-", the hidden
// daylight-saving box; then the reading command.
QString windowReading(FormDriver& f, const Moment& m) {
    f.child<QComboBox>("cboYear")->setCurrentIndex(m.date.year() - 1901);
    f.child<QComboBox>("cboMonth")->setCurrentIndex(m.date.month() - 1);
    f.child<QComboBox>("cboDate")->setCurrentIndex(m.date.day() - 1);
    f.child<QComboBox>("cboHH")->setCurrentIndex(m.hour);
    f.child<QComboBox>("cboMM")->setCurrentIndex(m.minute);
    const int zone = std::abs(m.zoneMinutes);
    f.paste("txtZoneHour", QString::number(zone / 60));
    f.paste("txtZoneMinute", QString::number(zone % 60));
    f.child<QRadioButton>(m.west ? "optLong_1" : "optLong_0")->setChecked(true);
    f.child<QCheckBox>("chkDST")->setChecked(m.dst);
    f.child<QPushButton>("cmdRashi")->click();
    return f.labelText("lblAyanamsa") + QStringLiteral("  ") + f.labelText("lblDay");
}

// The command line: DATE TIME --zone ±HH:MM [--dst], its first output line.
QString cliReading(const Moment& m, QString* error) {
    const int zone = std::abs(m.zoneMinutes);
    const QString zoneText = QStringLiteral("%1%2:%3")
                                 .arg(m.west ? '-' : '+')
                                 .arg(zone / 60, 2, 10, QLatin1Char('0'))
                                 .arg(zone % 60, 2, 10, QLatin1Char('0'));
    std::vector<std::string> arguments{m.date.toString(Qt::ISODate).toStdString(),
                                       QStringLiteral("%1:%2")
                                           .arg(m.hour, 2, 10, QLatin1Char('0'))
                                           .arg(m.minute, 2, 10, QLatin1Char('0'))
                                           .toStdString(),
                                       "--zone", zoneText.toStdString()};
    if (m.dst)
        arguments.push_back("--dst");
    const cli::CliOutput output = cli::runCliCaptured(arguments);
    *error = QString::fromStdString(output.err);
    return QString::fromUtf8(output.out).trimmed();
}

QString describe(const Moment& m) {
    return QStringLiteral("%1 %2:%3 zone %4%5 min%6")
        .arg(m.date.toString(Qt::ISODate))
        .arg(m.hour)
        .arg(m.minute)
        .arg(m.west ? '-' : '+')
        .arg(std::abs(m.zoneMinutes))
        .arg(m.dst ? " DST" : "");
}

} // namespace

class tst_WindowAgreement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void edgeCases_data();
    void edgeCases();
    void randomMoments();

private:
    void compare(const Moment& m);
    std::unique_ptr<FormDriver> form_;
};

void tst_WindowAgreement::initTestCase() {
    form_ = std::make_unique<FormDriver>();
    form_->paste("txtName", QStringLiteral("A"));
}

void tst_WindowAgreement::compare(const Moment& m) {
    QString error;
    const QString window = windowReading(*form_, m);
    const QString cli = cliReading(m, &error);
    QVERIFY2(form_->messages.shown().isEmpty(),
             qPrintable(describe(m) + ": the window refused: " + form_->messages.lastText()));
    QVERIFY2(error.isEmpty(), qPrintable(describe(m) + ": " + error));
    QVERIFY2(window == cli,
             qPrintable(describe(m) + ": window \"" + window + "\", cli \"" + cli + "\""));
}

void tst_WindowAgreement::edgeCases_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("west");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("shown"); // the window's text, where the reading states it

    const auto row = [](const char* tag, QDate date, int hour, int minute, int zone, bool west,
                        bool dst, const char* shown = "") {
        QTest::newRow(tag) << date << hour << minute << zone << west << dst
                           << QString::fromUtf8(shown);
    };
    row("1 January 2000 12:00 UT, West", {2000, 1, 1}, 12, 0, 0, true, false,
        "23\u00b0 51' 14\"  Saturday");
    row("the same, East", {2000, 1, 1}, 12, 0, 0, false, false, "23\u00b0 51' 14\"  Saturday");
    row("15 August 1947 0:00 at 5:30 East", {1947, 8, 15}, 0, 0, 330, false, false,
        "23\u00b0 7' 21\"  Friday");
    row("zone 5 East", {1990, 3, 15}, 12, 0, 300, false, false);
    row("zone 5 West", {1990, 3, 15}, 12, 0, -300, true, false);
    row("daylight saving East", {1990, 3, 15}, 12, 0, 0, false, true);
    row("daylight saving West", {1990, 3, 15}, 12, 0, 0, true, true);
    row("first day, earliest zone: Universal Time in 1900", {1901, 1, 1}, 0, 0, 840, false, true);
    row("last minute, latest zone: Universal Time in 2051", {2050, 12, 31}, 23, 59, -840, true,
        false);
    row("29 February 2000", {2000, 2, 29}, 6, 30, 60, false, false);
    row("29 February 1904", {1904, 2, 29}, 23, 59, -600, true, true);
    row("29 February 2048", {2048, 2, 29}, 0, 1, 45, false, false);
    row("31 December 1999 into 2000", {1999, 12, 31}, 23, 30, -60, true, false);
    row("30 April", {2001, 4, 30}, 18, 45, 570, false, false);
}

void tst_WindowAgreement::edgeCases() {
    QFETCH(QDate, date);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, zone);
    QFETCH(bool, west);
    QFETCH(bool, dst);
    QFETCH(QString, shown);
    const Moment m{date, hour, minute, zone, west, dst};
    compare(m);
    if (!shown.isEmpty())
        QCOMPARE(form_->labelText("lblAyanamsa") + QStringLiteral("  ") +
                     form_->labelText("lblDay"),
                 shown);
}

void tst_WindowAgreement::randomMoments() {
    std::mt19937 random(20261208);
    const qint64 first = QDate(1901, 1, 1).toJulianDay();
    const qint64 last = QDate(2050, 12, 31).toJulianDay();
    std::uniform_int_distribution<qint64> day(first, last);
    std::uniform_int_distribution<int> hour(0, 23);
    std::uniform_int_distribution<int> minute(0, 59);
    std::uniform_int_distribution<int> zone(-840, 840);
    std::bernoulli_distribution coin(0.5);
    for (int i = 0; i < 10'000; ++i) {
        Moment m{QDate::fromJulianDay(day(random)), hour(random), minute(random), zone(random)};
        m.west = m.zoneMinutes < 0 || (m.zoneMinutes == 0 && coin(random));
        m.dst = coin(random);
        compare(m);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(tst_WindowAgreement)
#include "tst_windowagreement.moc"
