// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtMessageService.h"

#include "platform/AppInfo.h"

#include <QMessageBox>

namespace tenvari {

MessageAnswer QtMessageService::show(const QString& text, MessageIcon icon,
                                     MessageButtons buttons) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromLatin1(kAppTitle), text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == MessageButtons::YesNo)
        box.setDefaultButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace tenvari
