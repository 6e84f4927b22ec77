// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Accessibility.h"

#include "widgets/ClickableLabel.h"
#include "widgets/ValueLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QMetaObject>

namespace tenvari {

namespace {

class AccessibleClickableLabel final : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return label()->isLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    // Named by its own text (Qt would name a label in a frame after the
    // frame's caption).
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = label()->accessibleName();
        return name.isEmpty() ? label()->text() : name;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    // Later, from the event loop, as Qt's own buttons do: a click may open
    // a modal window, and the caller is waiting for an answer.
    void doAction(const QString& name) override {
        if (name == pressAction())
            QMetaObject::invokeMethod(label(), &ClickableLabel::click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

class AccessibleValueLabel final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleValueLabel(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? label()->spokenName() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    // The text interface, over the value.
    QString text(int startOffset, int endOffset) const override {
        return label()->value().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label()->value().size()); }
    int selectionCount() const override { return selected() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && selected()) {
            *startOffset = label()->selectionStart();
            *endOffset = *startOffset + int(label()->selectedText().size());
        }
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            label()->setSelection(0, 0);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0 && !label()->value().isEmpty())
            label()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override {
        int start = 0;
        int end = 0;
        selection(0, &start, &end);
        return end;
    }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    ValueLabel* label() const { return static_cast<ValueLabel*>(widget()); }
    bool selected() const { return !label()->value().isEmpty() && label()->hasSelectedText(); }
};

// A drop-down list (not editable) as Qt presents one, except for its name.
// On Linux Qt names a list by its current entry alone and leaves the
// caption to a label relation; a list without a caption of its own (three
// lists share "Date of Birth") is then a bare "1" or "0". A list with an
// accessible name is named by it and its entry: "Day of birth: 1"; the name
// changes with the entry, as a screen reader on Linux expects.
class AccessibleDropDownList final : public QAccessibleWidget {
public:
    explicit AccessibleDropDownList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const QString entry = list()->currentText();
        if (t == QAccessible::Value)
            return entry;
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = list()->accessibleName();
        if (name.isEmpty())
            return entry;
        return entry.isEmpty() ? name : name + QStringLiteral(": ") + entry;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }
    // The entries, in the list that drops down.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// A plain widget or frame: a window when it is one of its own, a panel
// when it has a name, a separator when it is a rule, otherwise what Qt
// makes of it (a filler, a border).
class AccessiblePlainWidget final : public QAccessibleWidget {
public:
    AccessiblePlainWidget(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QAccessible::Role role() const override {
        if (widget()->windowType() == Qt::Window)
            return QAccessible::Window;
        if (!widget()->isWindow() && !widget()->accessibleName().isEmpty())
            return QAccessible::Grouping;
        return QAccessibleWidget::role();
    }
};

AccessibilityListener listener = nullptr;

QAccessibleInterface* programInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("tenvari::ClickableLabel"))
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(widget));
    if (className == QLatin1String("tenvari::ValueLabel"))
        return new AccessibleValueLabel(static_cast<ValueLabel*>(widget));
    if (className == QLatin1String("QComboBox")) {
        auto* list = static_cast<QComboBox*>(widget);
        return list->isEditable() ? nullptr : new AccessibleDropDownList(list);
    }
    if (className == QLatin1String("QFrame")) {
        const QFrame::Shape shape = static_cast<QFrame*>(widget)->frameShape();
        const bool rule = shape == QFrame::HLine || shape == QFrame::VLine;
        return new AccessiblePlainWidget(widget,
                                         rule ? QAccessible::Separator : QAccessible::Border);
    }
    if (className == QLatin1String("QWidget"))
        return new AccessiblePlainWidget(widget, QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
    (void)installed;
}

void notifyAccessibility(QAccessibleEvent& event) {
    if (listener)
        listener(&event);
    QAccessible::updateAccessibility(&event);
}

void setAccessibilityListener(AccessibilityListener newListener) {
    listener = newListener;
}

} // namespace tenvari
