// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tenvari {

// The main window's two widths and its client height, in twips. The two
// widths are the window's outer widths, border included: the classic fixed
// single border is 45 twips (3 pixels) on each side, so the client area is
// 90 twips narrower. In the input layout it is 5730 wide and ends before
// the result panel, which begins 5760 twips from the left of the client
// area; in the result layout it is 10230 wide, the whole design. Qt sizes
// the client area; the desktop adds whatever border it draws.
inline constexpr int kInputLayoutWidth = 5820;
inline constexpr int kResultLayoutWidth = 10320;
inline constexpr int kMainBorderWidth = 90; // left and right together
inline constexpr int kMainClientHeight = 6510;

// The client width of a layout's outer width, in twips.
constexpr int clientWidthOf(int layoutWidth) {
    return layoutWidth - kMainBorderWidth;
}

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
