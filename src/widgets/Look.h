// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace tenvari::look {

// The colours the windows share.
inline const QColor kTeal{0, 64, 64};
inline const QColor kCyanText{128, 255, 255};
inline const QColor kPaleCyanText{192, 255, 255};
inline const QColor kPeach{255, 224, 192};
inline const QColor kLightGrey{224, 224, 224};
inline const QColor kLightYellow{255, 255, 128};
inline const QColor kPaleGreen{192, 255, 192};
inline const QColor kParchment{244, 230, 196};
inline const QColor kNavy{0, 0, 128};

// Verdana where it is installed, otherwise the nearest sans-serif face.
QFont verdana(double pointSize, bool bold = false);

// Background and text colour of one widget (its palette, autofilled).
void paint(QWidget& widget, const QColor& background, const QColor& text);

// Text colour only: the widget draws on its container's background.
void paintText(QWidget& widget, const QColor& text);

// A flat button face in the given colour.
void paintButton(QWidget& button, const QColor& face);

} // namespace tenvari::look
