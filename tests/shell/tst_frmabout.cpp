// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/WebLinks.h"
#include "platform/AppInfo.h"
#include "reading/FrmMain.h"
#include "shell/FrmAbout.h"
#include "shell/MainWindowActions.h"
#include "support/FakeLinkOpener.h"
#include "support/FakeMessageService.h"
#include "support/ModalRun.h"
#include "widgets/AppIcon.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>

using namespace tenvari;
using test::ModalRun;
using test::runModal;

namespace {

// Everything a user can read off the box: each control's text and place.
QStringList contentOf(const QDialog& box) {
    QStringList content{box.windowTitle()};
    for (const QWidget* w : box.findChildren<QWidget*>()) {
        const QRect g = w->geometry();
        content << QStringLiteral("%1 \"%2\" %3,%4 %5x%6")
                       .arg(w->objectName(), w->property("text").toString())
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height());
    }
    return content;
}

// How many pixels of the area are within `tolerance` of the colour in
// every channel.
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 0) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            count += qAbs(p.red() - colour.red()) <= tolerance &&
                     qAbs(p.green() - colour.green()) <= tolerance &&
                     qAbs(p.blue() - colour.blue()) <= tolerance;
        }
    return count;
}

// How many pixels of the area are text drawn in `ink` on `paper`: smoothed
// text blends the two, so a pixel counts when it lies on the way from paper
// to ink, at least half way.
int inkPixels(const QImage& image, const QRect& area, const QColor& ink, const QColor& paper) {
    constexpr int kTolerance = 6;
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    const int span[3] = {ink.red() - paper.red(), ink.green() - paper.green(),
                         ink.blue() - paper.blue()};
    const int widest =
        *std::max_element(span, span + 3, [](int a, int b) { return qAbs(a) < qAbs(b); });
    const int channel = int(std::find(span, span + 3, widest) - span);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            const int got[3] = {p.red(), p.green(), p.blue()};
            const int from[3] = {paper.red(), paper.green(), paper.blue()};
            const double share = double(got[channel] - from[channel]) / span[channel];
            if (share < 0.5 || share > 1.0)
                continue;
            bool onTheWay = true;
            for (int c = 0; c < 3; ++c)
                onTheWay = onTheWay && qAbs(got[c] - (from[c] + share * span[c])) <= kTolerance;
            count += onTheWay;
        }
    return count;
}

// What the main form's fields hold, hidden ones included.
QStringList fieldsOf(const QWidget& form) {
    QStringList fields;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>())
        fields << box->objectName() + QLatin1Char('=') + box->text();
    for (const QComboBox* list : form.findChildren<QComboBox*>())
        fields << list->objectName() + QLatin1Char('=') + list->currentText();
    for (const QAbstractButton* choice : form.findChildren<QAbstractButton*>())
        if (choice->isCheckable())
            fields << choice->objectName() + QLatin1Char('=') +
                          QString::number(choice->isChecked());
    return fields;
}

QPoint centreInWindow(const QWidget& w) {
    return w.mapTo(w.window(), w.rect().center());
}

} // namespace

class tst_FrmAbout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsItsContent_data();
    void showsItsContent();
    void colours_data();
    void colours();
    void opensModalCentredWithFocusOnOK();
    void closesAndIsDiscarded_data();
    void closesAndIsDiscarded();
    void linksOpenTheirPageAndLeaveTheBoxOpen_data();
    void linksOpenTheirPageAndLeaveTheBoxOpen();
    void secondOpeningShowsTheSameBox();
    void mainFormTakesNoInputWhileOpen();
    void iconPixmaps_data();
    void iconPixmaps();

private:
    test::FakeLinkOpener desktop_;
};

void tst_FrmAbout::init() {
    desktop_.opened.clear();
}

void tst_FrmAbout::cleanup() {
    // A leaked or half-closed box would show up here.
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(w->objectName() != QLatin1String("frmAbout"), "an about box outlived its run");
}

