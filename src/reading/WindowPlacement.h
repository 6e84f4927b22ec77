// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

// The main window's two widths and its client height, in twips. The input
// layout shows the input panel only; the result layout adds the result
// panel, which begins 5760 twips from the left of the client area.
inline constexpr int kInputLayoutWidth = 5820;
inline constexpr int kResultLayoutWidth = 10320;
inline constexpr int kMainClientHeight = 6510;

/*
 *  centredLeft
 *
 *  Given:
 *     screenWidth  int  width of the screen
 *     windowWidth  int  outer width of the window, same unit
 *
 *  Returned (function value):
 *                  int  left edge that centres the window horizontally,
 *                       relative to the screen's left edge:
 *                       (screenWidth - windowWidth) / 2, the division
 *                       truncated towards zero; negative when the window
 *                       is wider than the screen (both sides stick out
 *                       equally)
 *
 *  Notes:
 *
 *  1) On a screen 19200 twips wide the result layout (10320 twips) gives
 *     4440 twips.
 */
constexpr int centredLeft(int screenWidth, int windowWidth) {
    return (screenWidth - windowWidth) / 2;
}

} // namespace tenvari
