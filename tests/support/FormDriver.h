// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the main window as a user does, for the widget tests of the form
// and of the windows it opens: the form is shown and active, boxes are
// typed into, list entries picked, buttons clicked; what the user reads is
// read back.

#include "reading/FrmMain.h"
#include "support/FakeMessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <memory>

namespace tenvari::test {

// The main window's client area in each layout, twips, as designed (the
// window's outer widths 5820 and 10320 less its borders).
constexpr int kInputClientTwips = 5730;
constexpr int kResultClientTwips = 10230;

class FormDriver {
public:
    FormDriver() : form(std::make_unique<FrmMain>(messages)) {
        form->show();
        form->activateWindow();
        active = QTest::qWaitForWindowActive(form.get());
    }

    template <class W = QWidget> W* child(const char* name) const {
        W* widget = form->findChild<W*>(QLatin1String(name));
        if (!widget)
            qWarning("no control named %s", name);
        return widget;
    }

    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QString labelText(const char* name) const { return child<QLabel>(name)->text(); }

    // Replaces the box's text by typing; the keystroke filters see it.
    void type(const char* name, const QString& text) {
        QLineEdit* target = box(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
    }

    // Puts text into a box the way a paste (or the zone picker) does: no
    // keystrokes, no filter.
    void paste(const char* name, const QString& text) { box(name)->setText(text); }

    void pick(const char* list, const QString& entry) {
        QComboBox* combo = child<QComboBox>(list);
        const int index = combo->findText(entry);
        if (index < 0)
            qWarning("%s has no entry %s", list, qPrintable(entry));
        combo->setCurrentIndex(index);
    }

    void setDate(const QString& month, int day, int year) {
        pick("cboMonth", month);
        pick("cboDate", QString::number(day));
        pick("cboYear", QString::number(year));
    }

    void setTime(int hour, int minute) {
        pick("cboHH", QString::number(hour));
        pick("cboMM", QString::number(minute));
    }

    void choose(const char* option) {
        QTest::mouseClick(child<QRadioButton>(option), Qt::LeftButton);
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    void read() { click("cmdRashi"); }

    QString focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    // What the five value labels of the result panel show.
    QStringList results() const {
        return {labelText("lblName"), labelText("lblAyanamsa"), labelText("lblDay"),
                labelText("lblDOB"), labelText("lblTimeOfBirth")};
    }

    FakeMessageService messages;
    std::unique_ptr<FrmMain> form;
    bool active = false;
};

// One line per record, to compare a whole record at once.
inline QString describe(const BirthData& d) {
    return QStringLiteral("'%1' %2/%3/%4 %5:%6:%7 place %8/%9/%10 lat %11/%12 %13 lon %14/%15 %16 "
                          "zone '%17'/'%18' dst %19")
        .arg(d.name)
        .arg(d.day)
        .arg(d.month)
        .arg(d.year)
        .arg(d.hour)
        .arg(d.minute)
        .arg(d.second)
        .arg(d.city, d.state, d.country, d.latDegreesText, d.latMinutesText,
             d.latHemisphere == LatHemisphere::North ? QStringLiteral("N") : QStringLiteral("S"),
             d.lonDegreesText)
        .arg(d.lonMinutesText,
             d.lonHemisphere == LonHemisphere::East ? QStringLiteral("E") : QStringLiteral("W"),
             d.zoneHoursText, d.zoneMinutesText)
        .arg(int(d.dst));
}

inline QString describe(const BirthMoment& m) {
    return QStringLiteral("%1/%2/%3 %4:%5 zone %6h%7m lon %8d%9m east %10 dst %11")
        .arg(m.day)
        .arg(m.month)
        .arg(m.year)
        .arg(m.hour)
        .arg(m.minute)
        .arg(m.zoneHours)
        .arg(m.zoneMinutes)
        .arg(m.lonDegrees)
        .arg(m.lonMinutes)
        .arg(int(m.east))
        .arg(int(m.daylightSaving));
}

// Whether the window sits in the middle of its screen, left to right.
inline bool centredHorizontally(const QWidget& window) {
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    return std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 1;
}

// The part of a control inside every frame that contains it and the
// window: what can be seen of it, in window coordinates.
inline QRect visiblePart(const QWidget& widget) {
    QRect part(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    for (const QWidget* p = widget.parentWidget(); p; p = p->parentWidget())
        part = part.intersected(QRect(p->mapTo(p->window(), QPoint(0, 0)), p->size()));
    return part;
}

} // namespace tenvari::test