void tst_FrmAbout::showsItsContent_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Label2") << "Label2" << QString::fromLatin1(kWindowCaption) << true;
    QTest::newRow("Label1")
        << "Label1"
        << "The Tenvari calculates the Ayanamsa for a particular place for a given date and "
           "time. This tool is based on the Lahiri Ayanamsa. Ayanamsa (ayana means \"movement\" "
           "and amsa means \"part\") means the longitudinal difference between the tropical and "
           "sidereal zodiacs."
        << false;
    QTest::newRow("lblHomePage") << "lblHomePage"
                                 << QStringLiteral("Click here to visit ") +
                                        WebLinks::address(WebPage::Home)
                                 << false;
    QTest::newRow("Label3") << "Label3"
                            << "Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your "
                               "website."
                            << true;
    QTest::newRow("lblCoBrand") << "lblCoBrand"
                                << "Click here for more details" << false;
    QTest::newRow("cmdOK") << "cmdOK"
                           << "&OK" << true;
}

void tst_FrmAbout::showsItsContent() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, bold);

    WebLinks links(desktop_);
    FrmAbout box(links);
    box.show();
    const QWidget* w = box.findChild<QWidget*>(control);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->property("text").toString(), text);
    QCOMPARE(w->font().bold(), bold);
    // All of it can be read: a wrapped text fits the height it was given.
    if (auto* label = qobject_cast<const QLabel*>(w))
        QVERIFY2(label->heightForWidth(label->width()) <= label->height() ||
                     label->sizeHint().width() <= label->width(),
                 qPrintable(control + QLatin1String(" is cut off")));
}

void tst_FrmAbout::colours_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("text");
    QTest::newRow("teal background") << "frmAbout" << look::kTeal << false;
    QTest::newRow("Label2 text") << "Label2" << look::kCyanText << true;
    QTest::newRow("Label1 text") << "Label1" << look::kCyanText << true;
    QTest::newRow("Label3 text") << "Label3" << look::kCyanText << true;
    QTest::newRow("lblHomePage text") << "lblHomePage" << look::kPaleGreen << true;
    QTest::newRow("lblCoBrand text") << "lblCoBrand" << look::kPaleGreen << true;
    QTest::newRow("Line2") << "Line2" << look::kPaleGreen << false;
    QTest::newRow("cmdOK face") << "cmdOK" << look::kLightGrey << false;
}

void tst_FrmAbout::colours() {
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QFETCH(bool, text);

    WebLinks links(desktop_);
    FrmAbout box(links);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();
    QWidget* w = control == box.objectName() ? &box : box.findChild<QWidget*>(control);
    QVERIFY(w);
    const QRect area = w == &box ? box.rect() : QRect(w->mapTo(&box, QPoint()), w->size());
    // A colour the control really shows, not only one in its palette. The
    // button's face may be shaded a little by the style.
    const int found =
        text ? inkPixels(image, area, colour, look::kTeal)
             : pixelsNear(image, area, colour, w == box.findChild<QWidget*>("cmdOK") ? 12 : 0);
    const int needed = text ? 10 : qMin(area.width(), image.width()) / 2;
    QVERIFY2(found >= needed, qPrintable(QStringLiteral("%1 pixels of %2 in %3, wanted %4")
                                             .arg(found)
                                             .arg(colour.name(), control)
                                             .arg(needed)));
    if (control == QLatin1String("Line2")) {
        // The rule runs across the whole width at 3480 twips.
        QCOMPARE(image.pixelColor(1, twips(3480)).rgb(), colour.rgb());
        QCOMPARE(image.pixelColor(box.width() - 2, twips(3480)).rgb(), colour.rgb());
    }
}

