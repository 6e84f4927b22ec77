// SPDX-License-Identifier: GPL-3.0-or-later
// Degrees, minutes and seconds of arc as text, and the ayanamsa label text.
//
// Texts are compared byte for byte (UTF-8; the degree sign is C2 B0).
// Reference texts: hand reduction of each angle, minutes and seconds
// truncated.

#include "astro/AngleFormat.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

using namespace tenvari;

class tst_AngleFormat : public QObject {
    Q_OBJECT

private slots:
    void formatDegrees_data();
    void formatDegrees();
    void degreeSignIsUtf8();
    void largestFiniteAngle();
    void nonFiniteAngles_data();
    void nonFiniteAngles();
    void hundredthsText_data();
    void hundredthsText();
};

void tst_AngleFormat::formatDegrees_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<QByteArray>("formatted");
    QTest::addColumn<QByteArray>("display");

    QTest::newRow("-23.85399089280802, T = 1")
        << -23.85399089280802 << QByteArray("-23° 51' 14\"") << QByteArray("23° 51' 14\"");
    QTest::newRow("-22.466282104086563, T = 0")
        << -22.466282104086563 << QByteArray("-22° 27' 58\"") << QByteArray("22° 27' 58\"");
    QTest::newRow("-1.5") << -1.5 << QByteArray("-1° 30' 0\"") << QByteArray("1° 30' 0\"");
    QTest::newRow("0") << 0.0 << QByteArray("0° 0' 0\"") << QByteArray("0° 0' 0\"");
    QTest::newRow("0.0001") << 0.0001 << QByteArray("0° 0' 0\"") << QByteArray("0° 0' 0\"");
    QTest::newRow("12.25") << 12.25 << QByteArray("12° 15' 0\"") << QByteArray("12° 15' 0\"");
    QTest::newRow("10.999999 truncates")
        << 10.999999 << QByteArray("10° 59' 59\"") << QByteArray("10° 59' 59\"");
    QTest::newRow("1.18331064, positive correction shown unchanged")
        << 1.18331064 << QByteArray("1° 10' 59\"") << QByteArray("1° 10' 59\"");
    QTest::newRow("359.99999, no reduction")
        << 359.99999 << QByteArray("359° 59' 59\"") << QByteArray("359° 59' 59\"");
    QTest::newRow("-400.5, no reduction")
        << -400.5 << QByteArray("-400° 30' 0\"") << QByteArray("400° 30' 0\"");

    // Seconds are truncated: rounding would carry into the minutes and degrees.
    QTest::newRow("23.99999999 stays below 24")
        << 23.99999999 << QByteArray("23° 59' 59\"") << QByteArray("23° 59' 59\"");
    QTest::newRow("0.5 arcsecond truncates to 0")
        << 0.5 / 3600.0 << QByteArray("0° 0' 0\"") << QByteArray("0° 0' 0\"");
    QTest::newRow("1.5 arcseconds truncate to 1")
        << 1.5 / 3600.0 << QByteArray("0° 0' 1\"") << QByteArray("0° 0' 1\"");
    QTest::newRow("59.9 arcseconds truncate to 59")
        << 59.9 / 3600.0 << QByteArray("0° 0' 59\"") << QByteArray("0° 0' 59\"");
    QTest::newRow("one arcminute")
        << 1.0 / 60.0 << QByteArray("0° 1' 0\"") << QByteArray("0° 1' 0\"");
    QTest::newRow("-23.9999999 stays below 24")
        << -23.9999999 << QByteArray("-23° 59' 59\"") << QByteArray("23° 59' 59\"");

    // Degree part zero below zero: the minus sign is kept (our choice); the
    // display text drops it either way.
    QTest::newRow("-0.5") << -0.5 << QByteArray("-0° 30' 0\"") << QByteArray("0° 30' 0\"");
    QTest::newRow("minus zero counts as zero")
        << -0.0 << QByteArray("0° 0' 0\"") << QByteArray("0° 0' 0\"");

    // Degree parts beyond the 32- and 64-bit integer ranges.
    QTest::newRow("1e10 degrees") << 1e10 << QByteArray("10000000000° 0' 0\"")
                                  << QByteArray("10000000000° 0' 0\"");
    QTest::newRow("-1e20 degrees") << -1e20 << QByteArray("-100000000000000000000° 0' 0\"")
                                   << QByteArray("100000000000000000000° 0' 0\"");
}

