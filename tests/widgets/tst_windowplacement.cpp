// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window goes on its screen.

#include "widgets/WindowPlacement.h"

#include <QTest>

using namespace tenvari;

class tst_WindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void centred();
};

void tst_WindowPlacement::centred() {
    // (screen - window) / 2, twips.
    QCOMPARE(centredLeft(19200, kResultLayoutWidth), 4440);
    QCOMPARE(centredLeft(19200, kInputLayoutWidth), 6690);
    QCOMPARE(centredLeft(19201, kResultLayoutWidth), 4440);
    QCOMPARE(centredLeft(5000, kInputLayoutWidth), -410); // both sides stick out
}

QTEST_APPLESS_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
