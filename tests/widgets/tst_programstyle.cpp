// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's style draws, read from the pixels of real widgets: the
// edges of boxes, lists, option buttons and check boxes stand out from the
// window by 3:1, focus shows on every kind of control, and a drop-down
// list opens in its own colours.

#include "widgets/Factories.h"
#include "widgets/Look.h"
#include "widgets/ProgramStyle.h"
#include "widgets/Twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace tenvari;

namespace {

// A window in one of the program's colour schemes with one control of
// each kind, built by the factories the windows use.
struct Panel {
    Panel(const QColor& background, const QColor& ink) {
        look::paint(window, background, ink);
        window.setFont(look::verdana(8.25));
        window.resize(twipsSize(5000, 3000));
        box = textBox("box", &window, twipsRect(240, 240, 1935, 285));
        list = dropDown("list", &window, 240, 720, 1695);
        list->addItems({QStringLiteral("January"), QStringLiteral("February")});
        option = tenvari::option("option", "West", &window, twipsRect(240, 1200, 975, 255));
        check = named<QCheckBox>("check", &window, QStringLiteral("DST"));
        check->setGeometry(twipsRect(240, 1680, 975, 375));
        button = tenvari::button("button", "Get My Ayanamsa Reading", &window,
                                 twipsRect(240, 2280, 4000, 375), look::kLightGrey);
        // Somewhere for the focus to rest that draws nothing.
        rest = new QWidget(&window);
        rest->setFocusPolicy(Qt::StrongFocus);
        rest->setGeometry(0, 0, 1, 1);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
        rest->setFocus();
    }

    QWidget* control(const QString& name) { return window.findChild<QWidget*>(name); }

    QWidget window;
    QLineEdit* box = nullptr;
    QComboBox* list = nullptr;
    QRadioButton* option = nullptr;
    QCheckBox* check = nullptr;
    QPushButton* button = nullptr;
    QWidget* rest = nullptr;
    bool active = false;
};

// The part of a control that carries its edge, in the control's
// coordinates: the whole box, or the indicator of an option or check box.
QRect edgeArea(QWidget& control) {
    QStyleOptionButton option;
    option.initFrom(&control);
    if (qobject_cast<QRadioButton*>(&control))
        return control.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &control);
    if (qobject_cast<QCheckBox*>(&control))
        return control.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &control);
    return control.rect();
}

QImage grabbed(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_ProgramStyle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void edgesStandOut_data();
    void edgesStandOut();
    void focusShows_data();
    void focusShows();
    void listOpensInItsColours();
};

void tst_ProgramStyle::initTestCase() {
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

void tst_ProgramStyle::edgesStandOut_data() {
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QString>("control");
    for (const char* name : {"box", "list", "option", "check"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 on teal").arg(name)))
            << look::kTeal << look::kCyanText << name;
        QTest::newRow(qPrintable(QStringLiteral("%1 on white").arg(name)))
            << QColor(Qt::white) << QColor(Qt::black) << name;
    }
}

// The strongest contrast against the window along the left side of the
// control (or of its indicator), three pixels wide, clear of the list's
// text and of the option's dot: its edge.
void tst_ProgramStyle::edgesStandOut() {
    QFETCH(QColor, background);
    QFETCH(QColor, ink);
    QFETCH(QString, control);
    Panel panel(background, ink);
    QVERIFY(panel.active);
    QWidget* widget = panel.control(control);
    const QImage image = grabbed(panel.window);
    const QRect area = edgeArea(*widget).translated(widget->pos());
    const QColor window = image.pixelColor(area.left() - 2, area.center().y());
    QCOMPARE(window, background);
    double strongest = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.left() + 2; ++x)
            strongest = qMax(strongest, look::contrastRatio(image.pixelColor(x, y), window));
    QVERIFY2(strongest >= 3.0, qPrintable(QStringLiteral("edge contrast %1").arg(strongest)));
}

void tst_ProgramStyle::focusShows_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"box", "list", "option", "check", "button"})
        QTest::newRow(name) << name;
}

// Focus changes pixels, and at least some of them by 3:1.
void tst_ProgramStyle::focusShows() {
    QFETCH(QString, control);
    Panel panel(look::kTeal, look::kCyanText);
    QVERIFY(panel.active);
    QWidget* widget = panel.control(control);
    const QImage before = grabbed(*widget);
    widget->setFocus(Qt::MouseFocusReason);
    QVERIFY(widget->hasFocus());
    const QImage after = grabbed(*widget);
    int changed = 0;
    double strongest = 1.0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QColor a = before.pixelColor(x, y);
            const QColor b = after.pixelColor(x, y);
            if (a == b)
                continue;
            ++changed;
            strongest = qMax(strongest, look::contrastRatio(a, b));
        }
    // A ring, or a dotted frame around the caption: dozens of pixels.
    QVERIFY2(
        changed >= 20 && strongest >= 3.0,
        qPrintable(QStringLiteral("%1 pixels changed, by up to %2:1").arg(changed).arg(strongest)));
}

void tst_ProgramStyle::listOpensInItsColours() {
    Panel panel(look::kTeal, look::kCyanText);
    QVERIFY(panel.active);
    panel.list->showPopup();
    QAbstractItemView* view = panel.list->view();
    QTRY_VERIFY(view->isVisible());
    const QImage image = grabbed(*view->viewport());
    int teal = 0;
    int ink = 0;
    int light = 0; // what the desktop's menu colours would give
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            teal += p == look::kTeal;
            // Text: well on the way from teal to cyan.
            ink += look::contrastRatio(p, look::kTeal) >= 4.5 && p.red() < p.green();
            light += p.red() > 200 && p.green() > 200 && p.blue() > 200;
        }
    panel.list->hidePopup();
    // The chosen row is highlighted; the rest is teal with cyan text.
    const int pixels = image.width() * image.height();
    QVERIFY2(teal > pixels / 3 && ink >= 20 && light < pixels / 10,
             qPrintable(QStringLiteral("%1 teal, %2 cyan text and %3 light pixels of %4")
                            .arg(teal)
                            .arg(ink)
                            .arg(light)
                            .arg(pixels)));
}

QTEST_MAIN(tst_ProgramStyle)
#include "tst_programstyle.moc"
