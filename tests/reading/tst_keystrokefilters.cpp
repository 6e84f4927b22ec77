// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke filters of the main form, typed as a user types: what ends
// up in each box and which messages the user had to close on the way.

#include "support/FormDriver.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace tenvari;
using tenvari::test::FormDriver;

namespace {

const QString kLettersMessage = QStringLiteral("Please Enter only Letters");
const QString kNumbersMessage = QStringLiteral("Only Numbers Are Accepted");
const QString kClipboard = QStringLiteral("-30");

QTestEventList clicks(const QString& text) {
    QTestEventList events;
    events.addKeyClicks(text);
    return events;
}

QTestEventList keys(std::initializer_list<Qt::Key> sequence) {
    QTestEventList events;
    for (const Qt::Key key : sequence)
        events.addKeyClick(key);
    return events;
}

QTestEventList withCtrl(Qt::Key key) {
    QTestEventList events;
    events.addKeyClick(key, Qt::ControlModifier);
    return events;
}

// One list after the other (each list owns its events).
QTestEventList then(QTestEventList first, const QTestEventList& second) {
    for (const QTestEvent* event : second)
        first.append(event->clone());
    return first;
}

} // namespace

class tst_KeystrokeFilters : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void typing_data();
    void typing();
    void refusalKeepsTheCaret();
    void pastedTextIsNotFiltered_data();
    void pastedTextIsNotFiltered();
};

void tst_KeystrokeFilters::initTestCase() {
    QGuiApplication::clipboard()->setText(kClipboard);
    if (QGuiApplication::clipboard()->text() != kClipboard)
        QSKIP("this platform has no clipboard");
}

void tst_KeystrokeFilters::typing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("startText");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("refusals"); // message boxes the user had to close

    // The name: capitals, space, Backspace and Enter.
    QTest::newRow("name: a becomes A") << "txtName"
                                       << "" << clicks("a") << "A" << 0;
    QTest::newRow("name: Z stays Z") << "txtName"
                                     << "" << clicks("Z") << "Z" << 0;
    QTest::newRow("name: words") << "txtName"
                                 << "" << clicks("ravi Kumar") << "RAVI KUMAR" << 0;
    QTest::newRow("name: digit") << "txtName"
                                 << "" << clicks("1") << "" << 1;
    QTest::newRow("name: minus") << "txtName"
                                 << "" << clicks("-") << "" << 1;
    QTest::newRow("name: point") << "txtName"
                                 << "" << clicks(".") << "" << 1;
    QTest::newRow("name: between Z and a") << "txtName"
                                           << "" << clicks("[^_`") << "" << 4;
    QTest::newRow("name: accented capital") << "txtName"
                                            << "" << keys({Qt::Key_Eacute}) << "" << 1;
    QTest::newRow("name: mixed") << "txtName"
                                 << "" << clicks("a1b-c") << "ABC" << 2;
    QTest::newRow("name: Backspace") << "txtName"
                                     << "AB" << keys({Qt::Key_Backspace}) << "A" << 0;
    QTest::newRow("name: Enter") << "txtName"
                                 << "AB" << keys({Qt::Key_Return}) << "AB" << 0;
    QTest::newRow("name: Esc") << "txtName"
                               << "AB" << keys({Qt::Key_Escape}) << "AB" << 1;
    QTest::newRow("name: Ctrl+V") << "txtName"
                                  << "AB" << withCtrl(Qt::Key_V) << "AB" << 1;
    QTest::newRow("name: Ctrl+A does not select all")
        << "txtName"
        << "AB" << then(withCtrl(Qt::Key_A), clicks("c")) << "ABC" << 1;
    QTest::newRow("name: Delete and Home")
        << "txtName"
        << "ABC" << keys({Qt::Key_Home, Qt::Key_Delete}) << "BC" << 0;

    // The zone hours take the minus sign anywhere, any number of times.
    QTest::newRow("hours: -5") << "txtZoneHour"
                               << "" << clicks("-5") << "-5" << 0;
    QTest::newRow("hours: 5-") << "txtZoneHour"
                               << "" << clicks("5--") << "5--" << 0;
    QTest::newRow("hours: Enter") << "txtZoneHour"
                                  << "5" << keys({Qt::Key_Return}) << "5" << 1;
    QTest::newRow("hours: keypad Enter") << "txtZoneHour"
                                         << "5" << keys({Qt::Key_Enter}) << "5" << 1;
    QTest::newRow("hours: Esc") << "txtZoneHour"
                                << "5" << keys({Qt::Key_Escape}) << "5" << 1;
    QTest::newRow("hours: point") << "txtZoneHour"
                                  << "5" << clicks(".") << "5" << 1;
    QTest::newRow("hours: plus") << "txtZoneHour"
                                 << "5" << clicks("+") << "5" << 1;
    QTest::newRow("hours: letters among digits") << "txtZoneHour"
                                                 << "" << clicks("a1b2") << "12" << 2;
    QTest::newRow("hours: Backspace") << "txtZoneHour"
                                      << "-5" << keys({Qt::Key_Backspace}) << "-" << 0;

    // The zone minutes: digits only.
    QTest::newRow("minutes: 30") << "txtZoneMinute"
                                 << "" << clicks("30") << "30" << 0;
    QTest::newRow("minutes: minus") << "txtZoneMinute"
                                    << "" << clicks("-3") << "3" << 1;
    QTest::newRow("minutes: point") << "txtZoneMinute"
                                    << "3" << clicks(".") << "3" << 1;
    QTest::newRow("minutes: Ctrl+V") << "txtZoneMinute"
                                     << "" << withCtrl(Qt::Key_V) << "" << 1;
    QTest::newRow("minutes: Delete and arrows")
        << "txtZoneMinute"
        << "123"
        << keys({Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left, Qt::Key_Backspace}) << "3"
        << 0;

    // The hidden degree and minute boxes: digits, and their length limits
    // drop a digit silently.
    QTest::newRow("lon degrees: up to 3") << "txtLonD"
                                          << "1" << clicks("234") << "123" << 0;
    QTest::newRow("lon degrees: minus") << "txtLonD"
                                        << "1" << clicks("-") << "1" << 1;
    QTest::newRow("lon minutes: up to 2") << "txtLonM"
                                          << "1" << clicks("23") << "12" << 0;
    QTest::newRow("lon minutes: point") << "txtLonM"
                                        << "1" << clicks(".") << "1" << 1;
    QTest::newRow("lat degrees: up to 2") << "txtLatD"
                                          << "1" << clicks("23") << "12" << 0;
    QTest::newRow("lat degrees: minus") << "txtLatD"
                                        << "1" << clicks("-") << "1" << 1;
    QTest::newRow("lat minutes: up to 2") << "txtLatM"
                                          << "1" << clicks("23") << "12" << 0;
    QTest::newRow("lat minutes: plus") << "txtLatM"
                                       << "1" << clicks("+") << "1" << 1;
    QTest::newRow("full box: letter still refused") << "txtLatM"
                                                    << "12" << clicks("x") << "12" << 1;

    // The place boxes take anything.
    QTest::newRow("city: not filtered") << "txtMCity"
                                        << "" << clicks("1.-a") << "1.-a" << 0;
    QTest::newRow("country: not filtered") << "txtMCountry"
                                           << "" << withCtrl(Qt::Key_V) << kClipboard << 0;
}

