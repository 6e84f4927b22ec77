// SPDX-License-Identifier: GPL-3.0-or-later
// Shutdown: closing the main form brings the exit screen, on top; the
// exit screen's texts, check box and links; ExitApplication closing every
// window, also when close handlers call it again or resist.

#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "reading/FrmMain.h"
#include "shell/ExitApplication.h"
#include "shell/FrmExitScreen.h"
#include "shell/StartUp.h"
#include "support/FakeClock.h"
#include "support/FakeInstanceGuard.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/FakeSettingsStore.h"
#include "widgets/Twips.h"
#include "widgets/Windows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

using namespace tenvari;
using namespace tenvari::test;

namespace {

void deleteDiscarded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window whose close handling does what the test asks.
class TestWindow : public QWidget {
public:
    explicit TestWindow(std::function<void(QCloseEvent*)> onClose) : onClose_(std::move(onClose)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        onClose_(event);
    }

private:
    std::function<void(QCloseEvent*)> onClose_;
};

} // namespace

class tst_ExitScreen : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closingMainForm_data();
    void closingMainForm();
    void promotionalTexts();
    void check1_data();
    void check1();
    void goToHome();
    void leaving_data();
    void leaving();
    void exitWhileMainFormOpen();
    void exitApplication_data();
    void exitApplication();

private:
    FrmExitScreen* openExitScreen();

    FakeInstanceGuard instances_;
    FakeMessageService messages_;
    FakeSettingsStore settings_;
    FakeClock clock_;
    FakeLinkOpener opener_;
    std::unique_ptr<WebLinks> links_;
    QList<int> ended_;
    std::unique_ptr<ExitApplication> exit_;
    std::unique_ptr<StartUp> startUp_;
};

void tst_ExitScreen::init() {
    messages_.clear();
    opener_.opened.clear();
    ended_.clear();
    links_ = std::make_unique<WebLinks>(opener_);
    exit_ = std::make_unique<ExitApplication>([this](int status) { ended_ << status; });
    startUp_ = std::make_unique<StartUp>(
        StartUpServices{instances_, messages_, settings_, clock_, *links_, *exit_, "tenvari"});
}

void tst_ExitScreen::cleanup() {
    startUp_.reset();
    deleteDiscarded();
    const QList<QWidget*> left = visibleWindows();
    for (QWidget* window : left)
        delete window;
    QCOMPARE(left.size(), 0);
}

FrmExitScreen* tst_ExitScreen::openExitScreen() {
    if (!startUp_->run())
        return nullptr;
    startUp_->mainForm()->close();
    deleteDiscarded();
    return startUp_->exitScreen();
}

void tst_ExitScreen::closingMainForm_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("window's close button") << false;
    QTest::newRow("File > E&xit") << true;
}

