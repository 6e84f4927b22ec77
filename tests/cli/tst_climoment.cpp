// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's moment: which texts each field takes, and how a moment
// becomes the window's zone magnitudes, East/West choice and daylight
// saving, checked through the Universal Time the window's reduction gives.

#include "astro/DateReduction.h"
#include "astro/Lahiri.h"
#include "cli/CliMoment.h"
#include "cli/CliReading.h"

#include <QtTest>
#include <random>

using namespace tenvari;
using namespace tenvari::cli;

Q_DECLARE_METATYPE(tenvari::cli::MomentField)
Q_DECLARE_METATYPE(tenvari::cli::FieldProblem)

Q_DECLARE_METATYPE(tenvari::Calendar)

class tst_CliMoment : public QObject {
    Q_OBJECT
private slots:
    void fields_data();
    void fields();
    void toWindow_data();
    void toWindow();
    void windowsCorrection();
    void namedCalendar_data();
    void namedCalendar();
};

void tst_CliMoment::fields_data() {
    QTest::addColumn<MomentField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FieldProblem>("problem");
    using F = MomentField;
    using P = FieldProblem;
    const auto row = [](const char* text, F field, P problem) {
        static const char* const kFields[] = {"date", "time", "zone", "dst"};
        QTest::addRow("%s '%s'", kFields[static_cast<int>(field)], text)
            << field << QString::fromUtf8(text) << problem;
    };
    row("1901-01-01", F::Date, P::None);
    row("2050-12-31", F::Date, P::None);
    row("2000-02-29", F::Date, P::None);
    row("1904-02-29", F::Date, P::None);
    row("2048-02-29", F::Date, P::None);
    row("2001-02-29", F::Date, P::DateNotReal);
    row("1901-02-29", F::Date, P::DateNotReal);
    row("2050-02-29", F::Date, P::DateNotReal);
    row("2000-02-30", F::Date, P::DateNotReal);
    row("2000-04-31", F::Date, P::DateNotReal);
    row("2000-06-31", F::Date, P::DateNotReal);
    row("2000-09-31", F::Date, P::DateNotReal);
    row("2000-11-31", F::Date, P::DateNotReal);
    row("2000-04-30", F::Date, P::None);
    row("2000-12-31", F::Date, P::None);
    row("2000-13-01", F::Date, P::DateNotReal);
    row("2000-00-10", F::Date, P::DateNotReal);
    row("2000-01-00", F::Date, P::DateNotReal);
    row("1900-12-31", F::Date, P::None);
    row("1900-02-29", F::Date, P::DateNotReal);
    row("1500-02-29", F::Date, P::None);
    row("1582-10-04", F::Date, P::None);
    row("1582-10-05", F::Date, P::DateInGap);
    row("1582-10-14", F::Date, P::DateInGap);
    row("1582-10-15", F::Date, P::None);
    row("-3000-01-01", F::Date, P::None);
    row("-3001-12-31", F::Date, P::DateRange);
    row("3000-12-31", F::Date, P::None);
    row("3001-01-01", F::Date, P::DateRange);
    row("-500-03-21", F::Date, P::None);
    row("0-02-29", F::Date, P::None);
    row("12345-01-01", F::Date, P::DateForm);
    row("--500-01-01", F::Date, P::DateForm);
    row("-", F::Date, P::DateForm);
    row("1947-8-15", F::Date, P::DateForm);
    row("1947/08/15", F::Date, P::DateForm);
    row("19470815xx", F::Date, P::DateForm);
    row("", F::Date, P::Missing);
    row("00:00", F::Time, P::None);
    row("23:59", F::Time, P::None);
    row("9:05", F::Time, P::None);
    row("24:00", F::Time, P::TimeRange);
    row("12:60", F::Time, P::TimeRange);
    row("12:5", F::Time, P::TimeForm);
    row("1200", F::Time, P::TimeForm);
    row("12:00:00", F::Time, P::TimeForm);
    row("+05:30", F::Zone, P::None);
    row("-5:30", F::Zone, P::None);
    row("+14:00", F::Zone, P::None);
    row("-14:00", F::Zone, P::None);
    row("+14:01", F::Zone, P::ZoneRange);
    row("+14:61", F::Zone, P::ZoneMinutes);
    row("05:30", F::Zone, P::ZoneForm);
    row("+5", F::Zone, P::ZoneForm);
    row("+05:3", F::Zone, P::ZoneForm);
    row("", F::Dst, P::None);
    row("1", F::Dst, P::None);
    row("YES", F::Dst, P::None);
    row("False", F::Dst, P::None);
    row("maybe", F::Dst, P::DstValue);
    row("2", F::Dst, P::DstValue);
}

void tst_CliMoment::fields() {
    QFETCH(MomentField, field);
    QFETCH(QString, text);
    QFETCH(FieldProblem, problem);
    using Parser = FieldProblem (*)(std::string_view, CliMoment&);
    static constexpr Parser kParsers[] = {parseDate, parseTime, parseZone, parseDst};
    const std::string utf8 = text.toStdString();
    CliMoment moment;
    QCOMPARE(kParsers[static_cast<int>(field)](utf8, moment), problem);
    if (problem != FieldProblem::None)
        QVERIFY(!problemText(problem, utf8).empty());
}