void tst_KeystrokeFilters::typing() {
    QFETCH(QString, box);
    QFETCH(QString, startText);
    QFETCH(QTestEventList, events);
    QFETCH(QString, expectedText);
    QFETCH(int, refusals);

    FormDriver driver;
    QVERIFY(driver.active);
    QLineEdit* target = driver.box(box.toLatin1().constData());
    QVERIFY(target);
    target->setText(startText);
    target->setFocus();

    events.simulate(target);

    QCOMPARE(target->text(), expectedText);
    QCOMPARE(driver.messages.shown().size(), refusals);
    const bool name = box == "txtName";
    for (const auto& shown : driver.messages.shown()) {
        QCOMPARE(shown.text, name ? kLettersMessage : kNumbersMessage);
        QCOMPARE(shown.icon, name ? MessageIcon::Information : MessageIcon::Stop);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
    }
}

void tst_KeystrokeFilters::refusalKeepsTheCaret() {
    FormDriver driver;
    QVERIFY(driver.active);
    QLineEdit* hours = driver.box("txtZoneHour");
    hours->setText("15");
    hours->setFocus();
    QTest::keyClick(hours, Qt::Key_Left);
    QTest::keyClick(hours, '.');
    QCOMPARE(hours->text(), "15");
    QCOMPARE(hours->cursorPosition(), 1);
    QTest::keyClick(hours, '0');
    QCOMPARE(hours->text(), "105");
    QCOMPARE(driver.messages.shown().size(), 1);
}

void tst_KeystrokeFilters::pastedTextIsNotFiltered_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("zone minutes") << "txtZoneMinute" << kClipboard;
    QTest::newRow("name") << "txtName" << kClipboard;
    QTest::newRow("lon degrees") << "txtLonD" << kClipboard;
    QTest::newRow("lat degrees keeps its limit") << "txtLatD"
                                                 << "-3";
}

// The context menu's Paste inserts the clipboard without keystrokes.
void tst_KeystrokeFilters::pastedTextIsNotFiltered() {
    QFETCH(QString, box);
    QFETCH(QString, expectedText);

    FormDriver driver;
    QVERIFY(driver.active);
    QLineEdit* target = driver.box(box.toLatin1().constData());
    target->clear();
    target->setFocus();
    target->paste();
    QCOMPARE(target->text(), expectedText);
    QCOMPARE(driver.messages.shown().size(), 0);
}

QTEST_MAIN(tst_KeystrokeFilters)
#include "tst_keystrokefilters.moc"
