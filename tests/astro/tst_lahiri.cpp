// SPDX-License-Identifier: GPL-3.0-or-later
// Lahiri ayanamsa with nutation, and the whole computation from a birth
// moment to the label text.
//
// Reference values, unless a test says otherwise: an independent evaluation
// of the same formula with its decimal constants in 40-digit arithmetic. Values quoted to ten
// significant digits are checked to half a unit in the tenth digit (tenDigitTolerance); the
// end-to-end corrections, quoted to nine decimals, to 5e-10 degrees.

#include "astro/AngleFormat.h"
#include "astro/BirthMoment.h"
#include "astro/Lahiri.h"
#include "support/Moments.h"
#include "support/NumericCheck.h"

#include <QtTest>
#include <cstdint>

using namespace tenvari;
using namespace tenvari::test;

Q_DECLARE_METATYPE(tenvari::BirthMoment)

namespace {

// A moment given in Universal Time: zone 0, West, no daylight saving.
BirthMoment universal(int day, int month, int year, int hour, int minute) {
    return makeMoment(day, month, year, hour, minute, 0, 0, 1, 1, Side::West, Dst::Off);
}

} // namespace

class tst_Lahiri : public QObject {
    Q_OBJECT

private slots:
    void lahiriTerms_data();
    void lahiriTerms();
    void nodeReduction_data();
    void nodeReduction();
    void decimalDegreeFactor_data();
    void decimalDegreeFactor();
    void lahiriCorrection_data();
    void lahiriCorrection();
    void computeAyanamsa_data();
    void computeAyanamsa();
    void sameInstantSameCorrection_data();
    void sameInstantSameCorrection();
    void extremeFieldsStayFinite_data();
    void extremeFieldsStayFinite();
};

void tst_Lahiri::lahiriTerms_data() {
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("node");       // degrees, after the one-way reduction
    QTest::addColumn<double>("twiceSun");   // degrees
    QTest::addColumn<double>("nutation");   // arcseconds
    QTest::addColumn<double>("correction"); // degrees

    QTest::newRow("T = 0") << 0.0 << 259.1833333 << 559.3933333 << -17.34557471 << -22.46628210;
    QTest::newRow("T = 0.5, negative node kept")
        << 0.5 << -707.8871181 << 36560.16222 << 3.177772793 << -23.15866381;
    QTest::newRow("T = 1, negative node kept")
        << 1.0 << -1674.956528 << 72560.93111 << 13.65278589 << -23.85399089;
    QTest::newRow("T = 1.5, negative node kept")
        << 1.5 << -2642.024896 << 108561.7000 << -15.07747836 << -24.56036249;
    QTest::newRow("T = -1, node reduced six times from 2193.327361")
        << -1.0 << 33.32736111 << -71442.14444 << 9.077133799 << -21.06323969;
}

