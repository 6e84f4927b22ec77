// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/WebLinks.h"
#include "reading/FrmMain.h"
#include "shell/MainWindowActions.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/ModalRun.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <stdexcept>

using namespace tenvari;
using test::ModalRun;
using test::runModal;
using test::ThrowingLinkOpener;

namespace {

// The birth details a user enters, as typed and picked.
struct Entry {
    QString name;
    QString month; // typed into the list to pick it: "Mar" picks March
    QString day;
    QString year;
    QString zoneHour;
    QString zoneMinute;
};

} // namespace

Q_DECLARE_METATYPE(Entry)

namespace {

// A main window as start-up builds it: menus and labels connected to the
// pages and the about box, shown and active. Everything is done to it as a
// user does: clicks and keys arrive through its window.
struct Harness {
    explicit Harness(LinkOpener& desktop) : links(desktop), form(messages) {
        connectMainWindowActions(form, links);
        form.show();
        form.activateWindow();
    }

    QWindow* window() { return form.windowHandle(); }

    template <class W = QWidget> W* find(const QString& name) { return form.findChild<W*>(name); }

    void click(QWidget& w) {
        QTest::mouseClick(window(), Qt::LeftButton, {}, w.mapTo(&form, w.rect().center()));
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window(), key, modifiers);
    }

    // Clicks the menu bar item of `menu`; then, for a menu with entries,
    // the entry `entry` in the menu that drops down.
    bool choose(const QString& menu, const QString& entry = {}) {
        QMenuBar* bar = form.menuBar();
        QAction* item = nullptr;
        for (QAction* a : bar->actions())
            if (a->objectName() == menu || (a->menu() && a->menu()->objectName() == menu))
                item = a;
        if (!item)
            return false;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
        if (entry.isEmpty())
            return true;
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
            return false;
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        auto* wanted = form.findChild<QAction*>(entry);
        if (!popup || !wanted || !popup->actions().contains(wanted))
            return false;
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(wanted).center());
        return true;
    }

    void enter(const Entry& e) {
        QTest::keyClicks(find<QLineEdit>("txtName"), e.name);
        const std::pair<const char*, QString> lists[] = {
            {"cboMonth", e.month}, {"cboDate", e.day}, {"cboYear", e.year}};
        for (const auto& [list, text] : lists) {
            auto* box = find<QComboBox>(list);
            box->setFocus();
            QTest::keyClicks(box, text); // type-ahead: "Mar" picks March
        }
        QTest::keyClicks(find<QLineEdit>("txtZoneHour"), e.zoneHour);
        QTest::keyClicks(find<QLineEdit>("txtZoneMinute"), e.zoneMinute);
    }

    // What the user reads after a reading: the result labels and the width.
    QStringList outcome() {
        QStringList seen;
        for (const char* name : {"lblName", "lblAyanamsa", "lblDay", "lblDOB", "lblTimeOfBirth"})
            seen << find<QLabel>(name)->text();
        seen << QString::number(form.width());
        return seen;
    }

    QStringList messagesShown() const {
        QStringList seen;
        for (const auto& m : messages.shown())
            seen << QStringLiteral("%1 [%2]").arg(m.text).arg(int(m.icon));
        return seen;
    }

    test::FakeMessageService messages;
    WebLinks links;
    FrmMain form;
};

const Entry kValid{"ANN LEE", "Mar", "15", "1990", "5", "30"};

// The single address a list of opened pages holds, or a text that says
// how many it held.
QString onlyPage(const QStringList& opened) {
    return opened.size() == 1 ? opened.first()
                              : QStringLiteral("%1 pages: %2")
                                    .arg(opened.size())
                                    .arg(opened.join(QLatin1Char(' ')));
}

} // namespace

class tst_MainWindowActions : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void eachEntryAndLabelOpensItsPageOnce_data();
    void eachEntryAndLabelOpensItsPageOnce();
    void menusByKeyboard_data();
    void menusByKeyboard();
    void promotionalLabelsLookLikeLinks_data();
    void promotionalLabelsLookLikeLinks();
    void makeMoneyOnlineCannotBeChosen();
    void aboutSoftwareOpensTheAboutBox_data();
    void aboutSoftwareOpensTheAboutBox();
    void failingDesktopStaysSilent();
    void readingFromMenuMatchesButton_data();
    void readingFromMenuMatchesButton();
    void exitClosesTheMainForm_data();
    void exitClosesTheMainForm();

private:
    QString openedBy(const QString& control);
    QString openedInAboutBoxBy(const QString& link);
};

