// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger of definitions: its rows, the span of dates each covers, and
// the relations between definitions that hold at every date.

#include "astro/Lahiri.h"
#include "reference/Definitions.h"
#include "support/NumericCheck.h"

#include <QtTest>
#include <set>
#include <string>

using namespace tenvari;

namespace {

constexpr double kArcsec = 1.0 / 3600.0; // degrees

// Noon UT of a date in the historical calendar, with the model's Delta T.
Instant noonOf(int year, int month, int day) {
    const std::int32_t jdn =
        JulianDayNumberIn(Calendar::Historical, static_cast<std::int16_t>(month),
                          static_cast<std::int16_t>(day), static_cast<std::int16_t>(year));
    return InstantFromJulianDate(jdn, 0.0);
}

AyanamsaValue valueOf(const char* name, const Instant& instant) {
    const AyanamsaDefinition* definition = findDefinition(name);
    return definition != nullptr ? definition->compute(instant) : AyanamsaValue{};
}

} // namespace

class tst_Definitions : public QObject {
    Q_OBJECT
private slots:
    void rows();
    void span_data();
    void span();
    void committeeBelowEphemeris_data();
    void committeeBelowEphemeris();
    void ephemerisAtItsEpoch();
    void formulaIsTheWindows();
};

void tst_Definitions::rows() {
    std::set<std::string_view> names;
    for (const AyanamsaDefinition& definition : definitions()) {
        QVERIFY2(names.insert(definition.name).second, definition.name.data());
        QVERIFY(!definition.summary.empty() && !definition.source.empty());
        QVERIFY(definition.compute != nullptr);
        QCOMPARE(findDefinition(definition.name), &definition);
        for (const char c : definition.name)
            QVERIFY((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_');
    }
    QCOMPARE(definitions()[0].name, std::string_view("formula"));
    QCOMPARE(definitions()[1].name, std::string_view("iae"));
    QVERIFY(findDefinition("lahiri") == nullptr);
    QVERIFY(findDefinition("") == nullptr);
}

void tst_Definitions::span_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("formula"); // the window's formula has a value
    QTest::addColumn<bool>("others");  // every other definition has one
    QTest::newRow("-3001-12-31") << -3001 << 12 << 31 << false << false;
    QTest::newRow("-3000-01-01") << -3000 << 1 << 1 << false << true;
    QTest::newRow("1900-12-31") << 1900 << 12 << 31 << false << true;
    QTest::newRow("1901-01-01") << 1901 << 1 << 1 << true << true;
    QTest::newRow("2050-12-31") << 2050 << 12 << 31 << true << true;
    QTest::newRow("2051-01-01") << 2051 << 1 << 1 << false << true;
    QTest::newRow("3000-12-31") << 3000 << 12 << 31 << false << true;
    QTest::newRow("3001-01-01") << 3001 << 1 << 1 << false << false;
}

void tst_Definitions::span() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, formula);
    QFETCH(bool, others);
    const Instant instant = noonOf(year, month, day);
    for (const AyanamsaDefinition& definition : definitions()) {
        const bool expected = definition.name == "formula" ? formula : others;
        const AyanamsaValue value = definition.compute(instant);
        QVERIFY2(value.trueDegrees.has_value() == expected, definition.name.data());
        QVERIFY2(value.meanDegrees.has_value() == expected, definition.name.data());
    }
}

void tst_Definitions::committeeBelowEphemeris_data() {
    QTest::addColumn<int>("year");
    QTest::newRow("-3000") << -3000;
    QTest::newRow("285") << 285;
    QTest::newRow("1956") << 1956;
    QTest::newRow("2050") << 2050;
    QTest::newRow("3000") << 3000;
}

void tst_Definitions::committeeBelowEphemeris() {
    QFETCH(int, year);
    const Instant instant = noonOf(year, 3, 21);
    const AyanamsaValue iae = valueOf("iae", instant);
    const AyanamsaValue icrc = valueOf("icrc", instant);
    QVERIFY(iae.trueDegrees && icrc.trueDegrees);
    QByteArray miss =
        numericMiss("true, arcsec", (*icrc.trueDegrees - *iae.trueDegrees) * 3600.0, -0.658, 1e-6);
    QVERIFY2(miss.isEmpty(), miss.constData());
    miss =
        numericMiss("mean, arcsec", (*icrc.meanDegrees - *iae.meanDegrees) * 3600.0, -0.658, 1e-6);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Definitions::ephemerisAtItsEpoch() {
    // 1956 March 21, 0 h TT: Delta T given as zero so that UT is TT.
    const Instant epoch = InstantFromJulianDate(2435553.5, 0.0, 0.0);
    const AyanamsaValue iae = valueOf("iae", epoch);
    QVERIFY(iae.trueDegrees.has_value());
    const QByteArray miss = numericMiss("iae true", *iae.trueDegrees,
                                        23.0 + 15.0 / 60.0 + 0.658 / 3600.0, 0.001 * kArcsec);
    QVERIFY2(miss.isEmpty(), miss.constData());
}

void tst_Definitions::formulaIsTheWindows() {
    const Instant instant = noonOf(1947, 8, 14);
    const AyanamsaValue formula = valueOf("formula", instant);
    QVERIFY(formula.trueDegrees && formula.meanDegrees);
    QCOMPARE(*formula.trueDegrees, -ComputeAyanamsa(instant));
    // The formula's own nutation stays within its two terms' 18.5 arcsec.
    const double nutation = (*formula.trueDegrees - *formula.meanDegrees) * 3600.0;
    QVERIFY2(std::fabs(nutation) < 18.5 && nutation != 0.0,
             QByteArray::number(nutation).constData());
}

QTEST_APPLESS_MAIN(tst_Definitions)
#include "tst_definitions.moc"
