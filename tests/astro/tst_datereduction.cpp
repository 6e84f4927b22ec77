// SPDX-License-Identifier: GPL-3.0-or-later
// Reduction of a civil date and local time to Julian centuries.
//
// Reference values: day numbers from an independent proleptic Gregorian
// day count (and a year-by-year Julian count before 16 October 1582);
// T as the exact rational ((J - 2415020) + UT/24 - 1/2) / 36525 rounded to
// double. Day numbers and weekdays are exact; Universal Time is checked to
// 1e-12 h; T to half a unit in its tenth significant digit where that is all
// the reference gives, otherwise to 5e-16 (about two units in the last place
// near T = 1), which fails when the large day numbers are subtracted after the
// fractions were added.

#include "astro/BirthMoment.h"
#include "astro/DateReduction.h"
#include "support/Moments.h"
#include "support/NumericCheck.h"

#include <QtTest>
#include <cstdint>
#include <limits>

using namespace tenvari;

class tst_DateReduction : public QObject {
    Q_OBJECT

private slots:
    void julianDayNumber_data();
    void julianDayNumber();
    void dayOfWeek_data();
    void dayOfWeek();
    void universalHours_data();
    void universalHours();
    void julianCenturies_data();
    void julianCenturies();
};

void tst_DateReduction::julianDayNumber_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("expected");

    QTest::newRow("1 Jan 2000") << 1 << 1 << 2000 << 2451545;
    QTest::newRow("1 Jan 1901, first year of the form") << 1 << 1 << 1901 << 2415386;
    QTest::newRow("31 Dec 2050, last day of the form") << 12 << 31 << 2050 << 2470172;
    QTest::newRow("15 Aug 1947") << 8 << 15 << 1947 << 2432413;
    QTest::newRow("31 Dec 1899, epoch day of T") << 12 << 31 << 1899 << 2415020;

    // The calendar switch, decided strictly on the Julian-calendar number.
    QTest::newRow("4 Oct 1582, Julian") << 10 << 4 << 1582 << 2299160;
    QTest::newRow("15 Oct 1582, last date read as Julian") << 10 << 15 << 1582 << 2299171;
    QTest::newRow("16 Oct 1582, first date read as Gregorian") << 10 << 16 << 1582 << 2299162;

    // Days past the end of a month run on into the next one.
    QTest::newRow("31 Apr 2000 runs on") << 4 << 31 << 2000 << 2451666;
    QTest::newRow("1 May 2000") << 5 << 1 << 2000 << 2451666;
    QTest::newRow("0 Jan 2000 is 31 Dec 1999") << 1 << 0 << 2000 << 2451544;
    QTest::newRow("month 13 of 1999 is Jan 2000") << 13 << 1 << 1999 << 2451545;
    QTest::newRow("month 0 of 2000 is Dec 1999") << 0 << 1 << 2000 << 2451514;

    // Leap-day rules of the Gregorian calendar.
    QTest::newRow("29 Feb 2000, divisible by 400") << 2 << 29 << 2000 << 2451604;
    QTest::newRow("1 Mar 2000") << 3 << 1 << 2000 << 2451605;
    QTest::newRow("1 Mar 1900, century not leap") << 3 << 1 << 1900 << 2415080;
    QTest::newRow("29 Feb 1900 runs on to 1 Mar") << 2 << 29 << 1900 << 2415080;
    QTest::newRow("1 Mar 2100, century not leap") << 3 << 1 << 2100 << 2488129;

    // Far from the form's years: the divisions must round towards minus
    // infinity once the month count from -4800 turns negative.
    QTest::newRow("1 Jan -4712, day zero") << 1 << 1 << -4712 << 0;
    QTest::newRow("1 Jan -4801, negative month count") << 1 << 1 << -4801 << -32507;
    QTest::newRow("1 Mar -4801, leap year before the count") << 3 << 1 << -4801 << -32448;
    QTest::newRow("1 Jan -32768, smallest year") << 1 << 1 << -32768 << -10247454;
    QTest::newRow("31 Dec 9999") << 12 << 31 << 9999 << 5373484;
    QTest::newRow("31 Dec 32767, largest year") << 12 << 31 << 32767 << 13689325;
}

