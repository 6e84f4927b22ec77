// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tenvari {

// The desktop's own style, with one saving at start-up: a menu bar fetches
// the icon of its overflow button when it is built, which reads image
// files and loads the image format plugins (about 0.5 MiB and a
// millisecond or two), although the button shows only when the menus do
// not fit the window's width. This style hands out that icon as a
// stand-in that fetches the real one the first time it is drawn. Every
// other call goes to the desktop's style unchanged. Built on the style the
// application already has (so "-style" on the command line still counts).
class StartUpStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tenvari
