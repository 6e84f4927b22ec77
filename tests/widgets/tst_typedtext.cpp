// SPDX-License-Identifier: GPL-3.0-or-later
// The blank trimming of typed texts.

#include "widgets/TypedText.h"

#include <QTest>

using namespace tenvari;

class tst_TypedText : public QObject {
    Q_OBJECT
private slots:
    void trimmed();
};

void tst_TypedText::trimmed() {
    QCOMPARE(trimmedText(QStringLiteral("  A  B ")), QStringLiteral("A  B"));
    QCOMPARE(trimmedText(QStringLiteral("    ")), QString());
    // Only U+0020 is a blank.
    QCOMPARE(trimmedText(QStringLiteral("\t5 ")), QStringLiteral("\t5"));
    QCOMPARE(trimmedText(QString::fromUtf8("\u00a05")), QString::fromUtf8("\u00a05"));
}

QTEST_APPLESS_MAIN(tst_TypedText)
#include "tst_typedtext.moc"