void tst_DateReduction::julianDayNumber() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(int, expected);

    const std::int32_t got =
        JulianDayNumber(static_cast<std::int16_t>(month), static_cast<std::int16_t>(day),
                        static_cast<std::int16_t>(year));
    QCOMPARE(got, std::int32_t{expected});
}

void tst_DateReduction::dayOfWeek_data() {
    QTest::addColumn<int>("julianDayNumber");
    QTest::addColumn<int>("expected"); // 0 = Sunday ... 6 = Saturday

    QTest::newRow("1 Jan 2000, Saturday") << 2451545 << 6;
    QTest::newRow("15 Aug 1947, Friday") << 2432413 << 5;
    QTest::newRow("1 Jan 1901, Tuesday") << 2415386 << 2;
    QTest::newRow("31 Dec 2050, Saturday") << 2470172 << 6;
    QTest::newRow("day 0, Monday") << 0 << 1;
    QTest::newRow("day -1, Sunday") << -1 << 0;
    QTest::newRow("day -2, Saturday") << -2 << 6;
    QTest::newRow("largest int32") << std::numeric_limits<std::int32_t>::max() << 2;
    QTest::newRow("smallest int32") << std::numeric_limits<std::int32_t>::min() << 6;
}

void tst_DateReduction::dayOfWeek() {
    QFETCH(int, julianDayNumber);
    QFETCH(int, expected);

    QCOMPARE(DayOfWeek(julianDayNumber), expected);
}

void tst_DateReduction::universalHours_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("zoneHours");
    QTest::addColumn<int>("zoneMinutes");
    QTest::addColumn<int>("lonDegrees");
    QTest::addColumn<int>("lonMinutes");
    QTest::addColumn<bool>("east");
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<double>("expected"); // hours

    // hour, minute, zone h, zone min, lon deg, lon min, east, daylight saving
    QTest::newRow("12:00 zone 0 West") << 12 << 0 << 0 << 0 << 1 << 1 << false << false << 12.0;
    QTest::newRow("0:00 zone 5h30 East 77d13m")
        << 0 << 0 << 5 << 30 << 77 << 13 << true << false << -5.5;
    QTest::newRow("12:00 zone 5h West 74d0m daylight saving")
        << 12 << 0 << 5 << 0 << 74 << 0 << false << true << 16.0;
    QTest::newRow("12:00 zone 5h30 East 77d0m daylight saving")
        << 12 << 0 << 5 << 30 << 77 << 0 << true << true << 5.5;
    QTest::newRow("23:59 zone 5h30 West, past 24")
        << 23 << 59 << 5 << 30 << 1 << 1 << false << false << 23.0 + 59.0 / 60.0 + 5.5;
    QTest::newRow("17:30 zone 5h30 East") << 17 << 30 << 5 << 30 << 1 << 1 << true << false << 12.0;
    QTest::newRow("12:00 zone 3h30 West 52d40m")
        << 12 << 0 << 3 << 30 << 52 << 40 << false << false << 15.5;
    QTest::newRow("0:00 zone 12h45 East, below 0")
        << 0 << 0 << 12 << 45 << 176 << 30 << true << false << -12.75;
    QTest::newRow("0:00 zone 0 West daylight saving, below 0")
        << 0 << 0 << 0 << 0 << 1 << 1 << false << true << -1.0;

    // Minus zero is not below zero: 0 deg 0 min East is handled as west.
    QTest::newRow("12:00 zone 1h East 0d0m, handled as west")
        << 12 << 0 << 1 << 0 << 0 << 0 << true << false << 13.0;
    QTest::newRow("12:00 zone 1h East 0d1m, east")
        << 12 << 0 << 1 << 0 << 0 << 1 << true << false << 11.0;
    QTest::newRow("12:00 zone 1h West 0d0m")
        << 12 << 0 << 1 << 0 << 0 << 0 << false << false << 13.0;
    QTest::newRow("12:00 zone 1h East 0d0m daylight saving, handled as west")
        << 12 << 0 << 1 << 0 << 0 << 0 << true << true << 12.0;
    QTest::newRow("12:00 zone 1h East 0d1m daylight saving, east")
        << 12 << 0 << 1 << 0 << 0 << 1 << true << true << 10.0;
}

