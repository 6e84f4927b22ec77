// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/PlaceCheck.h"

#include "platform/MessageService.h"

#include <QLineEdit>

namespace tenvari {

namespace {

// An empty box (no characters at all; spaces count as filled) gets its
// prompt and the focus.
bool prompted(QLineEdit& box, const char* prompt, MessageService& messages) {
    if (!box.text().isEmpty())
        return false;
    try {
        messages.show(QString::fromLatin1(prompt), MessageIcon::Information, MessageButtons::Ok);
    } catch (...) {
    }
    box.setFocus();
    return true;
}

} // namespace

bool CheckPlaceFields(QLineEdit& city, QLineEdit& state, QLineEdit& country,
                      MessageService& messages) {
    return !prompted(city, "Please Enter City", messages) &&
           !prompted(state, "Please Enter State", messages) &&
           !prompted(country, "Please Enter Country", messages);
}

} // namespace tenvari