void tst_AngleFormat::formatDegrees() {
    QFETCH(double, angle);
    QFETCH(QByteArray, formatted);
    QFETCH(QByteArray, display);

    QCOMPARE(QByteArray::fromStdString(FormatDegrees(angle)), formatted);
    QCOMPARE(QByteArray::fromStdString(AyanamsaDisplayText(angle)), display);
}

void tst_AngleFormat::degreeSignIsUtf8() {
    // Spelled out in bytes, independent of how this source file is encoded.
    QCOMPARE(QByteArray::fromStdString(FormatDegrees(-23.85399089280802)),
             QByteArray("-23\xC2\xB0 51' 14\""));
}

void tst_AngleFormat::largestFiniteAngle() {
    // 309 digits of degrees must fit, with nothing cut off.
    const std::string text = FormatDegrees(-DBL_MAX);
    const std::string tail = "\xC2\xB0 0' 0\"";
    QCOMPARE(text.size(), 1 + 309 + tail.size());
    QCOMPARE(QByteArray::fromStdString(text.substr(0, 6)), QByteArray("-17976"));
    QCOMPARE(QByteArray::fromStdString(text.substr(text.size() - tail.size())),
             QByteArray::fromStdString(tail));
}

void tst_AngleFormat::nonFiniteAngles_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<QByteArray>("formatted");
    QTest::addColumn<QByteArray>("display");

    // Not values the computation produces, but the text must say what they
    // are (no digits of a converted garbage integer) and carry no minus sign
    // other than a leading one, which the display text removes.
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN()
                                  << QByteArray("nan° nan' nan\"") << QByteArray("nan° nan' nan\"");
    QTest::newRow("minus not a number")
        << -std::numeric_limits<double>::quiet_NaN() << QByteArray("nan° nan' nan\"")
        << QByteArray("nan° nan' nan\"");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity()
                              << QByteArray("inf° nan' nan\"") << QByteArray("inf° nan' nan\"");
    QTest::newRow("minus infinity")
        << -std::numeric_limits<double>::infinity() << QByteArray("-inf° nan' nan\"")
        << QByteArray("inf° nan' nan\"");
}

void tst_AngleFormat::nonFiniteAngles() {
    QFETCH(double, angle);
    QFETCH(QByteArray, formatted);
    QFETCH(QByteArray, display);

    QCOMPARE(QByteArray::fromStdString(FormatDegrees(angle)), formatted);
    QCOMPARE(QByteArray::fromStdString(AyanamsaDisplayText(angle)), display);
}

void tst_AngleFormat::hundredthsText_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("text");
    QTest::newRow("defining value") << 23.250182777777778 << QStringLiteral("23° 15' 0.66\"");
    QTest::newRow("rounds up a hundredth")
        << 23.0 + 7.0 / 60 + 21.345 / 3600 + 1e-12 << QStringLiteral("23° 7' 21.35\"");
    QTest::newRow("carries into the degree") << 10.9999999 << QStringLiteral("11° 0' 0.00\"");
    QTest::newRow("carries into the minute")
        << 24.0 + 33.0 / 60 + 59.996 / 3600 << QStringLiteral("24° 34' 0.00\"");
    QTest::newRow("negative") << -1.5 << QStringLiteral("-1° 30' 0.00\"");
    QTest::newRow("negative, rounds to zero") << -1e-9 << QStringLiteral("0° 0' 0.00\"");
    QTest::newRow("not a number") << std::nan("") << QStringLiteral("nan°");
}

void tst_AngleFormat::hundredthsText() {
    QFETCH(double, degrees);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatDegreesHundredths(degrees)), text);
}

QTEST_APPLESS_MAIN(tst_AngleFormat)
#include "tst_angleformat.moc"