// The moment as the window's fields would hold it, and the Universal Time
// the window's reduction takes from it.
void tst_CliMoment::toWindow_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<int>("zoneHours");
    QTest::addColumn<int>("zoneMinutes");
    QTest::addColumn<bool>("east");
    QTest::addColumn<double>("universalHours");
    const auto row = [](const char* tag, const char* date, const char* time, const char* zone,
                        bool dst, int hours, int minutes, bool east, double ut) {
        QTest::newRow(tag) << QString::fromLatin1(date) << QString::fromLatin1(time)
                           << QString::fromLatin1(zone) << dst << hours << minutes << east << ut;
    };
    row("noon at Greenwich", "2000-01-01", "12:00", "+00:00", false, 0, 0, true, 12.0);
    row("midnight at +05:30: the day before", "1947-08-15", "00:00", "+05:30", false, 5, 30, true,
        -5.5);
    row("+05:00 east", "2000-01-01", "12:00", "+05:00", false, 5, 0, true, 7.0);
    row("-05:00 west", "2000-01-01", "12:00", "-05:00", false, 5, 0, false, 17.0);
    row("-05:00 daylight saving", "2000-01-01", "12:00", "-05:00", true, 5, 0, false, 16.0);
    row("+05:30 daylight saving", "2000-01-01", "12:00", "+05:30", true, 5, 30, true, 5.5);
    row("+00:00 daylight saving", "2000-01-01", "12:00", "+00:00", true, 0, 0, true, 11.0);
    row("-00:00 daylight saving", "2000-01-01", "12:00", "-00:00", true, 0, 0, false, 11.0);
    row("-00:30 west", "2000-01-01", "12:00", "-00:30", false, 0, 30, false, 12.5);
    row("+01:00 east", "2000-01-01", "12:00", "+01:00", false, 1, 0, true, 11.0);
    row("23:59 at -05:30: past 24 h", "2000-01-01", "23:59", "-05:30", false, 5, 30, false,
        23.0 + 59.0 / 60.0 + 5.5);
}

void tst_CliMoment::toWindow() {
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, zone);
    QFETCH(bool, dst);
    QFETCH(int, zoneHours);
    QFETCH(int, zoneMinutes);
    QFETCH(bool, east);
    QFETCH(double, universalHours);

    CliMoment moment;
    QCOMPARE(parseDate(date.toStdString(), moment), FieldProblem::None);
    QCOMPARE(parseTime(time.toStdString(), moment), FieldProblem::None);
    QCOMPARE(parseZone(zone.toStdString(), moment), FieldProblem::None);
    moment.dst = dst;
    const BirthMoment birth = birthMomentOf(moment);
    QCOMPARE(int{birth.zoneHours}, zoneHours);
    QCOMPARE(int{birth.zoneMinutes}, zoneMinutes);
    QCOMPARE(birth.east, east);
    QCOMPARE(birth.daylightSaving, dst);
    const double got = UniversalHours(birth);
    QVERIFY2(std::fabs(got - universalHours) < 1e-12,
             qPrintable(QStringLiteral("UT expected %1 got %2").arg(universalHours).arg(got)));
}

void tst_CliMoment::windowsCorrection() {
    // The command line's correction must stay the window's to the last bit.
    std::mt19937_64 random(1947);
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59), zone(-840, 840), flag(0, 1);
    for (int i = 0; i < 10000; ++i) {
        CliMoment moment;
        moment.year = static_cast<std::int16_t>(year(random));
        moment.month = static_cast<std::int16_t>(month(random));
        moment.day = static_cast<std::int16_t>(day(random));
        moment.hour = static_cast<std::int16_t>(hour(random));
        moment.minute = static_cast<std::int16_t>(minute(random));
        moment.zoneMinutes = zone(random);
        moment.zoneNegative = moment.zoneMinutes < 0;
        moment.dst = flag(random) == 1;
        const double expected = ComputeAyanamsa(birthMomentOf(moment));
        const double got = readingOf(moment, false).correction;
        if (got != expected)
            QFAIL(qPrintable(QStringLiteral("expected %1 got %2")
                                 .arg(expected, 0, 'g', 17)
                                 .arg(got, 0, 'g', 17)));
    }
}

void tst_CliMoment::namedCalendar_data() {
    QTest::addColumn<Calendar>("calendar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FieldProblem>("problem");
    QTest::addColumn<int>("jdn"); // of an accepted date, in that calendar
    QTest::newRow("1582-10-10 proleptic Gregorian")
        << Calendar::Gregorian << "1582-10-10" << FieldProblem::None << 2299156;
    QTest::newRow("1582-10-10 proleptic Julian")
        << Calendar::Julian << "1582-10-10" << FieldProblem::None << 2299166;
    QTest::newRow("1900-02-29 Julian")
        << Calendar::Julian << "1900-02-29" << FieldProblem::None << 2415092;
    QTest::newRow("1700-02-29 Gregorian")
        << Calendar::Gregorian << "1700-02-29" << FieldProblem::DateNotReal << 0;
    QTest::newRow("0-02-29 Gregorian, year 0 divisible by 400")
        << Calendar::Gregorian << "0-02-29" << FieldProblem::None << 1721119;
}

void tst_CliMoment::namedCalendar() {
    QFETCH(Calendar, calendar);
    QFETCH(QString, text);
    QFETCH(FieldProblem, problem);
    QFETCH(int, jdn);
    CliMoment moment;
    moment.calendar = calendar;
    QCOMPARE(parseDate(text.toStdString(), moment), problem);
    if (problem == FieldProblem::None) {
        QCOMPARE(readingOf(moment, false).julianDayNumber, jdn);
    }
}

QTEST_APPLESS_MAIN(tst_CliMoment)
#include "tst_climoment.moc"
