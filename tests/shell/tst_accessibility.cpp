// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as assistive technology and a keyboard user meet it: names
// for every control that takes the focus, windows that say what they are,
// the result announced after a reading, links that a screen reader can
// press, Enter on a focused button, and a result that can be selected and
// copied.

#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "reading/FrmMain.h"
#include "shell/ExitApplication.h"
#include "shell/FrmAbout.h"
#include "shell/FrmExitScreen.h"
#include "shell/MainWindowActions.h"
#include "support/FakeClock.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/FormDriver.h"
#include "support/ModalRun.h"
#include "timezones/FrmTimeZone.h"
#include "widgets/Accessibility.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <memory>

using namespace tenvari;
using namespace tenvari::test;

namespace {

// The windows of the program, each built as its opener builds it, with
// fakes for the desktop.
struct Windows {
    Windows() : links(desktop), exitApplication([this](int status) { ended << status; }) {}

    // Shows the window of that name ("frmMain", "frmMain after a reading",
    // "frmAbout", "FrmTimeZone", "frmExitScreen") and returns it.
    QWidget* open(const QString& which) {
        if (which.startsWith(QLatin1String("frmMain"))) {
            auto* form = new FrmMain(messages);
            connectMainWindowActions(*form, links);
            window.reset(form);
        } else if (which == QLatin1String("frmAbout")) {
            window = std::make_unique<FrmAbout>(links);
        } else if (which == QLatin1String("FrmTimeZone")) {
            window = std::make_unique<FrmTimeZone>(zoneHour, zoneMinute);
        } else {
            window = std::make_unique<FrmExitScreen>(messages, links, clock, exitApplication);
        }
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        if (which.endsWith(QLatin1String("after a reading"))) {
            QTest::keyClicks(find<QLineEdit>("txtName"), QStringLiteral("RAVI"));
            find<QPushButton>("cmdRashi")->click();
        }
        return window.get();
    }

    template <class W = QWidget> W* find(const QString& name) const {
        return window->findChild<W*>(name);
    }

    FakeLinkOpener desktop;
    WebLinks links;
    FakeMessageService messages;
    FakeClock clock;
    QList<int> ended;
    ExitApplication exitApplication;
    QLineEdit zoneHour;
    QLineEdit zoneMinute;
    std::unique_ptr<QWidget> window;
};

QString nameOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The events assistive technology is sent while a test listens (Qt drops
// them on the offscreen platform).
QList<std::pair<QAccessible::Event, QString>> heard;
QPointer<QObject> listenedTo;

void recordEvent(QAccessibleEvent* event) {
    if (event->object() != listenedTo)
        return;
    QString text;
    if (event->type() == QAccessible::TextInserted)
        text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
    heard.append({event->type(), text});
}

} // namespace

Q_DECLARE_METATYPE(QAccessible::Role)

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void names_data();
    void names();
    void readingAnnouncesTheResult();
    void pressActionClicks_data();
    void pressActionClicks();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void resultCanBeCopied();
};

void tst_Accessibility::cleanup() {
    setAccessibilityListener(nullptr);
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void tst_Accessibility::names_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << "frmMain" << QAccessible::Window
                                 << QString::fromLatin1(kWindowCaption);
    QTest::newRow("main window, result layout")
        << "frmMain after a reading" << QAccessible::Window << QString::fromLatin1(kWindowCaption);
    QTest::newRow("about box") << "frmAbout" << QAccessible::Dialog
                               << QStringLiteral("About ") + QString::fromLatin1(kWindowCaption);
    QTest::newRow("time zone picker") << "FrmTimeZone" << QAccessible::Dialog << "Time zones";
    QTest::newRow("exit screen") << "frmExitScreen" << QAccessible::Window
                                 << QString::fromLatin1(kWindowCaption);
}

// Every control that takes the focus has a name; every one a user can
// reach (by Tab, or by a click where it can be seen) has one of its own,
// and one that says "hidden" when it lies out of sight.
void tst_Accessibility::names() {
    QFETCH(QString, window);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    Windows w;
    QWidget* shown = w.open(window);
    QVERIFY(shown);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(shown);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);

    QStringList names;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(shown))
            continue;
        const QString spoken = nameOf(control);
        QVERIFY2(!spoken.isEmpty(), qPrintable(control->objectName()));
        const bool inSight = !visiblePart(*control).isEmpty();
        // Out of sight and off the tab chain, a control is still read by a
        // screen reader while it is shown: its name must not repeat another.
        QVERIFY2(!names.contains(spoken), qPrintable(spoken));
        names << spoken;
        if (!inSight && !(control->focusPolicy() & Qt::TabFocus))
            continue;
        // "&Back" is out of sight only until a reading.
        if (!inSight && window != QLatin1String("frmMain"))
            QVERIFY2(spoken.contains(QLatin1String("(hidden")), qPrintable(spoken));
    }
    // The result panel is a panel, named.
    if (window.startsWith(QLatin1String("frmMain"))) {
        QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(w.find("Frame6"));
        QCOMPARE(panel->role(), QAccessible::Grouping);
        QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Result"));
    }
    // Main window: 24 tab stops, and the 5 values of a reading.
    const int expected = window == QLatin1String("frmMain after a reading") ? 29
                         : window == QLatin1String("frmMain")               ? 24
                                                                            : 1;
    QVERIFY2(names.size() >= expected, qPrintable(names.join(QLatin1Char('|'))));
}

