// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tenvari {

// Window geometry is written in twips (1/1440 inch). At 96 dots per inch
// 15 twips make one device-independent pixel; Qt scales that for high-DPI
// screens by itself. Values are rounded to the nearest pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return value >= 0 ? (value + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-value + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

inline QPoint twipsPoint(int left, int top) {
    return {twips(left), twips(top)};
}

inline QSize twipsSize(int width, int height) {
    return {twips(width), twips(height)};
}

} // namespace tenvari
