// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: its lists, its record, the tab order through
// the controls out of sight, what each layout shows, the Back command, the
// menus and links, and the wiring of the keystroke filters, the place
// check and the time zone picker.

#include "platform/AppInfo.h"
#include "support/FormDriver.h"
#include "support/ModalRun.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

using namespace tenvari;
using namespace tenvari::test;

class tst_FrmMainLoad : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void lists_data();
    void lists();
    void openState();
    void recordFollowsControls();
    void tabOrder_data();
    void tabOrder();
    void layoutShows_data();
    void layoutShows();
    void back_data();
    void back();
    void links_data();
    void links();
    void menuBar();
    void keystrokeFilters_data();
    void keystrokeFilters();
    void placeButtonChecksThePlace();
    void zoneHelpOpensPickerBesideLabel();
};

void tst_FrmMainLoad::lists_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("expected"); // count, first, tenth, last
    QTest::newRow("months") << "cboMonth" << QStringList{"12", "January", "October", "December"};
    QTest::newRow("days") << "cboDate" << QStringList{"31", "1", "10", "31"};
    QTest::newRow("years") << "cboYear" << QStringList{"150", "1901", "1910", "2050"};
    QTest::newRow("hours") << "cboHH" << QStringList{"24", "0", "9", "23"};
    QTest::newRow("minutes") << "cboMM" << QStringList{"60", "0", "9", "59"};
    QTest::newRow("seconds") << "cboSS" << QStringList{"60", "0", "9", "59"};
}

void tst_FrmMainLoad::lists() {
    QFETCH(QString, list);
    QFETCH(QStringList, expected);
    FormDriver f;
    const QComboBox* combo = f.child<QComboBox>(qPrintable(list));
    QVERIFY(combo && !combo->isEditable());
    const auto contents = [combo] {
        return QStringList{QString::number(combo->count()), combo->itemText(0), combo->itemText(9),
                           combo->itemText(combo->count() - 1)};
    };
    QCOMPARE(contents(), expected);
    QCOMPARE(combo->currentText(), expected.at(1)); // the first entry is shown
    // Whatever the month, the day list keeps its 31 days.
    f.pick("cboMonth", QStringLiteral("February"));
    QCOMPARE(contents(), expected);
}

void tst_FrmMainLoad::openState() {
    FormDriver f;
    QVERIFY(f.active);
    QCOMPARE(f.form->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(f.form->windowTitle(), QString::fromLatin1(kWindowCaption));
    QCOMPARE(f.form->width(), twips(kInputClientTwips));
    QCOMPARE(f.form->centralWidget()->height(), twips(kMainClientHeight));
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize()); // not resizable
    QVERIFY(centredHorizontally(*f.form));
    QCOMPARE(f.focusName(), QStringLiteral("txtName"));
    QVERIFY(f.messages.shown().isEmpty());
    QCOMPARE(describe(f.form->birthData()),
             QStringLiteral("'' 1/1/1901 0:0:0 place a/a/a lat 1/1 N lon 1/1 E zone ''/'' dst 0"));
    QCOMPARE(describe(f.form->birthMoment()),
             QStringLiteral("0/0/0 0:0 zone 0h0m lon 0d0m east 0 dst 0"));
}

void tst_FrmMainLoad::recordFollowsControls() {
    FormDriver f;
    f.type("txtName", QStringLiteral("ravi"));
    f.setDate(QStringLiteral("September"), 30, 1999);
    f.setTime(23, 59);
    f.pick("cboSS", QStringLiteral("58"));
    f.type("txtZoneHour", QStringLiteral("-5"));
    f.paste("txtZoneMinute", QStringLiteral(" -30"));
    for (const auto& [box, text] : {std::pair{"txtLonD", "77"},
                                    {"txtLonM", "13"},
                                    {"txtLatD", "28"},
                                    {"txtLatM", "36"},
                                    {"txtMCity", "Delhi"},
                                    {"txtMState", ""},
                                    {"txtMCountry", "India"}})
        f.paste(box, QString::fromLatin1(text));
    f.choose("optLong_1");
    f.choose("optLat_1");
    f.child<QCheckBox>("chkDST")->setCheckState(Qt::PartiallyChecked);

    // Texts as typed (not trimmed); a greyed box counts as checked.
    QCOMPARE(describe(f.form->birthData()),
             QStringLiteral("'RAVI' 30/9/1999 23:59:58 place Delhi//India lat 28/36 S lon 77/13 W "
                            "zone '-5'/' -30' dst 1"));
    // Each option pair holds one choice.
    QVERIFY(!f.child<QRadioButton>("optLong_0")->isChecked());
    QVERIFY(!f.child<QRadioButton>("optLat_0")->isChecked());
}

