// SPDX-License-Identifier: GPL-3.0-or-later
// A reading end to end through the form: the result labels, the Universal
// Time of the input the form hands to the computation (zone rule,
// East/West, daylight saving through the hidden box), what takes no part,
// the refusals, and the switch to the centred result layout.
//
// References: 1 January 2000 12:00 UT (T = 1) gives -23.853990893 degrees,
// shown 23° 51' 14"; 15 August 1947 0:00 at zone 5 h 30 min East gives
// -23.122552388 degrees, shown 23° 7' 21"; weekdays of the Gregorian
// calendar. Universal Time is a sum of hours and minutes/60 and is compared
// exactly.

#include "astro/DateReduction.h"
#include "support/FormDriver.h"
#include "widgets/Twips.h"

#include <QAction>

using namespace tenvari;
using namespace tenvari::test;

namespace {

const QString kBadZone = QStringLiteral("Please Enter a Valid Time Zone");

// Types a text where the box's keystroke filter lets it through, else puts
// it in as a paste or the zone picker would.
void enter(FormDriver& f, const char* box, const QString& text, bool minusAllowed) {
    for (const QChar c : text) {
        if (!c.isDigit() && !(minusAllowed && c == QLatin1Char('-')))
            return f.paste(box, text);
    }
    f.type(box, text);
}

// "hours|minutes"
void enterZone(FormDriver& f, const QString& zone) {
    const QStringList parts = zone.split(QLatin1Char('|'));
    enter(f, "txtZoneHour", parts.value(0), true);
    enter(f, "txtZoneMinute", parts.value(1), false);
}

// A first reading, 1 January 2000 12:00, zone 3 hours West.
void firstReading(FormDriver& f) {
    f.type("txtName", QStringLiteral("A"));
    f.setDate(QStringLiteral("January"), 1, 2000);
    f.setTime(12, 0);
    enterZone(f, QStringLiteral("3|0"));
    f.choose("optLong_1");
    f.read();
}

} // namespace

class tst_Reading : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void reading_data();
    void reading();
    void toolTipSetsTheReferenceBeside();
    void secondsAndLatitudeChangeNothing();
    void refusal_data();
    void refusal();
    void emptiedZoneIsZeroAgain();
    void longitudeAsValidated_data();
    void longitudeAsValidated();
    void resultLayoutCentred();
};

void tst_Reading::reading_data() {
    QTest::addColumn<QString>("date"); // "August 15 1947"
    QTest::addColumn<QString>("time"); // "hour:minute", picked from the lists
    QTest::addColumn<QString>("zone"); // "hours|minutes"
    QTest::addColumn<bool>("east");
    QTest::addColumn<QString>("lon");       // "degrees|minutes", typed into the hidden boxes
    QTest::addColumn<bool>("dst");          // set with Space on the hidden box
    QTest::addColumn<double>("ut");         // Universal Time, hours
    QTest::addColumn<QStringList>("shown"); // day, date, time, ayanamsa; empty: not checked

    const QString d2000 = QStringLiteral("January 1 2000");
    const QString d1947 = QStringLiteral("August 15 1947");
    const QString d1990 = QStringLiteral("March 21 1990");
    const auto row = [](const char* tag, const QString& date, const char* time, const char* zone,
                        bool east, const char* lon, bool dst, double ut,
                        const QStringList& shown = {}) {
        QTest::newRow(tag) << date << time << zone << east << lon << dst << ut << shown;
    };
    const QStringList shown2000{"Saturday", "January 1, 2000", "12:0",
                                QString::fromUtf8("23° 51' 14\"")};
    const QStringList shown1947{"Friday", "August 15, 1947", "0:0",
                                QString::fromUtf8("23° 7' 21\"")};
    row("2000 noon, zone 0, West", d2000, "12:0", "0|0", false, "1|1", false, 12.0, shown2000);
    row("1947 zone -5 -30 East", d1947, "0:0", "-5|-30", true, "1|1", false, -5.5, shown1947);
    row("1947 zone 5 30 East", d1947, "0:0", "5|30", true, "1|1", false, -5.5, shown1947);
    row("zone 5, East", d1990, "12:0", "5|0", true, "1|1", false, 7.0);
    row("zone 5, West", d1990, "12:0", "5|0", false, "1|1", false, 17.0);
    row("zone -5, West", d1990, "12:0", "-5|0", false, "1|1", false, 17.0);
    row("zone 5.5 counts 6", d1990, "12:0", "5.5|0", false, "1|1", false, 18.0);
    row("zone 4.5 counts 4", d1990, "12:0", "4.5|0", false, "1|1", false, 16.0);
    row("East at 0 deg 0 min acts as West", d1990, "12:0", "1|0", true, "0|0", false, 13.0);
    row("East at 0 deg 1 min is East", d1990, "12:0", "1|0", true, "0|1", false, 11.0);
    row("daylight saving, West", d1990, "12:0", "0|0", false, "1|1", true, 11.0);
    row("daylight saving, East", d1990, "12:0", "0|0", true, "1|1", true, 11.0);
    row("empty zone at the first reading", d1990, "12:0", "|", false, "1|1", false, 12.0);
    row("first day offered", QStringLiteral("January 1 1901"), "0:0", "0|0", false, "1|1", false,
        0.0, {"Tuesday", "January 1, 1901", "0:0", QString::fromUtf8("22° 28' 46\"")});
    row("last minute offered", QStringLiteral("December 31 2050"), "23:59", "0|0", false, "1|1",
        false, 23 + 59 / 60.0,
        {"Saturday", "December 31, 2050", "23:59", QString::fromUtf8("24° 34' 23\"")});
    row("leap day", QStringLiteral("February 29 2000"), "0:30", "0|0", false, "1|1", false, 0.5,
        {"Tuesday", "February 29, 2000", "0:30"});
    row("five past nine", QStringLiteral("December 31 1999"), "9:5", "0|0", false, "1|1", false,
        9 + 5 / 60.0, {"Friday", "December 31, 1999", "9:5"});
}