void tst_Accessibility::readingAnnouncesTheResult() {
    Windows w;
    QVERIFY(w.open(QStringLiteral("frmMain")));
    auto* ayanamsa = w.find<QLabel>("lblAyanamsa");
    // Before any reading the design-time text is not read out.
    QCOMPARE(nameOf(ayanamsa), QStringLiteral("Ayanamsa"));

    setAccessibilityListener(recordEvent);
    heard.clear();
    listenedTo = ayanamsa;
    QTest::keyClicks(w.find<QLineEdit>("txtName"), QStringLiteral("RAVI"));
    auto* button = w.find<QPushButton>("cmdRashi");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);

    const QString value = ayanamsa->text();
    QVERIFY(value.endsWith(QLatin1Char('"')));
    QVERIFY(heard.contains(std::pair{QAccessible::TextInserted, value}));
    QCOMPARE(nameOf(ayanamsa), QStringLiteral("Ayanamsa: ") + value);
    QCOMPARE(QApplication::focusWidget(), button);
}

void tst_Accessibility::pressActionClicks_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("opens"); // a page, or the picker
    const auto page = [](WebPage p) { return WebLinks::address(p); };
    QTest::newRow("community banner") << "frmMain"
                                      << "Label61" << page(WebPage::Home);
    QTest::newRow("description") << "frmMain"
                                 << "Label19" << page(WebPage::CoBrand);
    QTest::newRow("co-brand offer") << "frmMain"
                                    << "lblCobrand" << page(WebPage::CoBrand);
    QTest::newRow("full-brand offer") << "frmMain"
                                      << "lblFullBrand" << page(WebPage::FullBrand);
    QTest::newRow("TZ Help") << "frmMain"
                             << "lblTZHelp"
                             << "FrmTimeZone";
    QTest::newRow("about box home page") << "frmAbout"
                                         << "lblHomePage" << page(WebPage::Home);
    QTest::newRow("about box offer") << "frmAbout"
                                     << "lblCoBrand" << page(WebPage::FullBrand);
    QTest::newRow("exit screen software") << "frmExitScreen"
                                          << "lblGoToHome" << page(WebPage::Products);
}

void tst_Accessibility::pressActionClicks() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(QString, opens);
    Windows w;
    QVERIFY(w.open(window));
    auto* link = w.find<QLabel>(label);
    QVERIFY(link);
    // Reached through assistive technology, not through a new tab stop or
    // shortcut.
    QCOMPARE(link->focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(iface->text(QAccessible::Name), link->text()); // not its frame's caption
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions);
    const QString press = QAccessibleActionInterface::pressAction();
    QVERIFY(actions->actionNames().contains(press));
    QVERIFY(actions->keyBindingsForAction(press).isEmpty());

    if (opens == QLatin1String("FrmTimeZone")) {
        QString opened;
        runModal(
            [&] {
                actions->doAction(press);
                QVERIFY(QTest::qWaitFor([&] { return !opened.isEmpty(); }, 2000));
            },
            [&](QDialog& modal) {
                opened = modal.objectName();
                modal.reject();
            });
        QCOMPARE(opened, opens);
    } else {
        actions->doAction(press);
        QTRY_COMPARE(w.desktop.opened, QStringList{opens});
    }
}

void tst_Accessibility::enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::Key>("key");
    for (const char* name : {"cmdRashi", "cmdBack", "cmdBrowser"})
        QTest::newRow(name) << "frmMain" << name << Qt::Key_Return;
    QTest::newRow("cmdRashi, keypad Enter") << "frmMain"
                                            << "cmdRashi" << Qt::Key_Enter;
    QTest::newRow("cmdOK") << "frmAbout"
                           << "cmdOK" << Qt::Key_Return;
    QTest::newRow("cmdQuit") << "FrmTimeZone"
                             << "cmdQuit" << Qt::Key_Return;
    QTest::newRow("cmdSubmit") << "frmExitScreen"
                               << "cmdSubmit" << Qt::Key_Return;
    QTest::newRow("cmdClose") << "frmExitScreen"
                              << "cmdClose" << Qt::Key_Return;
}

void tst_Accessibility::enterPressesTheFocusedButton() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(Qt::Key, key);
    Windows w;
    QVERIFY(w.open(window));
    auto* target = w.find<QPushButton>(button);
    target->setFocus();
    QVERIFY(target->hasFocus());
    QSignalSpy clicked(target, &QPushButton::clicked);
    QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicked.count(), 1);
}

void tst_Accessibility::resultCanBeCopied() {
    Windows w;
    QVERIFY(w.open(QStringLiteral("frmMain after a reading")));
    auto* ayanamsa = w.find<QLabel>("lblAyanamsa");
    const QString value = ayanamsa->text();
    QVERIFY(!value.isEmpty());

    // Clicked, then selected with the keyboard and copied.
    QTest::mouseClick(ayanamsa, Qt::LeftButton, {}, QPoint(2, ayanamsa->height() / 2));
    QVERIFY(ayanamsa->hasFocus());
    QTest::keyClick(ayanamsa, Qt::Key_Home);
    QTest::keyClick(ayanamsa, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(ayanamsa->selectedText(), value);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(ayanamsa, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), value);

    // The context menu's Copy, with nothing selected: the whole value.
    ayanamsa->setSelection(0, 0);
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                ayanamsa->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(ayanamsa, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* copy = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Copy")))
            copy = action;
    QVERIFY(copy && copy->isEnabled());
    copy->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), value);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