void tst_FrmMainLoad::tabOrder_data() {
    QTest::addColumn<bool>("westAndSouth");
    QTest::addColumn<QStringList>("expected");
    // Each option pair is one stop: the member chosen last.
    const auto order = [](const char* longitude, const char* latitude) {
        return QStringList{"txtName",  "cboMonth",  "cboDate",     "cboYear",       "cboHH",
                           "cboMM",    "cboSS",     "txtZoneHour", "txtZoneMinute", "chkDST",
                           "txtLonM",  longitude,   "txtLatD",     "txtLatM",       latitude,
                           "txtMCity", "txtMState", "txtMCountry", "cmdBrowser",    "txtLonD",
                           "cmdBack",  "cmdRashi",  "txtName"};
    };
    QTest::newRow("East and North") << false << order("optLong_0", "optLat_0");
    QTest::newRow("West and South") << true << order("optLong_1", "optLat_1");
}

void tst_FrmMainLoad::tabOrder() {
    QFETCH(bool, westAndSouth);
    QFETCH(QStringList, expected);
    FormDriver f;
    QVERIFY(f.active);
    if (westAndSouth) {
        f.choose("optLong_1");
        f.choose("optLat_1");
        f.box("txtName")->setFocus();
    }
    QStringList visited = {f.focusName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << f.focusName();
    }
    QCOMPARE(visited, expected);
}

namespace {

// How much of a control a layout shows.
enum class Seen { Whole, UpToRightEdge, Nothing };

} // namespace

Q_DECLARE_METATYPE(Seen)

void tst_FrmMainLoad::layoutShows_data() {
    QTest::addColumn<bool>("result"); // the result layout, after a reading
    QTest::addColumn<QString>("control");
    QTest::addColumn<Seen>("seen");
    for (const char* name :
         {"Label61",  "Label20",   "Label21", "Label13",     "txtName",  "Label5",
          "cboMonth", "cboDate",   "cboYear", "Label1",      "cboHH",    "cboMM",
          "cboSS",    "Label12",   "fraZone", "txtZoneHour", "Label3",   "txtZoneMinute",
          "Label2",   "lblTZHelp", "Frame4",  "optLong_0",   "optLong_1"})
        QTest::newRow(name) << false << name << Seen::Whole;
    // The left column ends where the client area does: nothing of the
    // result panel or of "&Back" peeps in beside it.
    for (const char* name : {"Frame1", "Frame2", "cmdRashi", "Frame5", "lblFullBrand"})
        QTest::newRow(name) << false << name << Seen::UpToRightEdge;
    for (const char* name :
         {"chkDST",  "txtLonD",        "Label6",    "txtLonM",     "Label8",      "Frame3",
          "txtLatD", "txtLatM",        "optLat_0",  "optLat_1",    "Label54",     "txtMCity",
          "Label55", "txtMState",      "Label4",    "txtMCountry", "cmdBrowser",  "Frame6",
          "cmdBack", "Label18",        "Label19",   "lblName",     "lblAyanamsa", "lblDay",
          "lblDOB",  "lblTimeOfBirth", "lblCobrand"})
        QTest::newRow(name) << false << name << Seen::Nothing;
    // The result layout shows the whole design; the bottom strip is wider
    // than the window.
    for (const char* name : {"Frame1", "Frame2", "cmdRashi", "Frame6", "cmdBack", "Label19",
                             "lblAyanamsa", "lblTimeOfBirth"})
        QTest::newRow(qPrintable(QStringLiteral("result %1").arg(name)))
            << true << name << Seen::Whole;
    QTest::newRow("result Frame5") << true << "Frame5" << Seen::UpToRightEdge;
    QTest::newRow("result lblCobrand") << true << "lblCobrand" << Seen::UpToRightEdge;
    QTest::newRow("result chkDST") << true << "chkDST" << Seen::Nothing;
    QTest::newRow("result Frame3") << true << "Frame3" << Seen::Nothing;
}

