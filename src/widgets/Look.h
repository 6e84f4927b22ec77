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

/*
 *  contrastRatio
 *
 *  Given:
 *     a, b   QColor  two opaque colours (alpha is ignored)
 *
 *  Returned (function value):
 *            double  their contrast ratio, (L1 + 0.05) / (L2 + 0.05) with L1
 *                    the higher relative luminance; range 1 (equal
 *                    luminance) to 21 (black and white)
 *
 *  Reference: WCAG 2.1, definitions of "contrast ratio" and "relative
 *  luminance" (sRGB channels linearised, weights 0.2126, 0.7152, 0.0722).
 */
double contrastRatio(const QColor& a, const QColor& b);

/*
 *  edgeColour
 *
 *  Given:
 *     background  QColor  what the control sits on
 *     ink         QColor  the control's text colour
 *
 *  Returned (function value):
 *                 QColor  the colour of the control's edge: the first of the
 *                         mixes from the background towards the ink, in
 *                         steps of 1/64, with a contrast ratio of at least
 *                         kEdgeContrast against the background; where no mix
 *                         reaches it (ink too close to the background), the
 *                         first such mix towards black or white, whichever
 *                         stands out more
 *
 *  Notes:
 *
 *  1) WCAG 2.1, success criterion 1.4.11 (non-text contrast), asks 3:1 for
 *     the boundary of a control.
 *  2) The edge stays as close to the background as that allows, so the box
 *     reads as part of the window and its text stays the strongest mark.
 */
inline constexpr double kEdgeContrast = 3.0;
QColor edgeColour(const QColor& background, const QColor& ink);

} // namespace tenvari::look
