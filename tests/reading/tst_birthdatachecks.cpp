// SPDX-License-Identifier: GPL-3.0-or-later
// The checks before a reading and the place block's check, without a
// window: their order, exact messages, icons and the field that gets the
// focus, the leap-year and thirty-day-month rows. tst_validation runs a
// few of them through the real form.

#include "CheckMessages.h"
#include "reading/BirthDataChecks.h"

#include <QTest>

using namespace tenvari;
using namespace tenvari::test;

namespace {

// "message|icon|focus" for a refusal, "" for none: one column compares all.
QString describe(const std::optional<Refusal>& refusal) {
    if (!refusal)
        return {};
    const char* icon = refusal->icon == MessageIcon::Stop ? "stop" : "info";
    static const char* const fields[] = {"txtName",   "txtLonD",     "txtLonM",       "txtLatD",
                                         "txtLatM",   "txtZoneHour", "txtZoneMinute", "txtMCity",
                                         "txtMState", "txtMCountry"};
    const QString focus =
        refusal->focus ? QLatin1String(fields[static_cast<int>(*refusal->focus)]) : QString();
    return refusal->message + '|' + icon + '|' + focus;
}

QString stop(const QString& message, const char* focus) {
    return message + QStringLiteral("|stop|") + QLatin1String(focus);
}

QString info(const QString& message) {
    return message + QStringLiteral("|info|");
}

} // namespace

class tst_BirthDataChecks : public QObject {
    Q_OBJECT
private slots:
    void fields_data();
    void fields();
    void dates_data();
    void dates();
    void place_data();
    void place();
};

void tst_BirthDataChecks::fields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lonD");
    QTest::addColumn<QString>("lonM");
    QTest::addColumn<QString>("latD");
    QTest::addColumn<QString>("latM");
    QTest::addColumn<int>("dayOfApril");  // the date is April of 2001
    QTest::addColumn<QString>("refusal"); // empty: the reading goes ahead

    const auto row = [](const char* tag, const char* name, const char* lonD, const char* lonM,
                        const char* latD, const char* latM, const QString& refusal, int day = 30) {
        QTest::newRow(tag) << name << lonD << lonM << latD << latM << day << refusal;
    };
    // The name: blanks alone do not count; a tab does.
    row("empty name", "", "1", "1", "1", "1", stop(kName, "txtName"));
    row("blank name", "   ", "1", "1", "1", "1", stop(kName, "txtName"));
    row("tab is no blank", "\t", "1", "1", "1", "1", "");
    row("one letter among blanks", " A ", " 9a", "5 ", "1", "1", "");
    row("empty name before 31 April", "", "1", "1", "1", "1", stop(kName, "txtName"), 31);
    // Longitude degrees: the leading number, 0 to 179.
    row("longitude 179", "A", "179", "1", "1", "1", "");
    row("longitude 179.5", "A", "179.5", "1", "1", "1", stop(kLonDegrees, "txtLonD"));
    row("longitude 180", "A", "180", "1", "1", "1", stop(kLonDegrees, "txtLonD"));
    row("longitude 0", "A", "0", "0", "0", "0", "");
    row("longitude empty", "A", "", "1", "1", "1", stop(kLonDegrees, "txtLonD"));
    row("longitude blanks", "A", "  ", "1", "1", "1", stop(kLonDegrees, "txtLonD"));
    row("longitude 12a reads 12", "A", "12a", "1", "1", "1", "");
    row("longitude letters read 0", "A", "ab", "1", "1", "1", "");
    row("longitude -1", "A", "-1", "1", "1", "1", stop(kLonDegrees, "txtLonD"));
    row("longitude -0", "A", "-0", "1", "1", "1", "");
    // Longitude minutes: the whole text as a number, 0 to 59.
    row("longitude minutes 59", "A", "1", "59", "1", "1", "");
    row("longitude minutes 59.5", "A", "1", "59.5", "1", "1", stop(kLonMinutes, "txtLonM"));
    row("longitude minutes 60", "A", "1", "60", "1", "1", stop(kLonMinutes, "txtLonM"));
    row("longitude minutes empty", "A", "1", "", "1", "1", stop(kLonMinutes, "txtLonM"));
    row("longitude minutes 5a", "A", "1", "5a", "1", "1", stop(kLonMinutes, "txtLonM"));
    row("longitude minutes -1", "A", "1", "-1", "1", "1", stop(kLonMinutes, "txtLonM"));
    // Latitude, bound 89.
    row("latitude 89", "A", "1", "1", "89", "1", "");
    row("latitude 90", "A", "1", "1", "90", "1", stop(kLatDegrees, "txtLatD"));
    row("latitude 8a reads 8", "A", "1", "1", "8a", "1", "");
    row("latitude minutes 59", "A", "1", "1", "1", "59", "");
    row("latitude minutes 60", "A", "1", "1", "1", "60", stop(kLatMinutes, "txtLatM"));
    row("latitude minutes 1a", "A", "1", "1", "1", "1a", stop(kLatMinutes, "txtLatM"));
    // Only the first problem is told.
    row("longitude before latitude", "A", "180", "1", "90", "1", stop(kLonDegrees, "txtLonD"));
    row("longitude minutes before latitude", "A", "1", "60", "90", "60",
        stop(kLonMinutes, "txtLonM"));
    row("latitude degrees before minutes", "A", "1", "1", "90", "60", stop(kLatDegrees, "txtLatD"));
    row("latitude before the date", "A", "1", "1", "1", "60", stop(kLatMinutes, "txtLatM"), 31);
}