void tst_FrmMainLoad::layoutShows() {
    QFETCH(bool, result);
    QFETCH(QString, control);
    QFETCH(Seen, seen);
    FormDriver f;
    if (result) {
        f.type("txtName", QStringLiteral("A"));
        f.read();
    }
    // The client area as designed: 5730 and 10230 twips wide.
    const QWidget& client = *f.form->centralWidget();
    QCOMPARE(client.width(), twips(result ? kResultClientTwips : kInputClientTwips));
    const QWidget* widget = f.child(qPrintable(control));
    QVERIFY(widget);
    // Out of sight only by position: present, enabled, not hidden; but the
    // result panel is hidden while it lies beyond the input layout's edge,
    // so that a screen reader does not reach its values either.
    const QWidget* panel = f.child("Frame6");
    if (!result && (widget == panel || panel->isAncestorOf(widget))) {
        QVERIFY(!widget->isVisible());
        return;
    }
    QVERIFY(widget->isVisible() && widget->isEnabled());
    const QRect whole(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    const QRect part = visiblePart(*widget);
    switch (seen) {
    case Seen::Whole:
        QCOMPARE(part, whole);
        break;
    case Seen::UpToRightEdge:
        QCOMPARE(part.left(), whole.left());
        QVERIFY(whole.right() > part.right());
        QCOMPARE(part.right(), client.mapTo(client.window(), QPoint(client.width() - 1, 0)).x());
        break;
    case Seen::Nothing:
        QVERIFY(part.isEmpty());
        break;
    }
    // A text the window shows is not cut off, by its label or by the
    // window's edge.
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label && seen != Seen::Nothing) {
        if (label->wordWrap())
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        else
            QVERIFY(label->sizeHint().width() <= label->width());
        const QRect text = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY(text.right() < part.width());
    }
}

void tst_FrmMainLoad::back_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("click") << false;
    QTest::newRow("Alt+B") << true;
}

void tst_FrmMainLoad::back() {
    QFETCH(bool, byKeyboard);
    FormDriver f;
    f.type("txtName", QStringLiteral("A"));
    f.read();
    QCOMPARE(f.form->width(), twips(kResultClientTwips));
    const QStringList results = f.results();
    f.form->move(0, f.form->y() + 7);
    const int top = f.form->y();

    if (byKeyboard)
        QTest::keyClick(f.form.get(), Qt::Key_B, Qt::AltModifier);
    else
        f.click("cmdBack");
    // A mnemonic presses the button with a short animation.
    QTRY_COMPARE(f.form->width(), twips(kInputClientTwips));
    QVERIFY(centredHorizontally(*f.form));
    QCOMPARE(f.form->y(), top);
    QCOMPARE(f.results(), results);
    QCOMPARE(f.box("txtName")->text(), QStringLiteral("A"));
}

void tst_FrmMainLoad::links_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption"); // empty: a label, clicked
    QTest::addColumn<WebPage>("page");
    QTest::newRow("Online Help") << "mnuOnline"
                                 << "&Online Help" << WebPage::OnlineHelp;
    QTest::newRow("Visit Us") << "mnuVisit"
                              << "&Visit Us Online" << WebPage::Home;
    QTest::newRow("Update") << "mnuUpdate"
                            << "Check for Software &Update" << WebPage::Download;
    QTest::newRow("Donate") << "mnuDonate"
                            << "&Donate" << WebPage::Donate;
    QTest::newRow("community banner") << "Label61"
                                      << "" << WebPage::Home;
    QTest::newRow("description") << "Label19"
                                 << "" << WebPage::CoBrand;
    QTest::newRow("co-brand offer") << "lblCobrand"
                                    << "" << WebPage::CoBrand;
    QTest::newRow("full-brand offer") << "lblFullBrand"
                                      << "" << WebPage::FullBrand;
}

