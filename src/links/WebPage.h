// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>

namespace tenvari {

// The pages the program links to.
enum class WebPage { OnlineHelp, Home, Download, Donate, CoBrand, FullBrand, Products };

} // namespace tenvari

Q_DECLARE_METATYPE(tenvari::WebPage)