void tst_BirthDataChecks::fields() {
    QFETCH(QString, name);
    QFETCH(QString, lonD);
    QFETCH(QString, lonM);
    QFETCH(QString, latD);
    QFETCH(QString, latM);
    QFETCH(int, dayOfApril);
    QFETCH(QString, refusal);

    BirthData data;
    data.name = name;
    data.lonDegreesText = lonD;
    data.lonMinutesText = lonM;
    data.latDegreesText = latD;
    data.latMinutesText = latM;
    data.month = 4;
    data.day = dayOfApril;
    data.year = 2001;
    // The zone fields are not checked, whatever they hold.
    data.zoneHoursText = QStringLiteral("--");
    QCOMPARE(describe(checkBirthData(data)), refusal);
}

void tst_BirthDataChecks::dates_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    QTest::newRow("29 February 2000") << 2 << 29 << 2000 << "";
    QTest::newRow("29 February 1904") << 2 << 29 << 1904 << "";
    QTest::newRow("29 February 2048") << 2 << 29 << 2048 << "";
    QTest::newRow("28 February 1901") << 2 << 28 << 1901 << "";
    QTest::newRow("29 February 1901") << 2 << 29 << 1901 << info(kFebruary);
    QTest::newRow("29 February 2001") << 2 << 29 << 2001 << info(kFebruary);
    QTest::newRow("29 February 2050") << 2 << 29 << 2050 << info(kFebruary);
    QTest::newRow("30 February 2000") << 2 << 30 << 2000 << info(kFebruary);
    QTest::newRow("31 February 2000") << 2 << 31 << 2000 << info(kFebruary);
    QTest::newRow("30 February 1901") << 2 << 30 << 1901 << info(kFebruary);
    QTest::newRow("31 February 1999") << 2 << 31 << 1999 << info(kFebruary);
    const char* const names[] = {"",        "January",  "February", "March",  "April",
                                 "May",     "June",     "July",     "August", "September",
                                 "October", "November", "December"};
    for (int month : {4, 6, 9, 11}) {
        QTest::addRow("31 %s", names[month]) << month << 31 << 2001 << info(kThirtyDays);
        QTest::addRow("30 %s", names[month]) << month << 30 << 2001 << "";
    }
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31 %s", names[month]) << month << 31 << 2001 << "";
}

void tst_BirthDataChecks::dates() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, refusal);

    BirthData data;
    data.name = QStringLiteral("A");
    data.month = month;
    data.day = day;
    data.year = year;
    QCOMPARE(describe(checkBirthData(data)), refusal);
}

void tst_BirthDataChecks::place_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("refusal"); // empty: nothing shown

    const auto prompt = [](const char* message, const char* focus) {
        return QLatin1String(message) + QStringLiteral("|info|") + QLatin1String(focus);
    };
    QTest::newRow("initial texts pass") << "a"
                                        << "a"
                                        << "a"
                                        << "";
    QTest::newRow("no city") << ""
                             << "a"
                             << "a" << prompt("Please Enter City", "txtMCity");
    QTest::newRow("no state") << "a"
                              << ""
                              << "a" << prompt("Please Enter State", "txtMState");
    QTest::newRow("no country") << "a"
                                << "a"
                                << "" << prompt("Please Enter Country", "txtMCountry");
    QTest::newRow("no city, no state: city first")
        << ""
        << ""
        << "a" << prompt("Please Enter City", "txtMCity");
    QTest::newRow("nothing at all: city first") << ""
                                                << ""
                                                << "" << prompt("Please Enter City", "txtMCity");
    QTest::newRow("no state, no country: state first")
        << "a"
        << ""
        << "" << prompt("Please Enter State", "txtMState");
    QTest::newRow("a city of one space passes") << " "
                                                << "a"
                                                << "a"
                                                << "";
    QTest::newRow("blanks are not trimmed") << "  "
                                            << " "
                                            << "" << prompt("Please Enter Country", "txtMCountry");
}

void tst_BirthDataChecks::place() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, refusal);
    QCOMPARE(describe(CheckPlaceFields(city, state, country)), refusal);
}

QTEST_APPLESS_MAIN(tst_BirthDataChecks)
#include "tst_birthdatachecks.moc"
