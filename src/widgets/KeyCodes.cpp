// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/KeyCodes.h"

#include "widgets/HandlerStep.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace tenvari {

namespace {

// Ctrl alone (or with Shift): the combinations for which a line edit
// inserts no text but runs its shortcuts (copy, paste, undo, ...).
bool isControlChord(Qt::KeyboardModifiers modifiers) {
    return modifiers == Qt::ControlModifier ||
           modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
}

// Whether a line edit would insert the event's text. This mirrors Qt's
// own rule for text input (QInputControl::isAcceptableInput), so that every
// character that can reach the box passes the handler first: Alt, AltGr
// (Ctrl+Alt) and Meta combinations insert their text in a QLineEdit.
bool insertsText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format)
        return true;
    if (isControlChord(event.modifiers()))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// Ctrl+letter as a line edit reads its shortcuts: the keypad and
// group-switch flags do not count, so Ctrl+V with either still pastes.
// The letter's place in the alphabet, 1 to 26.
std::optional<int> controlLetterCode(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const int key = event.key();
    if (!isControlChord(modifiers) || key < Qt::Key_A || key > Qt::Key_Z)
        return std::nullopt;
    return key - Qt::Key_A + 1;
}

// The code of a text that arrives as one piece: its code point when it is a
// single printable character, otherwise kUntypedTextCode.
int codeOfText(const QString& text) {
    const QList<uint> points = text.toUcs4();
    if (points.size() != 1)
        return kUntypedTextCode;
    const uint point = points.front();
    if (point < 32 || point == 127)
        return kUntypedTextCode;
    return static_cast<int>(point);
}

// A code a handler returned as a replacement, as text; empty when it names
// no character we can insert.
QString replacementText(int code) {
    if (code < 32 || code == 127 || code > 0xFFFF ||
        QChar::isSurrogate(static_cast<char32_t>(code)))
        return {};
    return QString(QChar(static_cast<char16_t>(code)));
}

class KeyPressFilter final : public QObject {
public:
    KeyPressFilter(QLineEdit& box, KeyPressHandler handler)
        : QObject(&box), box_(box), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_)
            return false;
        if (event->type() == QEvent::KeyPress)
            return filterKey(static_cast<const QKeyEvent&>(*event));
        if (event->type() == QEvent::InputMethod)
            filterCommit(static_cast<QInputMethodEvent&>(*event));
        return false;
    }

private:
    // The handler's verdict; a handler that throws refuses the character.
    int verdict(int code) {
        int result = 0;
        runStep([&] { result = handler_(code); });
        return result;
    }

    // True when the key event is consumed here.
    bool filterKey(const QKeyEvent& keyEvent) {
        const std::optional<int> code = typedCharacterCode(keyEvent);
        if (!code)
            return false;
        const int result = verdict(*code);
        if (result == *code)
            return false;
        if (!box_.isReadOnly())
            box_.insert(replacementText(result));
        return true;
    }

    // Text an input method commits (compose and dead-key sequences, for
    // instance) goes through the handler character by character. The range
    // it replaces is kept within the text first: a line edit asked to put
    // text beyond its end fills the gap with blanks.
    void filterCommit(QInputMethodEvent& imEvent) {
        const QString commit = imEvent.commitString();
        if (commit.isEmpty() && imEvent.replacementLength() == 0)
            return;
        const qsizetype caret = box_.cursorPosition();
        const qsizetype size = box_.text().size();
        const qsizetype from = std::clamp<qsizetype>(caret + imEvent.replacementStart(), 0, size);
        const qsizetype length = std::clamp<qsizetype>(imEvent.replacementLength(), 0, size - from);
        QString kept;
        for (const uint point : commit.toUcs4()) {
            const char32_t unit = point;
            const QString character = QString::fromUcs4(&unit, 1);
            const int code = codeOfText(character);
            const int result = verdict(code);
            kept += result == code ? character : replacementText(result);
        }
        imEvent.setCommitString(kept, static_cast<int>(from - caret), static_cast<int>(length));
    }

    QLineEdit& box_;
    KeyPressHandler handler_;
};

} // namespace

std::optional<int> typedCharacterCode(const QKeyEvent& event) {
    // A line edit inserts an invisible format character (a zero-width space,
    // a direction mark, a soft hyphen) whatever key and modifiers bring it,
    // so its own code goes to the handler, which refuses it, before any key
    // is read as Backspace, Enter or Ctrl+letter.
    const QString text = event.text();
    if (!text.isEmpty() && text.front().category() == QChar::Other_Format)
        return codeOfText(text);
    switch (event.key()) {
    case Qt::Key_Backspace:
        return kBackspaceCode;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnterCode;
    case Qt::Key_Escape:
        return kEscapeCode;
    default:
        break;
    }
    // Where the box inserts no text, Ctrl+letter may be one of its shortcuts.
    if (!insertsText(event))
        return controlLetterCode(event);
    return codeOfText(event.text());
}

void installKeyPressHandler(QLineEdit& box, KeyPressHandler handler) {
    if (!handler)
        return;
    box.installEventFilter(new KeyPressFilter(box, std::move(handler)));
}

} // namespace tenvari