void tst_Reading::reading() {
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, zone);
    QFETCH(bool, east);
    QFETCH(QString, lon);
    QFETCH(bool, dst);
    QFETCH(double, ut);
    QFETCH(QStringList, shown);

    FormDriver f;
    f.type("txtName", QStringLiteral("ravi kumar"));
    const QStringList dmy = date.split(QLatin1Char(' '));
    f.setDate(dmy.at(0), dmy.at(1).toInt(), dmy.at(2).toInt());
    f.setTime(time.section(QLatin1Char(':'), 0, 0).toInt(),
              time.section(QLatin1Char(':'), 1, 1).toInt());
    enterZone(f, zone);
    f.choose(east ? "optLong_0" : "optLong_1");
    f.type("txtLonD", lon.section(QLatin1Char('|'), 0, 0));
    f.type("txtLonM", lon.section(QLatin1Char('|'), 1, 1));
    if (dst) {
        f.box("txtZoneMinute")->setFocus();
        QTest::keyClick(f.box("txtZoneMinute"), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    f.read();

    QVERIFY(f.messages.shown().isEmpty());
    const BirthMoment& m = f.form->birthMoment();
    QVERIFY2(UniversalHours(m) == ut, qPrintable(QStringLiteral("UT expected %1 h, got %2 h (%3)")
                                                     .arg(ut)
                                                     .arg(UniversalHours(m))
                                                     .arg(describe(m))));
    QCOMPARE(f.labelText("lblName"), QStringLiteral("RAVI KUMAR"));
    const QStringList got = f.results().mid(2, 3) << f.labelText("lblAyanamsa");
    for (qsizetype i = 0; i < shown.size(); ++i)
        QCOMPARE(got.at(i), shown.at(i));
    // Shown in the result layout, every value readable in full.
    QCOMPARE(f.form->width(), twips(kResultClientTwips));
    for (const char* name : {"lblName", "lblAyanamsa", "lblDay", "lblDOB", "lblTimeOfBirth"}) {
        const QLabel* label = f.child<QLabel>(name);
        QVERIFY2(label->sizeHint().width() <= label->width(), name);
        QVERIFY2(visiblePart(*label).size() == label->size(), name);
    }
}

// The reference of 1 January 2000 12:00 UT by the almanac's definition on
// the IAU 2006/2000A models: 23.853183601 degrees (tests/reference).
void tst_Reading::toolTipSetsTheReferenceBeside() {
    FormDriver f;
    f.type("txtName", QStringLiteral("A"));
    f.setDate(QStringLiteral("January"), 1, 2000);
    f.setTime(12, 0);
    f.choose("optLong_1");
    f.read();
    QCOMPARE(f.labelText("lblAyanamsa"), QStringLiteral("23\u00b0 51' 14\""));
    QCOMPARE(f.child<QLabel>("lblAyanamsa")->toolTip(),
             QStringLiteral("Lahiri formula: 23.853991\u00b0\n"
                            "Almanac definition, with nutation: 23\u00b0 51' 11.46\"\n"
                            "Formula less definition: +2.91\""));
}

void tst_Reading::secondsAndLatitudeChangeNothing() {
    FormDriver f;
    firstReading(f);
    const QStringList results = f.results();
    const QString moment = describe(f.form->birthMoment());

    f.pick("cboSS", QStringLiteral("59"));
    f.type("txtLatD", QStringLiteral("45"));
    f.type("txtLatM", QStringLiteral("30"));
    f.choose("optLat_1");
    f.paste("txtMCity", QStringLiteral("Elsewhere"));
    f.read();

    QVERIFY(f.messages.shown().isEmpty());
    QCOMPARE(f.results(), results);
    QCOMPARE(describe(f.form->birthMoment()), moment);
}

void tst_Reading::refusal_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const auto row = [](const char* tag, const char* box, const char* text, const QString& message,
                        const char* focus) {
        QTest::newRow(tag) << box << text << message << focus;
    };
    row("name emptied", "txtName", "", QStringLiteral("Please Enter Name"), "txtName");
    row("zone hours a lone minus", "txtZoneHour", "-", kBadZone, "txtZoneHour");
    row("zone hours minus inside", "txtZoneHour", "5-3", kBadZone, "txtZoneHour");
    row("zone hours two minus signs", "txtZoneHour", "--5", kBadZone, "txtZoneHour");
    row("zone hours two points", "txtZoneHour", "5.5.5", kBadZone, "txtZoneHour");
    row("zone hours beyond 16 bits", "txtZoneHour", "40000", kBadZone, "txtZoneHour");
    row("zone hours -32768", "txtZoneHour", "-32768", kBadZone, "txtZoneHour");
    row("zone minutes with a letter", "txtZoneMinute", "3o", kBadZone, "txtZoneMinute");
    row("zone minutes a lone minus", "txtZoneMinute", "-", kBadZone, "txtZoneMinute");
}

