// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/KeystrokeFilters.h"

#include "platform/MessageService.h"
#include "widgets/HandlerStep.h"
#include "widgets/KeyCodes.h"

#include <QCoreApplication>
#include <QString>

namespace tenvari {

namespace {

constexpr int kSpace = ' ';
constexpr int kMinus = '-';

constexpr bool isCapital(int code) {
    return code >= 'A' && code <= 'Z';
}
constexpr bool isSmallLetter(int code) {
    return code >= 'a' && code <= 'z';
}
constexpr bool isDigit(int code) {
    return code >= '0' && code <= '9';
}

// Shows the refusal; the character is refused whether or not the box could
// be shown, so a failing message service never lets the character through.
int refuse(const char* text, MessageIcon icon, MessageService& messages) {
    runStep([&] {
        messages.show(QCoreApplication::translate("tenvari::FrmMain", text), icon,
                      MessageButtons::Ok);
    });
    return 0;
}

} // namespace

int txtName_KeyPress(int code, MessageService& messages) {
    if (isSmallLetter(code))
        return code - 32;
    if (isCapital(code) || code == kBackspaceCode || code == kEnterCode || code == kSpace)
        return code;
    return refuse(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Please Enter only Letters"),
                  MessageIcon::Information, messages);
}

int NumericKeyPress(int code, bool allowMinus, MessageService& messages) {
    if (isDigit(code) || code == kBackspaceCode || (allowMinus && code == kMinus))
        return code;
    return refuse(QT_TRANSLATE_NOOP("tenvari::FrmMain", "Only Numbers Are Accepted"),
                  MessageIcon::Stop, messages);
}

} // namespace tenvari
