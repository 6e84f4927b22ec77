// SPDX-License-Identifier: GPL-3.0-or-later
// The text-to-number rules of the main form: the numeric value of a whole
// text, the leading number, the whole-number rule (ties to even, 16-bit
// range) and the zone rule.

#include "reading/TextNumbers.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace tenvari;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const QString kNone = QStringLiteral("none"); // no number

const QString kHuge = QStringLiteral("1") + QString(400, QLatin1Char('0'));
const QString kTiny = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QLatin1Char('1');

QString shown(std::optional<double> value) {
    return value ? QString::number(*value) : kNone;
}
QString shown(std::optional<std::int16_t> value) {
    return value ? QString::number(*value) : kNone;
}

} // namespace

class tst_TextNumbers : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void whole_data();
    void whole();
};

// One text read the three ways: as a whole, its leading number, and by the
// zone rule.
void tst_TextNumbers::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("leading");
    QTest::addColumn<QString>("zone");
    const auto row = [](const char* tag, const QString& text, const QString& whole,
                        const char* leading, const QString& zone) {
        QTest::newRow(tag) << text << whole << QString::fromLatin1(leading) << zone;
    };
    row("digits", "59", "59", "59", "59");
    row("surrounding blanks", "  7 ", "7", "7", "7");
    row("minus", "-5", "-5", "-5", "5");
    row("plus", "+5", "5", "5", "5");
    row("5.5", "5.5", "5.5", "5.5", "6");
    row("4.5", "4.5", "4.5", "4.5", "4");
    row("-30", "-30", "-30", "-30", "30");
    row("point first", ".5", "0.5", "0.5", "0");
    row("point last", "5.", "5", "5", "5");
    row("minus zero", "-0", "0", "0", "0");
    row("empty", "", kNone, "0", "0");
    row("blanks", "   ", kNone, "0", "0");
    row("lone minus", "-", kNone, "0", kNone);
    row("lone point", ".", kNone, "0", kNone);
    row("digits then letters", "12ab", kNone, "12", kNone);
    row("letters", "abc", kNone, "0", kNone);
    row("letter first", "x12", kNone, "0", kNone);
    row("negative then letters", "-3abc", kNone, "-3", kNone);
    row("two points", "5.5.5", kNone, "5.5", kNone);
    row("minus inside", "5-3", kNone, "5", kNone);
    row("two minus signs", "--5", kNone, "0", kNone);
    row("exponent", "1e3", kNone, "1", kNone);
    row("hexadecimal", "0x10", kNone, "0", kNone);
    row("comma", "1,5", kNone, "1", kNone);
    row("blank inside", "1 2", kNone, "1", kNone);
    row("tab first", "\t5", kNone, "0", kNone);
    row("non-ASCII digit", QString::fromUtf8("\u0665"), kNone, "0", kNone);
    row("largest zone", "32767", "32767", "32767", "32767");
    row("-32768: no 16-bit magnitude", "-32768", "-32768", "-32768", kNone);
    row("huge", kHuge, "inf", "inf", kNone);
    row("minus huge", "-" + kHuge, "-inf", "-inf", kNone);
    row("tiny", kTiny, "0", "0", "0");
}

void tst_TextNumbers::texts() {
    QFETCH(QString, text);
    QTEST(shown(numericValue(text)), "whole");
    QTEST(QString::number(leadingNumber(text)), "leading");
    QTEST(shown(zoneMagnitude(text)), "zone");
}

void tst_TextNumbers::whole_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* tag, double value, const QString& expected) {
        QTest::newRow(tag) << value << expected;
    };
    row("2.5 to even", 2.5, "2");
    row("3.5 to even", 3.5, "4");
    row("0.5 to even", 0.5, "0");
    row("-2.5 to even", -2.5, "-2");
    row("-3.5 to even", -3.5, "-4");
    row("just below a tie", 2.4999999999, "2");
    row("just above a tie", 2.5000000001, "3");
    row("largest", 32767.49, "32767");
    row("past largest", 32767.5, kNone);
    row("smallest, tie to even", -32768.5, "-32768");
    row("below smallest", -32769.0, kNone);
    row("infinity", kInf, kNone);
    row("not a number", std::nan(""), kNone);
}

void tst_TextNumbers::whole() {
    QFETCH(double, value);
    QTEST(shown(wholeNumber(value)), "expected");
}

QTEST_APPLESS_MAIN(tst_TextNumbers)
#include "tst_textnumbers.moc"
