// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden place block: the button behind the country box checks that
// city, state and country hold something, one prompt at a time.

#include "support/FormDriver.h"

using namespace tenvari;
using tenvari::test::FormDriver;

class tst_PlaceCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data();
    void check();
};

void tst_PlaceCheck::check_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message"); // empty: nothing shown
    QTest::addColumn<QString>("focus");

    QTest::newRow("initial texts pass") << "a"
                                        << "a"
                                        << "a"
                                        << ""
                                        << "cmdBrowser";
    QTest::newRow("no city") << ""
                             << "a"
                             << "a"
                             << "Please Enter City"
                             << "txtMCity";
    QTest::newRow("no state") << "a"
                              << ""
                              << "a"
                              << "Please Enter State"
                              << "txtMState";
    QTest::newRow("no country") << "a"
                                << "a"
                                << ""
                                << "Please Enter Country"
                                << "txtMCountry";
    QTest::newRow("no city, no state: city first") << ""
                                                   << ""
                                                   << "a"
                                                   << "Please Enter City"
                                                   << "txtMCity";
    QTest::newRow("nothing at all: city first") << ""
                                                << ""
                                                << ""
                                                << "Please Enter City"
                                                << "txtMCity";
    QTest::newRow("no state, no country: state first") << "a"
                                                       << ""
                                                       << ""
                                                       << "Please Enter State"
                                                       << "txtMState";
    QTest::newRow("a city of one space passes") << " "
                                                << "a"
                                                << "a"
                                                << ""
                                                << "cmdBrowser";
    QTest::newRow("spaces are not trimmed") << "  "
                                            << " "
                                            << ""
                                            << "Please Enter Country"
                                            << "txtMCountry";
}

void tst_PlaceCheck::check() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    FormDriver driver;
    QVERIFY(driver.active);
    driver.paste("txtMCity", city);
    driver.paste("txtMState", state);
    driver.paste("txtMCountry", country);

    // The block is out of sight: the user reaches the button with Tab from
    // the country box and presses it with the space bar.
    driver.box("txtMCountry")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(driver.focusName(), "cmdBrowser");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    if (message.isEmpty()) {
        QCOMPARE(driver.messages.shown().size(), 0);
    } else {
        QCOMPARE(driver.messages.shown().size(), 1);
        QCOMPARE(driver.messages.shown().first().text, message);
        QCOMPARE(driver.messages.shown().first().icon, MessageIcon::Information);
        QCOMPARE(driver.messages.shown().first().buttons, MessageButtons::Ok);
    }
    QCOMPARE(driver.focusName(), focus);
    QCOMPARE(driver.box("txtMCity")->text(), city);
    QCOMPARE(driver.box("txtMState")->text(), state);
    QCOMPARE(driver.box("txtMCountry")->text(), country);
}

QTEST_MAIN(tst_PlaceCheck)
#include "tst_placecheck.moc"