void tst_FrmMainLoad::links() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(WebPage, page);
    FormDriver f;
    f.type("txtName", QStringLiteral("A"));
    f.read(); // the result layout shows every label
    QSignalSpy pages(f.form.get(), &FrmMain::pageRequested);

    if (caption.isEmpty()) {
        auto* label = f.child<QLabel>(qPrintable(control));
        QVERIFY(!visiblePart(*label).isEmpty());
        // Links show a pointing hand and underline; the description does not.
        const bool link = control != QStringLiteral("Label19");
        QCOMPARE(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QCOMPARE(label->font().underline(), link);
        QTest::mouseClick(label, Qt::LeftButton);
    } else {
        auto* action = f.form->findChild<QAction*>(control);
        QCOMPARE(action->text(), caption);
        action->trigger();
    }
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.at(0).at(0).value<WebPage>(), page);
}

void tst_FrmMainLoad::menuBar() {
    FormDriver f;
    QSignalSpy closed(f.form.get(), &FrmMain::closed);
    QSignalSpy about(f.form.get(), &FrmMain::aboutRequested);
    QStringList captions;
    for (const QAction* a : f.form->menuBar()->actions())
        captions << a->text();
    QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QVERIFY(!f.form->findChild<QAction*>("mkmoney")->isEnabled());

    f.form->findChild<QAction*>("mnuAbout")->trigger();
    QCOMPARE(about.count(), 1);

    auto* exit = f.form->findChild<QAction*>("mnuExit");
    QCOMPARE(exit->text(), QStringLiteral("E&xit"));
    QCOMPARE(closed.count(), 0);
    exit->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!f.form->isVisible());
}

void tst_FrmMainLoad::keystrokeFilters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");
    const QString letters = QStringLiteral("Please Enter only Letters");
    const QString numbers = QStringLiteral("Only Numbers Are Accepted");
    QTest::newRow("name capitals") << "txtName"
                                   << "ravi k"
                                   << "RAVI K"
                                   << "";
    QTest::newRow("name digit") << "txtName"
                                << "a1"
                                << "A" << letters;
    QTest::newRow("zone hours minus") << "txtZoneHour"
                                      << "-5"
                                      << "-5"
                                      << "";
    QTest::newRow("zone minutes minus") << "txtZoneMinute"
                                        << "-30"
                                        << "30" << numbers;
    QTest::newRow("hidden degrees letter") << "txtLonD"
                                           << "12a"
                                           << "12" << numbers;
    QTest::newRow("hidden minutes full") << "txtLatM"
                                         << "123"
                                         << "12"
                                         << "";
    QTest::newRow("city unfiltered") << "txtMCity"
                                     << "St. 1"
                                     << "St. 1"
                                     << "";
}

void tst_FrmMainLoad::keystrokeFilters() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    FormDriver f;
    f.type(qPrintable(box), typed);
    QTEST(f.box(qPrintable(box))->text(), "expected");
    QCOMPARE(f.messages.texts().join(QLatin1Char('|')), message);
}

void tst_FrmMainLoad::placeButtonChecksThePlace() {
    FormDriver f;
    f.paste("txtMCity", QString());
    f.paste("txtMState", QString());
    // Out of sight, but the keyboard reaches it.
    f.box("txtMCountry")->setFocus();
    QTest::keyClick(f.box("txtMCountry"), Qt::Key_Tab);
    QCOMPARE(f.focusName(), QStringLiteral("cmdBrowser"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(f.messages.texts(), QStringList{"Please Enter City"});
    QCOMPARE(f.focusName(), QStringLiteral("txtMCity"));
}

void tst_FrmMainLoad::zoneHelpOpensPickerBesideLabel() {
    FormDriver f;
    f.paste("txtZoneHour", QStringLiteral("7"));
    QString picker;
    QPoint pickerAt;
    runModal([&] { QTest::mouseClick(f.child("lblTZHelp"), Qt::LeftButton); },
             [&](QDialog& modal) {
                 picker = modal.objectName();
                 pickerAt = modal.pos();
                 modal.close();
             });
    // Back here only once the picker is closed.
    QCOMPARE(picker, QStringLiteral("FrmTimeZone"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // 4785 twips right of and 4590 below the window's outer corner: just
    // beyond the lower right corner of "TZ Help".
    QCOMPARE(pickerAt, f.form->frameGeometry().topLeft() + twipsPoint(4785, 4590));
    QCOMPARE(f.box("txtZoneHour")->text(), QStringLiteral("7"));
}

QTEST_MAIN(tst_FrmMainLoad)
#include "tst_frmmain_load.moc"
