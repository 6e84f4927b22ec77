// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tenvari {

void DesktopLinkOpener::open(const QString& address) {
    // Already percent-encoded where needed; keep it exactly as built. A text
    // that is not a valid address in strict mode is refused, not repaired.
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return;
    QDesktopServices::openUrl(url);
}

} // namespace tenvari
