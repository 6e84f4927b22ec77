// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeMessageService.h"

namespace tenvari::test {

MessageAnswer FakeMessageService::show(const QString& text, MessageIcon icon,
                                       MessageButtons buttons) {
    shown_.append({text, icon, buttons});
    if (onShow)
        onShow(shown_.last());
    if (!answers_.isEmpty())
        return answers_.dequeue();
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QStringList FakeMessageService::texts() const {
    QStringList result;
    for (const Shown& s : shown_)
        result << s.text;
    return result;
}

} // namespace tenvari::test
