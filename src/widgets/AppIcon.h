// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace tenvari {

// The program's own icon, drawn in code: the window icon of every window,
// and the picture of the about box and the exit screen. It is drawn afresh
// for each size and device pixel ratio asked for, so it is as sharp as the
// text on any screen.
QIcon appIcon();

// The icon `size` device-independent pixels square, drawn for a device
// pixel ratio: size × ratio pixels (rounded), carrying that ratio.
QPixmap appIconPixmap(int size, qreal devicePixelRatio = 1.0);

// The same drawing, `size` pixels square, without a GUI application: the
// icon files of the installed program are written from it.
QImage appIconImage(int size);

// A picture of the icon, `size` device-independent pixels square, drawn
// for the device pixel ratio of the screen its window is on, and again
// whenever the window moves to another screen.
class AppIconPicture final : public QLabel {
public:
    AppIconPicture(int size, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void draw();

    int size_;
};

} // namespace tenvari
