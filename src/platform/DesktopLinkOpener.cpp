#include "platform/DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tenvari {

void DesktopLinkOpener::open(const QString& address) {
    // Already percent-encoded where needed; keep it exactly as built.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace tenvari
