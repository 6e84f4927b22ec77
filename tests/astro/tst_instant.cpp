// SPDX-License-Identifier: GPL-3.0-or-later
// One instant from a birth moment or a Julian Date: the calendars' day
// numbers at their edges, month lengths, and the two ways to an instant
// meeting at the same moment.

#include "astro/DateReduction.h"
#include "astro/DeltaT.h"
#include "astro/Instant.h"
#include "support/Moments.h"

#include <QtTest>

using namespace tenvari;
using namespace tenvari::test;

Q_DECLARE_METATYPE(tenvari::Calendar)

class tst_Instant : public QObject {
    Q_OBJECT
private slots:
    void dayNumber_data();
    void dayNumber();
    void monthLength_data();
    void monthLength();
    void fromJulianDate_data();
    void fromJulianDate();
    void deltaTOverride();
};

void tst_Instant::dayNumber_data() {
    QTest::addColumn<Calendar>("calendar");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("jdn");
    QTest::addColumn<int>("weekday"); // 0 = Sunday
    using C = Calendar;
    QTest::newRow("-4712-01-01 Julian is day 0, a Monday")
        << C::Julian << -4712 << 1 << 1 << 0 << 1;
    QTest::newRow("-4712-01-01 historical") << C::Historical << -4712 << 1 << 1 << 0 << 1;
    QTest::newRow("1582-10-04 historical, Thursday")
        << C::Historical << 1582 << 10 << 4 << 2299160 << 4;
    QTest::newRow("1582-10-15 historical, Friday, the next day")
        << C::Historical << 1582 << 10 << 15 << 2299161 << 5;
    QTest::newRow("1582-10-15 Julian, ten days later")
        << C::Julian << 1582 << 10 << 15 << 2299171 << 1;
    QTest::newRow("1582-10-04 Gregorian, ten days earlier")
        << C::Gregorian << 1582 << 10 << 4 << 2299150 << 1;
    QTest::newRow("1582-10-15 window rule reads it Julian")
        << C::Window << 1582 << 10 << 15 << 2299171 << 1;
    QTest::newRow("2000-01-01 every calendar but Julian")
        << C::Historical << 2000 << 1 << 1 << 2451545 << 6;
    QTest::newRow("2000-01-01 Julian is 13 days later")
        << C::Julian << 2000 << 1 << 1 << 2451558 << 5;
    QTest::newRow("-3000-01-01 Julian") << C::Historical << -3000 << 1 << 1 << 625308 << 6;
    QTest::newRow("3000-12-31 Gregorian") << C::Historical << 3000 << 12 << 31 << 2817152 << 3;
    QTest::newRow("0000-03-01 Julian, after the leap day of 1 BCE")
        << C::Julian << 0 << 3 << 1 << 1721118 << 1;
}

void tst_Instant::dayNumber() {
    QFETCH(Calendar, calendar);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, jdn);
    QFETCH(int, weekday);
    const std::int32_t got =
        JulianDayNumberIn(calendar, static_cast<std::int16_t>(month),
                          static_cast<std::int16_t>(day), static_cast<std::int16_t>(year));
    QCOMPARE(got, jdn);
    QCOMPARE(DayOfWeek(got), weekday);
}

void tst_Instant::monthLength_data() {
    QTest::addColumn<Calendar>("calendar");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days"); // in February
    using C = Calendar;
    QTest::newRow("1900 Gregorian") << C::Gregorian << 1900 << 28;
    QTest::newRow("1900 Julian") << C::Julian << 1900 << 29;
    QTest::newRow("1900 historical is Gregorian") << C::Historical << 1900 << 28;
    QTest::newRow("1500 historical is Julian") << C::Historical << 1500 << 29;
    QTest::newRow("1600 Gregorian") << C::Gregorian << 1600 << 29;
    QTest::newRow("-100 Gregorian") << C::Gregorian << -100 << 28;
    QTest::newRow("-100 Julian") << C::Julian << -100 << 29;
    QTest::newRow("-1 Julian") << C::Julian << -1 << 28;
    QTest::newRow("-400 Gregorian") << C::Gregorian << -400 << 29;
}

void tst_Instant::monthLength() {
    QFETCH(Calendar, calendar);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(DaysInMonthIn(calendar, 2, year), days);
}

void tst_Instant::fromJulianDate_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("zoneHours");
    // Local moments east of Greenwich whose UT falls on the previous day or
    // not; the Julian Date of each, split as a caller with arrays would.
    QTest::newRow("1947-08-15 00:00 +05:30") << 1947 << 8 << 15 << 0 << 0 << 5;
    QTest::newRow("2000-01-01 12:00 +00:00") << 2000 << 1 << 1 << 12 << 0 << 0;
    QTest::newRow("1901-01-01 03:07 +02:00") << 1901 << 1 << 1 << 3 << 7 << 2;
    QTest::newRow("2050-12-31 23:59 +00:00") << 2050 << 12 << 31 << 23 << 59 << 0;
}

void tst_Instant::fromJulianDate() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, zoneHours);
    const BirthMoment moment =
        makeMoment(day, month, year, hour, minute, zoneHours, 0, 1, 1, Side::East, Dst::Off);
    const Instant fromMoment = InstantOf(moment);
    QCOMPARE(fromMoment.centuries,
             JulianCenturies(JulianDayNumber(moment.month, moment.day, moment.year),
                             UniversalHours(moment)));

    const Instant fromDate = InstantFromJulianDate(fromMoment.julianDateUt(), 0.0);
    // The civil date may differ (the birth moment's UT runs below 0 h); the
    // moment itself may not, beyond the rounding of the one-part date.
    QVERIFY(std::fabs(fromDate.centuries - fromMoment.centuries) * 36525.0 * 86400.0 < 1e-4);
    QVERIFY(fromDate.universalHours >= 0.0 && fromDate.universalHours < 24.0);
    QVERIFY(std::fabs(fromDate.julianDateTt() - fromMoment.julianDateTt()) * 86400.0 < 1e-4);
    QCOMPARE(fromMoment.deltaTSeconds, DeltaT(fromMoment.ut1, fromMoment.ut2));
}

void tst_Instant::deltaTOverride() {
    const Instant modelled = InstantFromJulianDate(2451545.0, 0.25);
    const Instant given = InstantFromJulianDate(2451545.0, 0.25, 3600.0);
    QCOMPARE(given.deltaTSeconds, 3600.0);
    QCOMPARE(given.tt2 - given.ut2, 3600.0 / 86400.0);
    QCOMPARE(given.centuries, modelled.centuries);
    QVERIFY(modelled.deltaTSeconds > 63.0 && modelled.deltaTSeconds < 65.0);
}

QTEST_APPLESS_MAIN(tst_Instant)
#include "tst_instant.moc"
