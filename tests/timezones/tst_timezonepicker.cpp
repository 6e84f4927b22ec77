// SPDX-License-Identifier: GPL-3.0-or-later
// The time zone picker as the main form opens it from "TZ Help": where it
// appears, what it shows, what a double-click writes into the zone boxes
// and that nothing else on the form changes.

#include "platform/AppInfo.h"
#include "support/FormDriver.h"
#include "support/ModalRun.h"
#include "widgets/Twips.h"

#include <QListWidget>
#include <QScrollBar>
#include <functional>

using namespace tenvari;
using tenvari::test::FormDriver;
using tenvari::test::ModalRun;
using tenvari::test::runModal;

namespace {

QListWidget* listOf(QWidget& picker) {
    return picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
}

QPushButton* quitOf(QWidget& picker) {
    return picker.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
}

QPoint rowCentre(QListWidget& list, int row) {
    list.scrollToItem(list.item(row));
    return list.visualItemRect(list.item(row)).center();
}

// The colour that covers most of a rectangle of a rendered widget.
QColor dominantColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb best = 0;
    int bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return QColor(best);
}

// A mouse double-click: a click, then the press the system reports as a
// double-click.
void doubleClickRow(QListWidget& list, int row) {
    const QPoint centre = rowCentre(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class tst_TimeZonePicker : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void opensModallyWithAllRowsNoneSelected();
    void layoutAndColours();
    void tabOrder();
    void opensBesideTheLabel_data();
    void opensBesideTheLabel();
    void doubleClickFillsTheZoneBoxes_data();
    void doubleClickFillsTheZoneBoxes();
    void otherWaysOutWriteNothing_data();
    void otherWaysOutWriteNothing();
    void eachOpeningStartsAfresh();

private:
    // Clicks "TZ Help"; `whileOpen` runs inside the picker's modal loop once
    // the picker is active. Returns whether a picker opened. A picker the
    // step left open (a failed check) is closed so the test cannot hang.
    bool openPicker(FormDriver& driver, const std::function<void(QWidget& picker)>& whileOpen);
};

void tst_TimeZonePicker::cleanup() {
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

bool tst_TimeZonePicker::openPicker(FormDriver& driver,
                                    const std::function<void(QWidget& picker)>& whileOpen) {
    const ModalRun run =
        runModal([&] { QTest::mouseClick(driver.child<QLabel>("lblTZHelp"), Qt::LeftButton); },
                 [&](QDialog& picker) {
                     [&] {
                         QVERIFY(QTest::qWaitForWindowActive(&picker));
                         whileOpen(picker);
                     }();
                     if (QApplication::activeModalWidget() == &picker)
                         picker.close();
                 });
    return run.opened;
}

void tst_TimeZonePicker::opensModallyWithAllRowsNoneSelected() {
    FormDriver driver;
    QVERIFY(driver.active);
    QCOMPARE(driver.child<QLabel>("lblTZHelp")->cursor().shape(), Qt::PointingHandCursor);

    const bool opened = openPicker(driver, [&](QWidget& picker) {
        QCOMPARE(picker.objectName(), "FrmTimeZone");
        QCOMPARE(picker.windowTitle(), QString::fromLatin1(kWindowCaption));
        QVERIFY(picker.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(picker.windowModality(), Qt::ApplicationModal);
        QVERIFY(picker.isActiveWindow());
        QVERIFY(!driver.form->isActiveWindow());
        QListWidget* list = listOf(picker);
        QVERIFY(list);
        QCOMPARE(list->count(), 71);
        QCOMPARE(list->item(34)->text(), "Indian Time, IST, -5.30");
        QCOMPARE(list->selectedItems().size(), 0);
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        QCOMPARE(QApplication::focusWidget(), quitOf(picker));
        picker.close();
    });
    QVERIFY(opened);
    QVERIFY(driver.form->isVisible());
}

void tst_TimeZonePicker::layoutAndColours() {
    FormDriver driver;
    QVERIFY(driver.active);
    QVERIFY(openPicker(driver, [](QWidget& picker) {
        QListWidget* list = listOf(picker);
        QPushButton* quit = quitOf(picker);
        // 15 twips to a pixel: window 4950 x 3480, list 0,0,4935,3150,
        // button 0,3140,4935,345.
        QCOMPARE(picker.size(), QSize(330, 232));
        QCOMPARE(list->geometry(), QRect(0, 0, 329, 210));
        QCOMPARE(quit->geometry(), QRect(0, 209, 329, 23));
        QVERIFY(list->font().bold());
        QVERIFY(quit->font().bold());
        QVERIFY(!picker.font().bold());

        const QImage image = picker.grab().toImage();
        const QRect listArea = list->viewport()->geometry().translated(list->pos());
        QCOMPARE(dominantColour(image, listArea), QColor(0, 64, 64));
        QCOMPARE(list->palette().color(QPalette::Text), QColor(192, 255, 192));
        QCOMPARE(dominantColour(image, QRect(329, 0, 1, 200)), QColor(244, 230, 196));
        QCOMPARE(dominantColour(image, quit->geometry().adjusted(2, 2, -2, -2)),
                 QColor(224, 224, 224));
        picker.close();
    }));
}

void tst_TimeZonePicker::tabOrder() {
    FormDriver driver;
    QVERIFY(driver.active);
    QVERIFY(openPicker(driver, [](QWidget& picker) {
        QListWidget* list = listOf(picker);
        QPushButton* quit = quitOf(picker);
        QCOMPARE(QApplication::focusWidget(), quit);
        QTest::keyClick(quit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        // Focus alone selects nothing.
        QCOMPARE(list->selectedItems().size(), 0);
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), quit);
        picker.close();
    }));
}

void tst_TimeZonePicker::opensBesideTheLabel_data() {
    QTest::addColumn<QPoint>("mainWindowAt");
    QTest::addColumn<bool>("pastRightEdge"); // checked where true

    QTest::newRow("where it opened") << QPoint(-1, -1) << false;
    QTest::newRow("top left") << QPoint(0, 0) << false;
    QTest::newRow("moved") << QPoint(150, 90) << false;
    // The picker is not kept on the screen: near the right edge it reaches
    // past it.
    QTest::newRow("near the right edge") << QPoint(700, 40) << true;
}

// Just beyond the lower right corner of "TZ Help": 4785 twips right of and
// 4590 twips below the main window's outer corner.
void tst_TimeZonePicker::opensBesideTheLabel() {
    QFETCH(QPoint, mainWindowAt);
    QFETCH(bool, pastRightEdge);

    FormDriver driver;
    QVERIFY(driver.active);
    if (mainWindowAt != QPoint(-1, -1))
        driver.form->move(mainWindowAt);
    const QPoint corner = driver.form->frameGeometry().topLeft();

    QRect picked;
    QVERIFY(openPicker(driver, [&](QWidget& picker) {
        picked = picker.frameGeometry();
        picker.close();
    }));
    QCOMPARE(picked.topLeft() - corner, QPoint(twips(4785), twips(4590)));
    if (pastRightEdge)
        QVERIFY(picked.right() > driver.form->screen()->geometry().right());
}

void tst_TimeZonePicker::doubleClickFillsTheZoneBoxes_data() {
    QTest::addColumn<QString>("rowText");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");

    QTest::newRow("Indian Time") << "Indian Time, IST, -5.30"
                                 << "" << false << "-5"
                                 << "-30";
    QTest::newRow("Newfoundland") << "Newfoundland Standard Time,NST,3.30"
                                  << "" << false << "3"
                                  << "30";
    QTest::newRow("Greenwich") << "Greenwich Mean Time,GMT,0.0"
                               << "" << false << "0"
                               << "0";
    QTest::newRow("Universal") << "Universal Time, UT, 0#"
                               << "" << false << "0"
                               << "0";
    QTest::newRow("Azores") << "Azores Time, AT, 2#"
                            << "" << false << "2"
                            << "0";
    QTest::newRow("Eastern Daylight, DST off stays off") << "Eastern Daylight Time,EDT,4.0"
                                                         << "" << false << "4"
                                                         << "0";
    QTest::newRow("Eastern Daylight, DST on stays on") << "Eastern Daylight Time,EDT,4.0"
                                                       << "" << true << "4"
                                                       << "0";
    QTest::newRow("extreme east, further down the list") << "New Zealand Std Summer Time,NZST,-13.0"
                                                         << "" << false << "-13"
                                                         << "0";
    QTest::newRow("last row") << "Yukon War Time,YWT,8.0"
                              << "" << false << "8"
                              << "0";
    QTest::newRow("replaces typed values") << "Indian Time, IST, -5.30"
                                           << "12" << false << "-5"
                                           << "-30";
}

void tst_TimeZonePicker::doubleClickFillsTheZoneBoxes() {
    QFETCH(QString, rowText);
    QFETCH(QString, before);
    QFETCH(bool, dst);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);

    FormDriver driver;
    QVERIFY(driver.active);
    if (!before.isEmpty()) {
        driver.type("txtZoneHour", before);
        driver.type("txtZoneMinute", before);
    }
    if (dst)
        driver.child<QCheckBox>("chkDST")->setChecked(true);
    driver.type("txtLonD", "75");

    QVERIFY(openPicker(driver, [&](QWidget& picker) {
        QListWidget* list = listOf(picker);
        const QList<QListWidgetItem*> found = list->findItems(rowText, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        doubleClickRow(*list, list->row(found.first()));
        QVERIFY2(!picker.isVisible(), "a double-click closes the picker");
    }));

    QCOMPARE(driver.box("txtZoneHour")->text(), hours);
    QCOMPARE(driver.box("txtZoneMinute")->text(), minutes);
    // Written, not typed: no filter spoke, even for "-30" in the minutes.
    QCOMPARE(driver.messages.shown().size(), 0);
    QCOMPARE(driver.child<QCheckBox>("chkDST")->isChecked(), dst);
    QCOMPARE(driver.box("txtLonD")->text(), "75");
    QCOMPARE(driver.box("txtLonM")->text(), "1");
    QVERIFY(driver.child<QRadioButton>("optLong_0")->isChecked());
    QCOMPARE(driver.box("txtName")->text(), "");
}

void tst_TimeZonePicker::otherWaysOutWriteNothing_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("selectRow");

    QTest::newRow("Quit") << "quit" << -1;
    QTest::newRow("Quit after selecting a row") << "quit" << 34;
    QTest::newRow("Enter") << "enter" << -1;
    QTest::newRow("Enter on a selected row") << "enter" << 34;
    QTest::newRow("Esc on a selected row") << "esc" << 11;
    QTest::newRow("Alt+Q on a selected row") << "alt+q" << 11;
    QTest::newRow("window closed with a row selected") << "close" << 11;
}

void tst_TimeZonePicker::otherWaysOutWriteNothing() {
    QFETCH(QString, way);
    QFETCH(int, selectRow);

    FormDriver driver;
    QVERIFY(driver.active);
    driver.type("txtZoneHour", "7");
    driver.type("txtZoneMinute", "15");

    QVERIFY(openPicker(driver, [&](QWidget& picker) {
        QListWidget* list = listOf(picker);
        if (selectRow >= 0) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(*list, selectRow));
            QCOMPARE(list->currentRow(), selectRow);
        }
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (way == "quit")
            QTest::mouseClick(quitOf(picker), Qt::LeftButton);
        else if (way == "enter")
            QTest::keyClick(focus, Qt::Key_Return);
        else if (way == "esc")
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (way == "alt+q")
            QTest::keyClick(focus, Qt::Key_Q, Qt::AltModifier);
        else if (way == "close")
            picker.close();
        // A mnemonic presses its button with a short animation.
        QTRY_VERIFY2(!picker.isVisible(), "the picker stayed open");
    }));

    QCOMPARE(driver.box("txtZoneHour")->text(), "7");
    QCOMPARE(driver.box("txtZoneMinute")->text(), "15");
    QCOMPARE(driver.messages.shown().size(), 0);
}

// Nothing survives a closing: neither the selection nor the scroll position.
void tst_TimeZonePicker::eachOpeningStartsAfresh() {
    FormDriver driver;
    QVERIFY(driver.active);

    QVERIFY(openPicker(driver, [&](QWidget& picker) {
        QListWidget* list = listOf(picker);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(*list, 70));
        QVERIFY(list->verticalScrollBar()->value() > 0);
        QTest::mouseClick(quitOf(picker), Qt::LeftButton);
    }));
    QVERIFY(openPicker(driver, [&](QWidget& picker) {
        QListWidget* list = listOf(picker);
        QCOMPARE(list->count(), 71);
        QCOMPARE(list->selectedItems().size(), 0);
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        doubleClickRow(*list, 50);
    }));
    QCOMPARE(driver.box("txtZoneHour")->text(), "3");
    QCOMPARE(driver.box("txtZoneMinute")->text(), "30");
}

QTEST_MAIN(tst_TimeZonePicker)
#include "tst_timezonepicker.moc"