void tst_MainWindowActions::cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(w->objectName() != QLatin1String("frmAbout"), "an about box outlived its run");
}

// The page one click opens on a fresh main window: a menu bar item, an
// entry of a menu, or a label.
QString tst_MainWindowActions::openedBy(const QString& control) {
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    auto* action = h.find<QAction>(control);
    if (action && h.form.menuBar()->actions().contains(action)) {
        h.choose(control);
    } else if (action) {
        const QString menu =
            control == QLatin1String("mnuNext") || control == QLatin1String("mnuExit")
                ? QStringLiteral("mnuFile")
                : QStringLiteral("mnuHelp");
        if (!h.choose(menu, control))
            return QStringLiteral("no menu entry ") + control;
    } else if (auto* label = h.find<QLabel>(control)) {
        // The result panel and the right half of the bottom strip come
        // into sight with a reading.
        if (label->mapTo(&h.form, label->rect().center()).x() >= h.form.width()) {
            h.enter(kValid);
            h.click(*h.find("cmdRashi"));
        }
        h.click(*label);
    } else {
        return QStringLiteral("no control ") + control;
    }
    if (!h.messages.shown().isEmpty())
        return QStringLiteral("message: ") + h.messages.lastText();
    return onlyPage(desktop.opened);
}

// The page a link of the about box opens, the box opened from the Help menu.
QString tst_MainWindowActions::openedInAboutBoxBy(const QString& link) {
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    const ModalRun run =
        runModal([&] { h.choose(QStringLiteral("mnuHelp"), QStringLiteral("mnuAbout")); },
                 [&](QDialog& box) {
                     if (auto* label = box.findChild<QLabel*>(link))
                         QTest::mouseClick(label, Qt::LeftButton);
                     box.findChild<QPushButton*>("cmdOK")->click();
                 });
    if (!run.opened || run.closedByWatchdog)
        return QStringLiteral("no about box");
    return onlyPage(desktop.opened);
}

void tst_MainWindowActions::eachEntryAndLabelOpensItsPageOnce_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<WebPage>("page");
    // Rows sharing a page are the pairs that must agree.
    QTest::newRow("Help > Online Help") << "mnuOnline" << WebPage::OnlineHelp;
    QTest::newRow("Help > Visit Us Online") << "mnuVisit" << WebPage::Home;
    QTest::newRow("Label61 banner = Visit Us Online") << "Label61" << WebPage::Home;
    QTest::newRow("about box lblHomePage = Visit Us Online")
        << "about:lblHomePage" << WebPage::Home;
    QTest::newRow("Help > Check for Software Update") << "mnuUpdate" << WebPage::Download;
    QTest::newRow("Donate") << "mnuDonate" << WebPage::Donate;
    QTest::newRow("lblCobrand offer") << "lblCobrand" << WebPage::CoBrand;
    QTest::newRow("Label19 description = lblCobrand") << "Label19" << WebPage::CoBrand;
    QTest::newRow("lblFullBrand offer") << "lblFullBrand" << WebPage::FullBrand;
    QTest::newRow("about box lblCoBrand = lblFullBrand")
        << "about:lblCoBrand" << WebPage::FullBrand;
}

void tst_MainWindowActions::eachEntryAndLabelOpensItsPageOnce() {
    QFETCH(QString, control);
    QFETCH(WebPage, page);
    const QString about = QStringLiteral("about:");
    const QString opened = control.startsWith(about) ? openedInAboutBoxBy(control.mid(about.size()))
                                                     : openedBy(control);
    QCOMPARE(opened, WebLinks::address(page));
}

void tst_MainWindowActions::menusByKeyboard_data() {
    QTest::addColumn<Qt::Key>("menuKey");
    QTest::addColumn<Qt::Key>("entryKey");
    QTest::addColumn<WebPage>("page");
    QTest::newRow("Alt+H, O") << Qt::Key_H << Qt::Key_O << WebPage::OnlineHelp;
    QTest::newRow("Alt+H, V") << Qt::Key_H << Qt::Key_V << WebPage::Home;
    QTest::newRow("Alt+H, U") << Qt::Key_H << Qt::Key_U << WebPage::Download;
    QTest::newRow("Alt+D") << Qt::Key_D << Qt::Key_unknown << WebPage::Donate;
}

