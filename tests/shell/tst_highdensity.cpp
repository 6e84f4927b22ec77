// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen of device pixel ratio 2 (CMake runs this test with
// QT_SCALE_FACTOR=2), the pictures and the window icon are drawn with twice
// the pixels, not stretched from the normal size.

#include "links/WebLinks.h"
#include "shell/ExitApplication.h"
#include "shell/FrmAbout.h"
#include "shell/FrmExitScreen.h"
#include "support/FakeClock.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "widgets/AppIcon.h"

#include <QLabel>
#include <QTest>
#include <memory>

using namespace tenvari;

class tst_HighDensity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pictures_data();
    void pictures();
    void windowIcon();
};

void tst_HighDensity::initTestCase() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void tst_HighDensity::pictures_data() {
    QTest::addColumn<QString>("picture");
    QTest::newRow("about box") << "picIcon";
    QTest::newRow("exit screen") << "Picture1";
}

void tst_HighDensity::pictures() {
    QFETCH(QString, picture);
    test::FakeLinkOpener desktop;
    WebLinks links(desktop);
    test::FakeMessageService messages;
    test::FakeClock clock;
    ExitApplication exitApplication([](int) {});
    std::unique_ptr<QWidget> window;
    if (picture == QLatin1String("picIcon"))
        window = std::make_unique<FrmAbout>(links);
    else
        window = std::make_unique<FrmExitScreen>(messages, links, clock, exitApplication);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const auto* label = window->findChild<QLabel*>(picture);
    QVERIFY(label);
    const QPixmap pixmap = label->pixmap();
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.size(), QSize(64, 64)); // 32 device-independent pixels
    window->hide();
}

void tst_HighDensity::windowIcon() {
    const QPixmap pixmap = appIcon().pixmap(QSize(32, 32), qApp->devicePixelRatio());
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.size(), QSize(64, 64));
    // Drawn at 64 pixels: the sign boundaries a 32-pixel icon leaves out
    // are there, so it is not the small one stretched.
    const QImage image = pixmap.toImage();
    QCOMPARE(image, appIconPixmap(32, 2.0).toImage());
    QImage stretched =
        appIconPixmap(32).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage();
    stretched.setDevicePixelRatio(2.0);
    QVERIFY(image.convertToFormat(QImage::Format_ARGB32) !=
            stretched.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(tst_HighDensity)
#include "tst_highdensity.moc"
