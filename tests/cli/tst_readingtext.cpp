// SPDX-License-Identifier: GPL-3.0-or-later
// The quick fixed-decimal writer of the machine formats against
// std::to_chars, which it must match character for character, and CSV
// quoting.

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
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "2000-01-01"
                           << "2000-01-01";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("angle text") << "23° 7' 21\""
                                << "\"23° 7' 21\"\"\"";
    QTest::newRow("comma") << "a,b"
                           << "\"a,b\"";
    QTest::newRow("blank edge") << " 12:00"
                                << "\" 12:00\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
}

void tst_ReadingText::csvField() {
    QFETCH(QString, text);
    QFETCH(QString, field);
    std::string out;
    appendCsvField(out, text.toStdString());
    QCOMPARE(QString::fromStdString(out), field);
}

QTEST_APPLESS_MAIN(tst_ReadingText)
#include "tst_readingtext.moc"
