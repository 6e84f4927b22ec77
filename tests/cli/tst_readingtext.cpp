// SPDX-License-Identifier: GPL-3.0-or-later
// The quick fixed-decimal writer of the machine formats against
// std::to_chars, which it must match character for character, and CSV
// quoting and escaping.

#include "cli/ReadingText.h"

#include <QtTest>
#include <charconv>
#include <cmath>
#include <random>

using namespace tenvari::cli;

class tst_ReadingText : public QObject {
    Q_OBJECT
private slots:
    void fixedAsToChars_data();
    void fixedAsToChars();
    void fixedRandom();
    void csvField_data();
    void csvField();
};

namespace {

QByteArray viaToChars(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return QByteArray(buffer, int(result.ptr - buffer));
}

QByteArray viaAppendFixed(double value, int decimals) {
    std::string out;
    appendFixed(out, value, decimals);
    return QByteArray::fromStdString(out);
}

} // namespace

void tst_ReadingText::fixedAsToChars_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    // Exact ties go to the even digit; a value just past a tie goes up.
    QTest::newRow("0.5, tie to 0") << 0.5 << 0;
    QTest::newRow("1.5, tie to 2") << 1.5 << 0;
    QTest::newRow("2.5, tie to 2") << 2.5 << 0;
    QTest::newRow("-2.5, tie to -2") << -2.5 << 0;
    QTest::newRow("0.125, tie to 0.12") << 0.125 << 2;
    QTest::newRow("0.375, tie to 0.38") << 0.375 << 2;
    QTest::newRow("0.1 is a little above") << 0.1 << 12;
    QTest::newRow("window's 1 Jan 2000") << 23.85399089280802 << 12;
    QTest::newRow("carry into the whole") << 23.9999999999996 << 12;
    QTest::newRow("minus zero") << -0.0 << 3;
    QTest::newRow("tiny negative") << -1e-20 << 9;
    QTest::newRow("just below the short way's limit") << 4503.599627370495 << 12;
    QTest::newRow("beyond it: to_chars") << 4503.6 << 12;
    QTest::newRow("large") << 1e300 << 3;
    QTest::newRow("not a number") << std::nan("") << 9;
    QTest::newRow("infinity") << -HUGE_VAL << 9;
}

void tst_ReadingText::fixedAsToChars() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QCOMPARE(viaAppendFixed(value, decimals), viaToChars(value, decimals));
}

void tst_ReadingText::fixedRandom() {
    // Ayanamsa-sized values, differences in arcseconds, and values made of
    // few bits, which can fall on exact ties.
    std::mt19937_64 random(1956);
    std::uniform_real_distribution<double> degrees(22.0, 25.0);
    std::uniform_real_distribution<double> arcsec(-10.0, 10.0);
    std::uniform_int_distribution<int> eighths(-800000, 800000);
    for (int i = 0; i < 100000; ++i) {
        const double values[] = {degrees(random), arcsec(random), eighths(random) / 1024.0};
        for (const double value : values) {
            for (const int decimals : {0, 3, 9, 12}) {
                const QByteArray expected = viaToChars(value, decimals);
                const QByteArray got = viaAppendFixed(value, decimals);
                if (got != expected)
                    QFAIL(qPrintable(
                        QStringLiteral("%1 to %2 decimals: expected %3 got %4")
                            .arg(value, 0, 'g', 17)
                            .arg(decimals)
                            .arg(QString::fromLatin1(expected), QString::fromLatin1(got))));
            }
        }
    }
}

void tst_ReadingText::csvField_data() {
    // A field echoed from a refused row is also kept from being a formula.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("echoed");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << QByteArray("2000-01-01") << false << QByteArray("2000-01-01");
    QTest::newRow("empty") << QByteArray() << true << QByteArray();
    QTest::newRow("angle text") << QByteArray("23° 7' 21\"") << false
                                << QByteArray("\"23° 7' 21\"\"\"");
    QTest::newRow("comma") << QByteArray("a,b") << false << QByteArray("\"a,b\"");
    QTest::newRow("blank edge") << QByteArray(" 12:00") << false << QByteArray("\" 12:00\"");
    QTest::newRow("line breaks") << QByteArray("a\nb\r\n") << false << QByteArray("a\\nb\\r\\n");
    QTest::newRow("tab at the edge") << QByteArray("\t12:00") << false << QByteArray("\\t12:00");
    QTest::newRow("ESC, BEL, DEL")
        << QByteArray("\x1b]0;t\x07\x7f") << false << QByteArray("\\x1b]0;t\\x07\\x7f");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << false << QByteArray("a\\x00b");
    QTest::newRow("C1 control (CSI)") << QByteArray("\xc2\x9b"
                                                    "31m")
                                      << false << QByteArray("\\u009b31m");
    QTest::newRow("U+00A0 kept") << QByteArray("\xc2\xa0") << false << QByteArray("\xc2\xa0");
    QTest::newRow("4-byte UTF-8 kept")
        << QByteArray("\xf0\x9f\x98\x80") << false << QByteArray("\xf0\x9f\x98\x80");
    QTest::newRow("broken UTF-8") << QByteArray("\xff\xc3(\xed\xa0\x80\xe2\x82") << false
                                  << QByteArray("\\xff\\xc3(\\xed\\xa0\\x80\\xe2\\x82");
    QTest::newRow("escape then quote")
        << QByteArray("\x1b,\"") << false << QByteArray("\"\\x1b,\"\"\"");
    QTest::newRow("formula =") << QByteArray("=1+1") << true << QByteArray("'=1+1");
    QTest::newRow("formula + with comma") << QByteArray("+1,2") << true << QByteArray("\"'+1,2\"");
    QTest::newRow("formula -") << QByteArray("-05:00") << true << QByteArray("'-05:00");
    QTest::newRow("formula @") << QByteArray("@SUM(A1)") << true << QByteArray("'@SUM(A1)");
    QTest::newRow("zone of a good row") << QByteArray("+05:30") << false << QByteArray("+05:30");
    QTest::newRow("echoed, no formula")
        << QByteArray("2000-01-01") << true << QByteArray("2000-01-01");
}

void tst_ReadingText::csvField() {
    QFETCH(QByteArray, text);
    QFETCH(bool, echoed);
    QFETCH(QByteArray, field);
    std::string out = "x,";
    const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
    if (echoed)
        appendCsvEchoedField(out, view);
    else
        appendCsvField(out, view);
    QCOMPARE(QByteArray::fromStdString(out), "x," + field);
}

QTEST_APPLESS_MAIN(tst_ReadingText)
#include "tst_readingtext.moc"