void tst_MainWindowActions::menusByKeyboard() {
    QFETCH(Qt::Key, menuKey);
    QFETCH(Qt::Key, entryKey);
    QFETCH(WebPage, page);
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    QVERIFY(QTest::qWaitForWindowActive(&h.form));
    QCOMPARE(QApplication::focusWidget(), h.form.findChild<QLineEdit*>("txtName"));

    h.key(menuKey, Qt::AltModifier);
    if (entryKey != Qt::Key_unknown) {
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), entryKey);
    }
    QCOMPARE(onlyPage(desktop.opened), WebLinks::address(page));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    // The mnemonic reached the menu bar, not the name box that had the focus.
    QCOMPARE(h.form.findChild<QLineEdit*>("txtName")->text(), QString());
}

void tst_MainWindowActions::promotionalLabelsLookLikeLinks_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("link");
    QTest::newRow("Label61") << "Label61" << true;
    QTest::newRow("lblCobrand") << "lblCobrand" << true;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << true;
    // The tool's description is clickable but keeps the ordinary look.
    QTest::newRow("Label19") << "Label19" << false;
}

void tst_MainWindowActions::promotionalLabelsLookLikeLinks() {
    QFETCH(QString, label);
    QFETCH(bool, link);
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    const QLabel* w = h.find<QLabel>(label);
    QVERIFY(w);
    QCOMPARE(w->cursor().shape() == Qt::PointingHandCursor, link);
    QCOMPARE(w->font().underline(), link);
    QVERIFY(!w->text().isEmpty());
    if (link) { // our own wording: no address or site name in it
        QVERIFY2(!w->text().contains(QLatin1String("www")) &&
                     !w->text().contains(QLatin1String(".com")) &&
                     !w->text().contains(QLatin1String("http")),
                 qPrintable(w->text()));
    }
}

void tst_MainWindowActions::makeMoneyOnlineCannotBeChosen() {
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    QVERIFY(QTest::qWaitForWindowActive(&h.form));
    auto* mkmoney = h.find<QAction>("mkmoney");
    QVERIFY(mkmoney);
    // Shown on the bar, greyed.
    QVERIFY(h.form.menuBar()->actions().contains(mkmoney));
    QVERIFY(mkmoney->isVisible());
    QVERIFY(!mkmoney->isEnabled());
    QVERIFY(!h.form.menuBar()->actionGeometry(mkmoney).isEmpty());

    mkmoney->trigger();
    QVERIFY(h.choose(QStringLiteral("mkmoney")));
    h.key(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(desktop.opened, QStringList());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);

    // The bar itself answers clicks: its neighbour opens its page.
    QVERIFY(h.choose(QStringLiteral("mnuDonate")));
    QCOMPARE(desktop.opened, QStringList{WebLinks::address(WebPage::Donate)});
}

void tst_MainWindowActions::aboutSoftwareOpensTheAboutBox_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("Alt+H, A") << true;
}

void tst_MainWindowActions::aboutSoftwareOpensTheAboutBox() {
    QFETCH(bool, byKeyboard);
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    QVERIFY(QTest::qWaitForWindowActive(&h.form));
    QString seen;
    const ModalRun run = runModal(
        [&] {
            if (byKeyboard) {
                h.key(Qt::Key_H, Qt::AltModifier);
                if (QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, 2000))
                    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
            } else {
                h.choose(QStringLiteral("mnuHelp"), QStringLiteral("mnuAbout"));
            }
        },
        [&](QDialog& box) {
            seen = box.objectName();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
    QVERIFY(run.opened);
    QCOMPARE(seen, QStringLiteral("frmAbout"));
    QVERIFY(!run.closedByWatchdog);
    QVERIFY(run.box.isNull());
    QVERIFY(h.form.isVisible());
    QCOMPARE(desktop.opened, QStringList());
}

namespace {

// The lines written under "tenvari.ui" while it lives.
struct UiLog {
    UiLog() {
        lines().clear();
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (context.category && QByteArray(context.category) == "tenvari.ui" &&
                    type == QtWarningMsg)
                    lines() << text;
            });
    }
    ~UiLog() { qInstallMessageHandler(previous); }
    static QStringList& lines() {
        static QStringList kept;
        return kept;
    }
    QtMessageHandler previous;
};

} // namespace