void tst_FrmAbout::opensModalCentredWithFocusOnOK() {
    WebLinks links(desktop_);
    const ModalRun run = runModal(
        [&] { FrmAbout::showModal(links); },
        [](QDialog& box) {
            QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(box.windowTitle(), QString::fromLatin1(kWindowCaption));
            QCOMPARE(box.windowModality(), Qt::ApplicationModal);
            QCOMPARE(box.parentWidget(), nullptr);
            QVERIFY(!box.windowIcon().isNull());

            const Qt::WindowFlags flags = box.windowFlags();
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QCOMPARE(box.minimumSize(), box.maximumSize());
            QCOMPARE(box.size(), twipsSize(6015, 4050));

            const QRect screen = box.screen()->availableGeometry();
            const QPoint offset = box.frameGeometry().center() - screen.center();
            QVERIFY2(
                offset.manhattanLength() <= 2,
                qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));

            auto* ok = box.findChild<QPushButton*>("cmdOK");
            QVERIFY(ok);
            QVERIFY(ok->isDefault());
            QTRY_COMPARE(QApplication::focusWidget(), ok);
            QTest::keyClick(ok, Qt::Key_Return);
        });
    QVERIFY(run.opened);
    QVERIFY(!run.closedByWatchdog);
}

void tst_FrmAbout::closesAndIsDiscarded_data() {
    QTest::addColumn<QString>("how");
    for (const char* how :
         {"click OK", "Enter", "keypad Enter", "Escape", "Space on OK", "Alt+O", "close button"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void tst_FrmAbout::closesAndIsDiscarded() {
    QFETCH(QString, how);
    WebLinks links(desktop_);
    const ModalRun run =
        runModal([&] { FrmAbout::showModal(links); },
                 [&](QDialog& box) {
                     QVERIFY(QTest::qWaitForWindowActive(&box));
                     QWindow* window = box.windowHandle();
                     if (how == QLatin1String("click OK"))
                         QTest::mouseClick(window, Qt::LeftButton, {},
                                           centreInWindow(*box.findChild<QPushButton*>("cmdOK")));
                     else if (how == QLatin1String("Enter"))
                         QTest::keyClick(window, Qt::Key_Return);
                     else if (how == QLatin1String("keypad Enter"))
                         QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
                     else if (how == QLatin1String("Escape"))
                         QTest::keyClick(window, Qt::Key_Escape);
                     else if (how == QLatin1String("Space on OK"))
                         QTest::keyClick(window, Qt::Key_Space);
                     else if (how == QLatin1String("Alt+O"))
                         QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
                     else if (how == QLatin1String("close button"))
                         window->close(); // the route of the title bar's button
                 });
    QVERIFY(run.opened);
    QVERIFY2(!run.closedByWatchdog, "the box stayed open");
    QVERIFY2(run.box.isNull(), "the closed box was kept");
    QVERIFY(desktop_.opened.isEmpty());
}

void tst_FrmAbout::linksOpenTheirPageAndLeaveTheBoxOpen_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<WebPage>("page");
    QTest::newRow("lblHomePage: the maker's home") << "lblHomePage" << WebPage::Home;
    // The offer under Label3 is the fully branded edition, not co-branding.
    QTest::newRow("lblCoBrand: fully branded edition") << "lblCoBrand" << WebPage::FullBrand;
}

void tst_FrmAbout::linksOpenTheirPageAndLeaveTheBoxOpen() {
    QFETCH(QString, link);
    QFETCH(WebPage, page);
    WebLinks links(desktop_);
    const ModalRun run = runModal(
        [&] { FrmAbout::showModal(links); },
        [&](QDialog& box) {
            auto* label = box.findChild<QLabel*>(link);
            QVERIFY(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, centreInWindow(*label));
            QCOMPARE(desktop_.opened, QStringList{WebLinks::address(page)});
            QVERIFY(box.isVisible());
            QCOMPARE(QApplication::activeModalWidget(), &box);
            box.findChild<QPushButton*>("cmdOK")->click();
        });
    QVERIFY(run.opened);
    QVERIFY(!run.closedByWatchdog);
    QCOMPARE(desktop_.opened.size(), 1);
}

void tst_FrmAbout::secondOpeningShowsTheSameBox() {
    WebLinks links(desktop_);
    QStringList content[2];
    QImage looks[2];
    for (int opening = 0; opening < 2; ++opening) {
        const ModalRun run = runModal(
            [&] { FrmAbout::showModal(links); },
            [&](QDialog& box) {
                QVERIFY(QTest::qWaitForWindowExposed(&box));
                content[opening] = contentOf(box);
                looks[opening] = box.grab().toImage();
                if (opening == 0) // leave something behind, if a box could keep it
                    QTest::mouseClick(box.findChild<QLabel*>("lblCoBrand"), Qt::LeftButton);
                QTest::keyClick(box.windowHandle(), Qt::Key_Return);
            });
        QVERIFY(run.opened);
        QVERIFY(!run.closedByWatchdog);
    }
    QVERIFY(content[0].size() > 8);
    QCOMPARE(content[1], content[0]);
    QVERIFY(looks[0] == looks[1]);
}

void tst_FrmAbout::mainFormTakesNoInputWhileOpen() {
    test::FakeMessageService messages;
    WebLinks links(desktop_);
    FrmMain form(messages);
    connectMainWindowActions(form, links);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    auto* name = form.findChild<QLineEdit*>("txtName");
    QTest::keyClicks(name, "ANN");
    QTest::keyClicks(form.findChild<QLineEdit*>("txtZoneHour"), "5");
    auto* month = form.findChild<QComboBox*>("cboMonth");
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Down);
    QTest::keyClick(month, Qt::Key_Down);
    name->setFocus();
    const QStringList before = fieldsOf(form);
    QVERIFY(before.contains(QLatin1String("txtName=ANN")));
    QVERIFY(before.contains(QLatin1String("cboMonth=March")));

    QWindow* mainWindow = form.windowHandle();
    auto* reading = form.findChild<QPushButton*>("cmdRashi");
    auto* banner = form.findChild<QLabel*>("Label61");
    QVERIFY(reading && banner);

    const ModalRun run =
        runModal([&] { form.findChild<QAction*>("mnuAbout")->trigger(); },
                 [&](QDialog& box) {
                     QCOMPARE(QApplication::activeModalWidget(), &box);
                     QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
                     // What the user aims at the main form goes nowhere.
                     QTest::keyClick(mainWindow, Qt::Key_B);
                     QTest::mouseClick(mainWindow, Qt::LeftButton, {}, centreInWindow(*reading));
                     QTest::mouseClick(mainWindow, Qt::LeftButton, {}, centreInWindow(*banner));
                     QTest::keyClick(mainWindow, Qt::Key_F, Qt::AltModifier);
                     QCOMPARE(QApplication::activePopupWidget(), nullptr);
                     QTest::keyClick(box.windowHandle(), Qt::Key_Return);
                 });
    QVERIFY(run.opened);
    QVERIFY(!run.closedByWatchdog);

    QCOMPARE(fieldsOf(form), before);
    QCOMPARE(messages.shown().size(), 0);
    QCOMPARE(desktop_.opened, QStringList());
    QCOMPARE(form.findChild<QLabel*>("lblAyanamsa")->text(), QStringLiteral("Label1"));

    // With the box gone, the same clicks reach the form again.
    QTest::mouseClick(mainWindow, Qt::LeftButton, {}, centreInWindow(*banner));
    QCOMPARE(desktop_.opened, QStringList{WebLinks::address(WebPage::Home)});
}

void tst_FrmAbout::iconPixmaps_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64})
        QTest::addRow("%d px", size) << size;
}

void tst_FrmAbout::iconPixmaps() {
    QFETCH(int, size);
    const QImage image = appIconPixmap(size).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    // A round picture: clear corners, an opaque teal dial inside.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size * 3 / 4)), 255);
    QVERIFY(pixelsNear(image, image.rect(), look::kTeal) > 0);

    QVERIFY(appIcon().availableSizes().contains(QSize(size, size)));
    QVERIFY(appIconPixmap(0).isNull());
}

QTEST_MAIN(tst_FrmAbout)
#include "tst_frmabout.moc"
