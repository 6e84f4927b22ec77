// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke filters as the main form wires them, fed any key events
// (any key, modifiers and text) and any input-method commits (any text and
// replacement range). Whatever arrives, the name box holds only capitals
// and blanks, the zone hour box only digits and minus signs, the other
// numeric boxes only digits, and the caret stays within the text.
// Pasting is not filtered (Shift+Insert pastes whatever the clipboard
// holds), so the clipboard is kept empty.

#include "FuzzSupport.h"
#include "reading/FrmMain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace tenvari;
using tenvari::fuzz::require;

namespace {

struct Box {
    QLineEdit* edit;
    QString allowed; // besides digits, or besides capitals for the name
    bool letters;
};

struct Form {
    fuzz::CountingMessages messages;
    FrmMain window{messages};
    QList<Box> boxes;
};

Form& form() {
    static Form* made = [] {
        fuzz::startApplication();
        auto* f = new Form;
        const auto box = [f](const char* name) {
            auto* edit = f->window.findChild<QLineEdit*>(QLatin1String(name));
            require(edit != nullptr, "no box named", QLatin1String(name));
            return edit;
        };
        f->boxes << Box{box("txtName"), QStringLiteral(" "), true}
                 << Box{box("txtZoneHour"), QStringLiteral("-"), false};
        for (const char* name : {"txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM"})
            f->boxes << Box{box(name), QString(), false};
        f->window.show();
        return f;
    }();
    return *made;
}

// Keys worth pressing more often than chance would: the ones with a
// meaning of their own to the filters or to a line edit.
constexpr std::array kKeys{Qt::Key_A,      Qt::Key_H,         Qt::Key_M,      Qt::Key_V,
                           Qt::Key_Z,      Qt::Key_0,         Qt::Key_5,      Qt::Key_Minus,
                           Qt::Key_Space,  Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter,
                           Qt::Key_Escape, Qt::Key_Delete,    Qt::Key_Insert, Qt::Key_Left,
                           Qt::Key_Right,  Qt::Key_Home,      Qt::Key_End,    Qt::Key_Tab,
                           Qt::Key_Period, Qt::Key_Eacute,    Qt::Key_unknown};

// Characters worth carrying: format characters, controls, a surrogate half.
constexpr std::array<char16_t, 10> kCharacters{u'\u200b', u'\u202e', u'\u00ad', u'\u200d',
                                               u'\b',     u'\r',     u'\x7f',   u'\ufeff',
                                               u'\xe9',   u'\xd83d'};

QString someText(FuzzedDataProvider& input) {
    QString text;
    const int length = input.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < length; ++i)
        text += input.ConsumeBool() ? QChar(kCharacters[input.ConsumeIntegralInRange<std::size_t>(
                                          0, kCharacters.size() - 1)])
                                    : QChar(input.ConsumeIntegral<char16_t>());
    return text;
}

void check(const Box& box) {
    const QString text = box.edit->text();
    for (const QChar c : text) {
        const bool fits = box.letters ? (c >= u'A' && c <= u'Z') : (c >= u'0' && c <= u'9');
        require(fits || box.allowed.contains(c), "a character the filter refuses got in",
                box.edit->objectName() + QLatin1String(": ") + text);
    }
    require(box.edit->cursorPosition() <= text.size(), "caret beyond the text",
            box.edit->objectName());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Form& f = form();
    FuzzedDataProvider input(data, size);
    for (const Box& box : f.boxes)
        box.edit->clear();
    while (input.remaining_bytes() > 0) {
        QGuiApplication::clipboard()->clear();
        const Box& box = f.boxes[input.ConsumeIntegralInRange<qsizetype>(0, f.boxes.size() - 1)];
        if (input.ConsumeBool()) {
            const int key =
                input.ConsumeBool()
                    ? int(kKeys[input.ConsumeIntegralInRange<std::size_t>(0, kKeys.size() - 1)])
                    : input.ConsumeIntegral<int>();
            const auto modifiers = Qt::KeyboardModifiers::fromInt(
                input.ConsumeIntegral<int>() &
                (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier |
                 Qt::KeypadModifier | Qt::GroupSwitchModifier));
            QKeyEvent event(QEvent::KeyPress, key, modifiers, someText(input));
            QCoreApplication::sendEvent(box.edit, &event);
        } else {
            QInputMethodEvent event;
            event.setCommitString(someText(input), input.ConsumeIntegral<std::int8_t>(),
                                  input.ConsumeIntegral<std::uint8_t>() % 8);
            QCoreApplication::sendEvent(box.edit, &event);
        }
        check(box);
    }
    // What the events posted (repaints, for one) runs now, as the event
    // loop would run it between keystrokes.
    QCoreApplication::processEvents();
    return 0;
}