void tst_Lahiri::lahiriTerms() {
    QFETCH(double, T);
    QFETCH(double, node);
    QFETCH(double, twiceSun);
    QFETCH(double, nutation);
    QFETCH(double, correction);

    const LahiriTerms terms = LahiriTermsAt(T);
    const QByteArray at = "T = " + QByteArray::number(T, 'g', 17);

    QByteArray miss = numericMiss(at + ", node (deg)", terms.node, node, tenDigitTolerance(node));
    QVERIFY2(miss.isEmpty(), miss.constData());
    miss = numericMiss(at + ", twice Sun (deg)", terms.twiceSun, twiceSun,
                       tenDigitTolerance(twiceSun));
    QVERIFY2(miss.isEmpty(), miss.constData());
    miss = numericMiss(at + ", nutation (arcsec)", terms.nutation, nutation,
                       tenDigitTolerance(nutation));
    QVERIFY2(miss.isEmpty(), miss.constData());
    miss = numericMiss(at + ", correction (deg)", terms.correction, correction,
                       tenDigitTolerance(correction));
    QVERIFY2(miss.isEmpty(), miss.constData());
    miss = numericMiss(at + ", LahiriCorrection (deg)", LahiriCorrection(T), correction,
                       tenDigitTolerance(correction));
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Lahiri::nodeReduction_data() {
    // T values found by bisection in double arithmetic so that the node
    // expression lands exactly on a multiple of 360 (every subtraction of 360
    // is then exact); they check the >= of the reduction at its boundary.
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("node"); // degrees, exact

    QTest::newRow("node exactly 360 reduces to 0") << -0.0521247477703765 << 0.0;
    QTest::newRow("node one step below 360 stays") << -0.05212474777037649 << 359.99999999999994;
    QTest::newRow("node exactly 720 reduces twice to 0") << -0.23825373816549886 << 0.0;
}

void tst_Lahiri::nodeReduction() {
    QFETCH(double, T);
    QFETCH(double, node);

    const QByteArray miss = numericMiss("T = " + QByteArray::number(T, 'g', 17) + ", node (deg)",
                                        LahiriTermsAt(T).node, node, 0.0);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Lahiri::decimalDegreeFactor_data() {
    // The nutation replayed in IEEE double in the order of the formula, with
    // the two sines of the double arguments taken to 50 digits. With pi/180
    // in place of 0.0174532925199433 the nutation moves by 2e-13 arcsec at
    // T = 1, 5e-13 at T = 1.5 and 1.4e-10 at T = -350; the tolerances allow
    // for the last bit of the library sine only.
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("nutation");  // arcseconds
    QTest::addColumn<double>("tolerance"); // arcseconds

    QTest::newRow("T = 1") << 1.0 << 13.652785891135041 << 2e-14;
    QTest::newRow("T = 1.5") << 1.5 << -15.077478362915102 << 2e-14;
    QTest::newRow("T = -350") << -350.0 << -13.813494957062561 << 2e-14;
}

void tst_Lahiri::decimalDegreeFactor() {
    QFETCH(double, T);
    QFETCH(double, nutation);
    QFETCH(double, tolerance);

    const QByteArray miss =
        numericMiss("T = " + QByteArray::number(T, 'g', 17) + ", nutation (arcsec)",
                    LahiriTermsAt(T).nutation, nutation, tolerance);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Lahiri::lahiriCorrection_data() {
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("expected"); // degrees, ten significant digits

    QTest::newRow("T = -17, negative ayanamsa") << -17.0 << 1.183310640;
    QTest::newRow("T = -16, ayanamsa still positive") << -16.0 << -0.2085593179;
    QTest::newRow("T = -350, about 1900 reductions of the node") << -350.0 << 428.3677546;
}

void tst_Lahiri::lahiriCorrection() {
    QFETCH(double, T);
    QFETCH(double, expected);

    const QByteArray miss = numericMiss("T = " + QByteArray::number(T, 'g', 17) + ", correction",
                                        LahiriCorrection(T), expected, tenDigitTolerance(expected));
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Lahiri::computeAyanamsa_data() {
    QTest::addColumn<BirthMoment>("moment");
    QTest::addColumn<double>("expected"); // degrees
    QTest::addColumn<QByteArray>("text");

    // makeMoment(day, month, year, hour, minute, zone h, zone min, lon deg, lon min, side, dst)
    QTest::newRow("1 Jan 2000 12:00 UT, T = 1")
        << universal(1, 1, 2000, 12, 0) << -23.853990893 << QByteArray("23° 51' 14\"");
    QTest::newRow("15 Aug 1947 0:00 zone 5h30 East")
        << makeMoment(15, 8, 1947, 0, 0, 5, 30, 77, 13, Side::East, Dst::Off) << -23.122552388
        << QByteArray("23° 7' 21\"");
    QTest::newRow("1 Jan 1901 0:00 UT")
        << universal(1, 1, 1901, 0, 0) << -22.479691393 << QByteArray("22° 28' 46\"");
    QTest::newRow("31 Dec 2050 23:59 UT")
        << universal(31, 12, 2050, 23, 59) << -24.573250830 << QByteArray("24° 34' 23\"");
}

void tst_Lahiri::computeAyanamsa() {
    QFETCH(BirthMoment, moment);
    QFETCH(double, expected);
    QFETCH(QByteArray, text);

    const double correction = ComputeAyanamsa(moment);
    const double tolerance = 5e-10; // degrees
    const QByteArray miss = numericMiss("correction (deg)", correction, expected, tolerance);
    QVERIFY2(miss.isEmpty(), miss.constData());
    QCOMPARE(QByteArray::fromStdString(AyanamsaDisplayText(correction)), text);
}

void tst_Lahiri::sameInstantSameCorrection_data() {
    QTest::addColumn<BirthMoment>("local");
    QTest::addColumn<BirthMoment>("universalTime");

    QTest::newRow("17:30 at 5h30 East is 12:00 UT")
        << makeMoment(1, 1, 2000, 17, 30, 5, 30, 77, 13, Side::East, Dst::Off)
        << universal(1, 1, 2000, 12, 0);
    QTest::newRow("3:00 at 9h West is 12:00 UT")
        << makeMoment(1, 1, 2000, 3, 0, 9, 0, 135, 0, Side::West, Dst::Off)
        << universal(1, 1, 2000, 12, 0);

    // Universal Time outside 0..24 carries into T without a change of date.
    QTest::newRow("2 Jan 5:00 at 5h30 East is 1 Jan 23:30 UT")
        << makeMoment(2, 1, 2000, 5, 0, 5, 30, 77, 13, Side::East, Dst::Off)
        << universal(1, 1, 2000, 23, 30);
    QTest::newRow("31 Dec 2050 23:59 at 5h30 West is 1 Jan 2051 5:29 UT")
        << makeMoment(31, 12, 2050, 23, 59, 5, 30, 80, 0, Side::West, Dst::Off)
        << universal(1, 1, 2051, 5, 29);

    // Daylight-saving clocks run one hour ahead of zone time.
    QTest::newRow("15 Aug 1947 1:00 daylight saving at 5h30 East is 14 Aug 18:30 UT")
        << makeMoment(15, 8, 1947, 1, 0, 5, 30, 77, 13, Side::East, Dst::On)
        << universal(14, 8, 1947, 18, 30);
    QTest::newRow("12:00 daylight saving at 5h West is 16:00 UT")
        << makeMoment(1, 1, 2000, 12, 0, 5, 0, 74, 0, Side::West, Dst::On)
        << universal(1, 1, 2000, 16, 0);

    // 0 deg 0 min East is minus zero, not below zero: handled as west.
    QTest::newRow("12:00 at 1h East 0d0m is 13:00 UT")
        << makeMoment(1, 1, 2000, 12, 0, 1, 0, 0, 0, Side::East, Dst::Off)
        << universal(1, 1, 2000, 13, 0);
    QTest::newRow("12:00 at 1h East 0d1m is 11:00 UT")
        << makeMoment(1, 1, 2000, 12, 0, 1, 0, 0, 1, Side::East, Dst::Off)
        << universal(1, 1, 2000, 11, 0);
    QTest::newRow("12:00 daylight saving at 1h East 0d0m is 12:00 UT")
        << makeMoment(1, 1, 2000, 12, 0, 1, 0, 0, 0, Side::East, Dst::On)
        << universal(1, 1, 2000, 12, 0);
    QTest::newRow("12:00 daylight saving at 1h East 0d1m is 10:00 UT")
        << makeMoment(1, 1, 2000, 12, 0, 1, 0, 0, 1, Side::East, Dst::On)
        << universal(1, 1, 2000, 10, 0);
}

void tst_Lahiri::sameInstantSameCorrection() {
    // An hour moves the correction by about 1.5e-6 degrees; the two ways of
    // writing one instant differ only in the last bits of T.
    QFETCH(BirthMoment, local);
    QFETCH(BirthMoment, universalTime);

    const double tolerance = 1e-12; // degrees
    const QByteArray miss =
        numericMiss("correction (deg) against the UT moment", ComputeAyanamsa(local),
                    ComputeAyanamsa(universalTime), tolerance);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Lahiri::extremeFieldsStayFinite_data() {
    // Whatever the int16 fields hold, the reduction must neither overflow nor
    // leave the node loop running (T reaches -374.9 and +336.9 here).
    // Reference: the same steps replayed in double with exact integer floor
    // division; tolerance 1e-9 degrees.
    QTest::addColumn<BirthMoment>("moment");
    QTest::addColumn<double>("expected"); // degrees

    const int low = -32768;
    const int high = 32767;
    QTest::newRow("every field smallest")
        << makeMoment(low, low, low, low, low, low, low, low, low, Side::West, Dst::On)
        << 457.54504093308014;
    QTest::newRow("every field largest, East")
        << makeMoment(high, high, high, high, high, high, high, high, high, Side::East, Dst::On)
        << -527.7188980026475;
    QTest::newRow("all zero, as before the first reading") << BirthMoment{} << 3.9479342226399807;
}

void tst_Lahiri::extremeFieldsStayFinite() {
    QFETCH(BirthMoment, moment);
    QFETCH(double, expected);

    const double tolerance = 1e-9; // degrees
    const QByteArray miss =
        numericMiss("correction (deg)", ComputeAyanamsa(moment), expected, tolerance);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

QTEST_APPLESS_MAIN(tst_Lahiri)
#include "tst_lahiri.moc"