void tst_ExitScreen::closingMainForm() {
    QFETCH(bool, byMenu);
    QVERIFY(startUp_->run());
    QPointer<FrmMain> main = startUp_->mainForm();
    QVERIFY(main && main->isVisible());

    if (byMenu) {
        auto* mnuExit = main->findChild<QAction*>(QStringLiteral("mnuExit"));
        QVERIFY(mnuExit);
        mnuExit->trigger();
    } else {
        main->close();
    }
    deleteDiscarded();

    // The main form is gone; the exit screen is the one window left.
    QVERIFY(!main);
    FrmExitScreen* screen = startUp_->exitScreen();
    QVERIFY(screen);
    QCOMPARE(visibleWindows(), QList<QWidget*>{screen});
    QCOMPARE(screen->objectName(), QStringLiteral("frmExitScreen"));
    QCOMPARE(screen->windowTitle(), QString::fromLatin1(kWindowCaption));
    QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(screen->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!screen->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!screen->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(screen->size(), twipsSize(11115, 4725));
    QCOMPARE(screen->minimumSize(), screen->maximumSize());
    const QPoint offCentre =
        screen->geometry().center() - screen->screen()->availableGeometry().center();
    QVERIFY2(
        offCentre.manhattanLength() <= 2,
        qPrintable(QStringLiteral("off centre by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
    // The program goes on: nothing ended, nothing said.
    QCOMPARE(ended_, QList<int>());
    QVERIFY(messages_.shown().isEmpty());
}

void tst_ExitScreen::promotionalTexts() {
    const QStringList texts = FrmExitScreen::PromotionalTexts();
    QCOMPARE(texts.size(), 4);
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 4);

    constexpr int kOpenings = 400;
    QMap<QString, int> seen;
    for (int seed = 0; seed < kOpenings; ++seed) {
        clock_.seedValue = static_cast<std::uint32_t>(seed * 2654435761u);
        FrmExitScreen screen(messages_, *links_, clock_, *exit_);
        const auto* label2 = screen.findChild<QLabel*>(QStringLiteral("Label2"));
        QVERIFY(label2);
        ++seen[label2->text()];

        // The same seed picks the same text.
        FrmExitScreen again(messages_, *links_, clock_, *exit_);
        QCOMPARE(again.findChild<QLabel*>(QStringLiteral("Label2"))->text(), label2->text());

        // Each text fits its label without being cut off.
        const QRect needed = label2->fontMetrics().boundingRect(QRect(0, 0, label2->width(), 10000),
                                                                Qt::TextWordWrap, label2->text());
        QVERIFY2(needed.height() <= label2->height(), qPrintable(label2->text()));
    }
    QCOMPARE(seen.size(), 4);
    for (const QString& text : texts) {
        // About 100 each; fewer than 60 would mean a skewed draw.
        QVERIFY2(seen.value(text) >= 60,
                 qPrintable(QStringLiteral("%1 times: %2").arg(seen.value(text)).arg(text)));
    }
}

void tst_ExitScreen::check1_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("space bar") << true;
}

void tst_ExitScreen::check1() {
    QFETCH(bool, byKeyboard);
    FrmExitScreen* screen = openExitScreen();
    QVERIFY(screen);
    auto* check1 = screen->findChild<QCheckBox*>(QStringLiteral("Check1"));
    QVERIFY(check1);

    for (int click = 1; click <= 2; ++click) {
        if (byKeyboard) {
            check1->setFocus();
            QTest::keyClick(check1, Qt::Key_Space);
        } else {
            QTest::mouseClick(check1, Qt::LeftButton);
        }
        QVERIFY(!check1->isChecked());
        QCOMPARE(opener_.opened, QStringList(click, WebLinks::address(WebPage::Home)));
    }
    QVERIFY(screen->isVisible());
    QCOMPARE(ended_, QList<int>());
}

void tst_ExitScreen::goToHome() {
    FrmExitScreen* screen = openExitScreen();
    QVERIFY(screen);
    auto* label = screen->findChild<QLabel*>(QStringLiteral("lblGoToHome"));
    QVERIFY(label);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(opener_.opened, QStringList{WebLinks::address(WebPage::Products)});
    QVERIFY(screen->isVisible());
}

void tst_ExitScreen::leaving_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("E&xit button") << true;
    QTest::newRow("window's close button") << false;
}

void tst_ExitScreen::leaving() {
    QFETCH(bool, byButton);
    QPointer<FrmExitScreen> screen = openExitScreen();
    QVERIFY(screen);
    if (byButton) {
        auto* cmdClose = screen->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        QVERIFY(cmdClose);
        QCOMPARE(cmdClose->text(), QStringLiteral("E&xit"));
        QTest::mouseClick(cmdClose, Qt::LeftButton);
    } else {
        screen->close();
    }
    deleteDiscarded();

    QCOMPARE(ended_, QList<int>{0});
    QVERIFY(!screen);
    QCOMPARE(visibleWindows().size(), 0);
    QVERIFY(messages_.shown().isEmpty());
}

void tst_ExitScreen::exitWhileMainFormOpen() {
    QVERIFY(startUp_->run());
    (*exit_)();
    deleteDiscarded();
    // Closing the main form on the way out opens no exit screen.
    QVERIFY(!startUp_->exitScreen());
    QVERIFY(!startUp_->mainForm());
    QCOMPARE(visibleWindows().size(), 0);
    QCOMPARE(ended_, QList<int>{0});
}

void tst_ExitScreen::exitApplication_data() {
    QTest::addColumn<QStringList>("windows");
    // plain: closes; reenter: its close handler calls ExitApplication;
    // refuse: ignores the close; spawn: opens another window as it closes.
    QTest::newRow("plain windows") << QStringList{"plain", "plain"};
    QTest::newRow("a close handler reenters") << QStringList{"plain", "reenter", "plain"};
    QTest::newRow("every close handler reenters") << QStringList{"reenter", "reenter"};
    QTest::newRow("a window refuses to close") << QStringList{"refuse", "plain"};
    QTest::newRow("a closing window opens another") << QStringList{"spawn", "plain"};
    QTest::newRow("all together") << QStringList{"spawn", "refuse", "reenter", "plain"};
    QTest::newRow("no window at all") << QStringList{};
}

void tst_ExitScreen::exitApplication() {
    QFETCH(QStringList, windows);
    QList<QPointer<TestWindow>> opened;
    QList<QPointer<TestWindow>> spawned;
    for (const QString& kind : windows) {
        auto* window = new TestWindow([&, kind](QCloseEvent* event) {
            if (kind == QLatin1String("reenter"))
                (*exit_)();
            else if (kind == QLatin1String("refuse"))
                event->ignore();
            else if (kind == QLatin1String("spawn")) {
                auto* late = new TestWindow([](QCloseEvent*) {});
                late->show();
                spawned << late;
            }
        });
        window->setObjectName(kind);
        window->show();
        opened << window;
    }

    (*exit_)();
    QCOMPARE(ended_, QList<int>{0});
    QCOMPARE(visibleWindows().size(), 0);
    for (const QPointer<TestWindow>& window : opened + spawned)
        QVERIFY(!window || window->closeRequests == 1);
    QCOMPARE(spawned.size(), windows.count(QStringLiteral("spawn")));

    // A later call changes nothing.
    (*exit_)();
    QCOMPARE(ended_, QList<int>{0});

    deleteDiscarded();
    for (const QPointer<TestWindow>& window : opened + spawned)
        delete window.data(); // the refusing one was only hidden
}

QTEST_MAIN(tst_ExitScreen)
#include "tst_exitscreen.moc"