void tst_MainWindowActions::failingDesktopStaysSilent() {
    ThrowingLinkOpener desktop;
    Harness h(desktop);
    const UiLog log;
    h.enter(kValid);
    h.click(*h.find("cmdRashi")); // shows Label19
    int tries = 0;
    try {
        for (const char* label : {"Label61", "Label19", "lblCobrand", "lblFullBrand"}) {
            h.click(*h.find(QLatin1String(label)));
            ++tries;
        }
        for (const char* entry : {"mnuOnline", "mnuVisit", "mnuUpdate"}) {
            QVERIFY(h.choose(QStringLiteral("mnuHelp"), QLatin1String(entry)));
            ++tries;
        }
        QVERIFY(h.choose(QStringLiteral("mnuDonate")));
        ++tries;
    } catch (...) {
        QFAIL("a failure of the desktop escaped a click handler");
    }
    // Each click stood alone and reached the desktop; nothing was shown,
    // but each fault was logged with its text.
    QCOMPARE(desktop.calls, tries);
    QCOMPARE(h.messages.shown().size(), 0);
    QCOMPARE(UiLog::lines().size(), tries);
    for (const QString& line : UiLog::lines())
        QVERIFY2(line.contains(QLatin1String("no handler for web addresses")), qPrintable(line));
    // The window still works: back to the input, and a new reading.
    auto* ayanamsa = h.find<QLabel>(QStringLiteral("lblAyanamsa"));
    const QString before = ayanamsa->text();
    h.click(*h.find("cmdBack"));
    QTest::keyClick(h.find<QComboBox>(QStringLiteral("cboYear")), Qt::Key_Down); // 1991
    h.click(*h.find("cmdRashi"));
    QVERIFY(h.form.isVisible());
    QVERIFY(!ayanamsa->text().isEmpty());
    QVERIFY2(ayanamsa->text() != before, qPrintable(before));
    QCOMPARE(h.messages.shown().size(), 0);
}

void tst_MainWindowActions::readingFromMenuMatchesButton_data() {
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("message"); // empty: the reading is shown

    QTest::newRow("valid, east of Greenwich") << kValid << QString();
    QTest::newRow("valid, leap day") << Entry{"RAVI", "Feb", "29", "2000", "12", "0"} << QString();
    QTest::newRow("no name") << Entry{"", "Jan", "1", "1950", "5", "30"}
                             << QStringLiteral("Please Enter Name");
    QTest::newRow("30 February") << Entry{"ANN", "Feb", "30", "1990", "5", "30"}
                                 << QStringLiteral("Please Enter Correct Date Or Month!");
    QTest::newRow("31 April") << Entry{"ANN", "Apr", "31", "1990", "5", "30"}
                              << QStringLiteral("Please Enter Correct Date Or Month !");
}

void tst_MainWindowActions::readingFromMenuMatchesButton() {
    QFETCH(Entry, entry);
    QFETCH(QString, message);

    test::FakeLinkOpener desktop;
    Harness byButton(desktop);
    byButton.enter(entry);
    byButton.click(*byButton.find("cmdRashi"));

    Harness byMenu(desktop);
    byMenu.enter(entry);
    QVERIFY(byMenu.choose(QStringLiteral("mnuFile"), QStringLiteral("mnuNext")));

    // The rows do reach the outcome they are named after.
    if (message.isEmpty()) {
        QCOMPARE(byButton.messagesShown(), QStringList());
        QCOMPARE(byButton.find<QLabel>("lblName")->text(), entry.name);
        QVERIFY(byButton.form.width() > byButton.form.minimumSizeHint().width() / 2);
    } else {
        QCOMPARE(byButton.messages.shown().size(), 1);
        QCOMPARE(byButton.messages.lastText(), message);
    }

    QCOMPARE(byMenu.messagesShown(), byButton.messagesShown());
    QCOMPARE(byMenu.outcome(), byButton.outcome());
    QCOMPARE(byMenu.form.birthMoment().year, byButton.form.birthMoment().year);
    QCOMPARE(desktop.opened, QStringList());
}

void tst_MainWindowActions::exitClosesTheMainForm_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("File > Exit") << false;
    QTest::newRow("Alt+F, X") << true;
}

void tst_MainWindowActions::exitClosesTheMainForm() {
    QFETCH(bool, byKeyboard);
    test::FakeLinkOpener desktop;
    Harness h(desktop);
    QVERIFY(QTest::qWaitForWindowActive(&h.form));
    QSignalSpy closed(&h.form, &FrmMain::closed);
    if (byKeyboard) {
        h.key(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
    } else {
        QVERIFY(h.choose(QStringLiteral("mnuFile"), QStringLiteral("mnuExit")));
    }
    QCOMPARE(closed.count(), 1);
    QVERIFY(!h.form.isVisible());
    QCOMPARE(desktop.opened, QStringList());
    QCOMPARE(h.messages.shown().size(), 0);
}

QTEST_MAIN(tst_MainWindowActions)
#include "tst_mainwindowactions.moc"
