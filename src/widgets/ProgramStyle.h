// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tenvari {

// The desktop's own style with what the program's windows need on top of
// it. Built on the style the application already has (so "-style" on the
// command line still counts); every call not named here goes to it
// unchanged.
//
// Edges: text boxes, drop-down lists, option buttons and check boxes get an
// edge that stands out from the background they sit on by at least 3:1
// (look::edgeColour of the control's window and text colours), drawn over
// the desktop's own, which on a dark or white window barely shows. A
// focused text box or drop-down list gets a ring two pixels wide in its
// text colour instead.
//
// Focus: the focus rectangle (around the caption of an option button or a
// check box, a button's caption, a list's current row) is drawn whenever
// the control has the focus, dotted in the control's text colour; the
// desktop's style shows it only after a key press, in a tint that vanishes
// on the program's colours. A flat button (the coloured faces) shows a
// ring two pixels wide in its caption colour instead.
//
// Drop-down lists open as a plain list in the list's own colours, below
// the box, rather than as a menu in the desktop's.
//
// A saving at start-up: a menu bar fetches the icon of its overflow
// button when it is built, which reads image files and loads the image
// format plugins (about 0.5 MiB and a millisecond or two), although the
// button shows only when the menus do not fit the window's width. This
// style hands out that icon as a stand-in that fetches the real one the
// first time it is drawn.
class ProgramStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tenvari
