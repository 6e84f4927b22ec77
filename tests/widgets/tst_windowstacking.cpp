// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a window on top: it stays where it was placed, at its size, is
// shown, and is marked to stay above others without taking the focus;
// also when it was already on screen.

#include "widgets/WindowStacking.h"

#include <QTest>
#include <QWidget>

using namespace tenvari;

class tst_WindowStacking : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void onTop_data();
    void onTop();
};

void tst_WindowStacking::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void tst_WindowStacking::onTop_data() {
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<bool>("onTopBefore");
    QTest::newRow("new window") << false << false;
    QTest::newRow("window already on screen") << true << false;
    QTest::newRow("already on top and on screen") << true << true;
}

void tst_WindowStacking::onTop() {
    QFETCH(bool, shownBefore);
    QFETCH(bool, onTopBefore);

    QWidget window;
    window.setObjectName("window");
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTopBefore);
    window.setGeometry(123, 145, 321, 111);
    QRect placed;
    if (shownBefore) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        placed = window.geometry();
    } else {
        // Where an ordinary show puts a window so placed (the platform may
        // allow for a frame).
        QWidget twin;
        twin.setGeometry(window.geometry());
        twin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&twin));
        placed = twin.geometry();
    }

    showOnTopWithoutActivating(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(window.isVisible());
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(window.geometry(), placed);
    QCOMPARE(window.windowHandle()->flags() & Qt::WindowStaysOnTopHint, Qt::WindowStaysOnTopHint);
    window.close();
}

QTEST_MAIN(tst_WindowStacking)
#include "tst_windowstacking.moc"
