// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke handlers of the name, zone, degree and minute boxes, given
// character codes directly: which codes pass, which are changed, and the
// message and icon of a refusal.

#include "reading/KeystrokeFilters.h"
#include "support/FakeMessageService.h"

#include <QTest>
#include <stdexcept>

using namespace tenvari;
using tenvari::test::FakeMessageService;

class tst_KeystrokeCodes : public QObject {
    Q_OBJECT

private slots:
    void nameCodes_data();
    void nameCodes();
    void numericCodes_data();
    void numericCodes();
    void refusalSurvivesAFailingMessageBox();
};

void tst_KeystrokeCodes::nameCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected"); // 0: refused with the letters message

    QTest::newRow("Ctrl+C 3") << 3 << 0;
    QTest::newRow("Backspace 8") << 8 << 8;
    QTest::newRow("Enter 13") << 13 << 13;
    QTest::newRow("Ctrl+V 22") << 22 << 0;
    QTest::newRow("Ctrl+X 24") << 24 << 0;
    QTest::newRow("Ctrl+Z 26") << 26 << 0;
    QTest::newRow("Esc 27") << 27 << 0;
    QTest::newRow("space 32") << 32 << 32;
    QTest::newRow("minus 45") << 45 << 0;
    QTest::newRow("point 46") << 46 << 0;
    QTest::newRow("digit 0") << 48 << 0;
    QTest::newRow("digit 9") << 57 << 0;
    QTest::newRow("@ 64") << 64 << 0;
    QTest::newRow("A 65") << 65 << 65;
    QTest::newRow("Z 90") << 90 << 90;
    QTest::newRow("[ 91") << 91 << 0;
    QTest::newRow("_ 95") << 95 << 0;
    QTest::newRow("` 96") << 96 << 0;
    QTest::newRow("a 97 to A") << 97 << 65;
    QTest::newRow("m 109 to M") << 109 << 77;
    QTest::newRow("z 122 to Z") << 122 << 90;
    QTest::newRow("{ 123") << 123 << 0;
    QTest::newRow("DEL 127") << 127 << 0;
    QTest::newRow("e acute 233") << 233 << 0;
    QTest::newRow("a with 32 added, 129") << 129 << 0;
    QTest::newRow("euro 8364") << 8364 << 0;
    QTest::newRow("negative -1") << -1 << 0;
    QTest::newRow("negative -65") << -65 << 0;
    QTest::newRow("negative -97") << -97 << 0;
}

void tst_KeystrokeCodes::nameCodes() {
    QFETCH(int, code);
    QFETCH(int, expected);

    FakeMessageService messages;
    QCOMPARE(txtName_KeyPress(code, messages), expected);
    if (expected == 0) {
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, "Please Enter only Letters");
        QCOMPARE(messages.shown().first().icon, MessageIcon::Information);
        QCOMPARE(messages.shown().first().buttons, MessageButtons::Ok);
    } else {
        QCOMPARE(messages.shown().size(), 0);
    }
}

void tst_KeystrokeCodes::numericCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("allowMinus");
    QTest::addColumn<bool>("accepted");

    for (const bool minus : {false, true}) {
        const char* box = minus ? "zone hours" : "minutes/degrees";
        const auto row = [&](const char* what, int code, bool accepted) {
            QTest::addRow("%s: %s", box, what) << code << minus << accepted;
        };
        row("Ctrl+C 3", 3, false);
        row("Backspace 8", 8, true);
        row("Enter 13", 13, false);
        row("Ctrl+V 22", 22, false);
        row("Ctrl+X 24", 24, false);
        row("Ctrl+Z 26", 26, false);
        row("Esc 27", 27, false);
        row("space 32", 32, false);
        row("plus 43", 43, false);
        row("comma 44", 44, false);
        row("minus 45", 45, minus);
        row("point 46", 46, false);
        row("slash 47", 47, false);
        row("digit 0", 48, true);
        row("digit 5", 53, true);
        row("digit 9", 57, true);
        row("colon 58", 58, false);
        row("A 65", 65, false);
        row("a 97", 97, false);
        row("superscript two 178", 178, false);
        row("negative -45", -45, false);
        row("negative -48", -48, false);
    }
}

void tst_KeystrokeCodes::numericCodes() {
    QFETCH(int, code);
    QFETCH(bool, allowMinus);
    QFETCH(bool, accepted);

    FakeMessageService messages;
    QCOMPARE(NumericKeyPress(code, allowMinus, messages), accepted ? code : 0);
    if (accepted) {
        QCOMPARE(messages.shown().size(), 0);
    } else {
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, "Only Numbers Are Accepted");
        QCOMPARE(messages.shown().first().icon, MessageIcon::Stop);
        QCOMPARE(messages.shown().first().buttons, MessageButtons::Ok);
    }
}

// A message box that cannot be shown still leaves the character refused,
// and nothing escapes the handler.
void tst_KeystrokeCodes::refusalSurvivesAFailingMessageBox() {
    FakeMessageService messages;
    messages.onShow = [](const FakeMessageService::Shown&) {
        throw std::runtime_error("no message box");
    };
    QCOMPARE(txtName_KeyPress('1', messages), 0);
    QCOMPARE(NumericKeyPress('.', true, messages), 0);
    QCOMPARE(txtName_KeyPress('b', messages), 'B');
    QCOMPARE(NumericKeyPress('-', true, messages), '-');
    QCOMPARE(messages.shown().size(), 2);
}

QTEST_APPLESS_MAIN(tst_KeystrokeCodes)
#include "tst_keystrokecodes.moc"
