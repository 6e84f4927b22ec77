// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast of two colours by the WCAG 2.1 formula, and the edge colour of a
// control, which must stand out from its background by 3:1 and no more than
// it needs to.

#include "widgets/Look.h"

#include <QTest>

using namespace tenvari;

class tst_Look : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data();
    void contrastRatio();
    void edgeColour_data();
    void edgeColour();
};

void tst_Look::contrastRatio_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("expected");
    // Reference values: WCAG 2.1 (black on white, 21:1), the figures the
    // WebAIM contrast checker gives for the two greys, and the edge the
    // desktop style drew on the program's teal, all to two decimals.
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on white") << QColor(Qt::white) << QColor(Qt::white) << 1.0;
    QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("#777777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("desktop's edge on teal") << QColor(0, 46, 46) << look::kTeal << 1.26;
}

void tst_Look::contrastRatio() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, expected);
    constexpr double kTolerance = 0.005; // the references are rounded to two decimals
    for (const double got : {look::contrastRatio(a, b), look::contrastRatio(b, a)})
        QVERIFY2(qAbs(got - expected) <= kTolerance,
                 qPrintable(QStringLiteral("expected %1, got %2, difference %3")
                                .arg(expected)
                                .arg(got)
                                .arg(got - expected)));
}

void tst_Look::edgeColour_data() {
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("ink");
    QTest::newRow("cyan on teal") << look::kTeal << look::kCyanText;
    QTest::newRow("pale green on teal") << look::kTeal << look::kPaleGreen;
    QTest::newRow("black on white") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("navy on parchment") << look::kParchment << look::kNavy;
    // The ink alone cannot stand out: the edge turns to white or black.
    QTest::newRow("navy on teal") << look::kTeal << look::kNavy;
    QTest::newRow("grey on grey") << QColor(128, 128, 128) << QColor(120, 120, 120);
}

void tst_Look::edgeColour() {
    QFETCH(QColor, background);
    QFETCH(QColor, ink);
    const QColor edge = look::edgeColour(background, ink);
    const double contrast = look::contrastRatio(edge, background);
    QVERIFY2(contrast >= 3.0,
             qPrintable(
                 QStringLiteral("%1 on %2: %3").arg(edge.name(), background.name()).arg(contrast)));
    // No louder than it needs to be: the edge lies a small step beyond
    // where 3:1 is reached.
    QVERIFY2(contrast < 3.2, qPrintable(QStringLiteral("%1 on %2: %3, louder than needed")
                                            .arg(edge.name(), background.name())
                                            .arg(contrast)));
}

QTEST_APPLESS_MAIN(tst_Look)
#include "tst_look.moc"