void tst_DateReduction::universalHours() {
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, zoneHours);
    QFETCH(int, zoneMinutes);
    QFETCH(int, lonDegrees);
    QFETCH(int, lonMinutes);
    QFETCH(bool, east);
    QFETCH(bool, daylightSaving);
    QFETCH(double, expected);

    const BirthMoment moment =
        test::makeMoment(1, 1, 2000, hour, minute, zoneHours, zoneMinutes, lonDegrees, lonMinutes,
                         east ? test::Side::East : test::Side::West,
                         daylightSaving ? test::Dst::On : test::Dst::Off);

    const double tolerance = 1e-12; // hours
    const QByteArray miss = numericMiss("UT (h)", UniversalHours(moment), expected, tolerance);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_DateReduction::julianCenturies_data() {
    QTest::addColumn<int>("julianDayNumber");
    QTest::addColumn<double>("universalHours");
    QTest::addColumn<double>("expected"); // Julian centuries
    QTest::addColumn<double>("tolerance");

    QTest::newRow("1 Jan 2000 12:00 UT is exactly T = 1") << 2451545 << 12.0 << 1.0 << 0.0;
    QTest::newRow("31 Dec 1899 12:00 UT is exactly T = 0") << 2415020 << 12.0 << 0.0 << 0.0;
    QTest::newRow("15 Aug 1947 UT -5.5, ten digits")
        << 2432413 << -5.5 << 0.4761744239 << tenDigitTolerance(0.4761744239);

    // Exact order: the day numbers are subtracted before the fractions come in.
    QTest::newRow("15 Aug 1947 UT -5.5") << 2432413 << -5.5 << 0.47617442391056354 << 5e-16;
    QTest::newRow("31 Dec 2050 UT 29.48, past 24")
        << 2470172 << 23.0 + 59.0 / 60.0 + 5.5 << 1.5099994106015666 << 5e-16;
    QTest::newRow("1 Jan 1901 0:00 UT") << 2415386 << 0.0 << 0.010006844626967831 << 5e-18;

    // Universal Time outside 0..24 carries into the next or previous day.
    QTest::newRow("1 Jan 2000 36:00 UT is 2 Jan 12:00")
        << 2451545 << 36.0 << 36526.0 / 36525.0 << 5e-16;
    QTest::newRow("2 Jan 2000 12:00 UT") << 2451546 << 12.0 << 36526.0 / 36525.0 << 5e-16;
    QTest::newRow("1 Jan 2000 -12:00 UT is 31 Dec 12:00")
        << 2451545 << -12.0 << 36524.0 / 36525.0 << 5e-16;
}

void tst_DateReduction::julianCenturies() {
    QFETCH(int, julianDayNumber);
    QFETCH(double, universalHours);
    QFETCH(double, expected);
    QFETCH(double, tolerance);

    const QByteArray where = "J " + QByteArray::number(julianDayNumber) + " UT " +
                             QByteArray::number(universalHours, 'g', 17) + " h, T";
    const double got = JulianCenturies(julianDayNumber, universalHours);
    const QByteArray miss = numericMiss(where, got, expected, tolerance);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

QTEST_APPLESS_MAIN(tst_DateReduction)
#include "tst_datereduction.moc"