void tst_Reading::refusal() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    FormDriver f;
    QVERIFY(f.active);
    firstReading(f);
    const QStringList results = f.results();
    const QString moment = describe(f.form->birthMoment());
    const QRect where = f.form->frameGeometry();

    f.pick("cboMonth", QStringLiteral("April"));
    enter(f, qPrintable(box), text, box == QStringLiteral("txtZoneHour"));
    f.read();

    QCOMPARE(f.messages.texts(), QStringList{message});
    QVERIFY(f.messages.shown().first().icon == MessageIcon::Stop);
    QCOMPARE(f.focusName(), focus);
    QCOMPARE(f.results(), results);
    QCOMPARE(describe(f.form->birthMoment()), moment);
    QCOMPARE(f.form->frameGeometry(), where);

    // Back in the input layout, the same refusal keeps that layout.
    f.click("cmdBack");
    f.read();
    QCOMPARE(f.form->width(), twips(kInputClientTwips));
    QCOMPARE(f.results(), results);
}

void tst_Reading::emptiedZoneIsZeroAgain() {
    FormDriver f;
    firstReading(f);
    enterZone(f, QStringLiteral("5|30"));
    f.read();
    QCOMPARE(UniversalHours(f.form->birthMoment()), 17.5);

    // Emptied, or blanks only: no zone, not the previous reading's.
    enterZone(f, QStringLiteral("|  "));
    f.read();
    QVERIFY(f.messages.shown().isEmpty());
    QCOMPARE(int(f.form->birthMoment().zoneHours), 0);
    QCOMPARE(int(f.form->birthMoment().zoneMinutes), 0);
    QCOMPARE(UniversalHours(f.form->birthMoment()), 12.0);
}

void tst_Reading::longitudeAsValidated_data() {
    // Pasted; a paste stops at the box's length (3 characters, 2 for minutes).
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("expected"); // "degrees/minutes"
    QTest::newRow("12a reads 12") << "12a"
                                  << "7"
                                  << "12/7";
    QTest::newRow("letters read 0") << "ab"
                                    << "7"
                                    << "0/7";
    QTest::newRow("2.5 to even 2") << "2.5"
                                   << "7"
                                   << "2/7";
    QTest::newRow("3.5 to even 4") << "3.5"
                                   << "7"
                                   << "4/7";
    QTest::newRow("minutes after a blank") << "12"
                                           << " 7"
                                           << "12/7";
}

void tst_Reading::longitudeAsValidated() {
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);
    FormDriver f;
    f.type("txtName", QStringLiteral("A"));
    f.type("txtLonD", QStringLiteral("77"));
    f.type("txtLonM", QStringLiteral("13"));
    f.read();
    QCOMPARE(int(f.form->birthMoment().lonDegrees), 77);

    f.paste("txtLonD", degrees);
    f.paste("txtLonM", minutes);
    f.read();
    QVERIFY(f.messages.shown().isEmpty());
    const BirthMoment& m = f.form->birthMoment();
    QTEST(QStringLiteral("%1/%2").arg(m.lonDegrees).arg(m.lonMinutes), "expected");
}

void tst_Reading::resultLayoutCentred() {
    FormDriver f;
    f.type("txtName", QStringLiteral("A"));
    f.form->move(0, 20);
    f.read();
    QCOMPARE(f.form->width(), twips(kResultClientTwips));
    QVERIFY(centredHorizontally(*f.form));
    QCOMPARE(f.form->y(), 20);

    // Reading again, from the File menu, centres again.
    f.form->move(5, 30);
    f.form->findChild<QAction*>("mnuNext")->trigger();
    QVERIFY(centredHorizontally(*f.form));
    QCOMPARE(f.form->y(), 30);
    QCOMPARE(f.form->width(), twips(kResultClientTwips));
}

QTEST_MAIN(tst_Reading)
#include "tst_reading.moc"
