#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tenvari {

namespace {

class KeyPressFilter final : public QObject {
public:
    KeyPressFilter(QLineEdit& box, KeyPressHandler handler)
        : QObject(&box), box_(box), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_ || event->type() != QEvent::KeyPress)
            return false;
        const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
        const std::optional<int> code = typedCharacterCode(keyEvent);
        if (!code)
            return false;
        const int result = handler_(*code);
        if (result == *code)
            return false;
        if (result != 0)
            box_.insert(QString(QChar(result)));
        return true;
    }

private:
    QLineEdit& box_;
    KeyPressHandler handler_;
};

} // namespace

std::optional<int> typedCharacterCode(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    if (modifiers & Qt::AltModifier)
        return std::nullopt;
    if (modifiers & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return std::nullopt;
    const char16_t unit = text.at(0).unicode();
    if (unit < 32 || unit == 127)
        return std::nullopt;
    return static_cast<int>(unit);
}

void installKeyPressHandler(QLineEdit& box, KeyPressHandler handler) {
    box.installEventFilter(new KeyPressFilter(box, std::move(handler)));
}

} // namespace tenvari
