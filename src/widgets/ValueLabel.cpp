// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ValueLabel.h"

#include "widgets/Accessibility.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace tenvari {

ValueLabel::ValueLabel(const QString& caption, const QString& designText, QWidget* parent)
    : QLabel(parent), caption_(caption), designText_(designText) {
    installAccessibility();
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus);
    setText(designText);
}

QString ValueLabel::value() const {
    return text() == designText_ ? QString() : text();
}

QString ValueLabel::spokenName() const {
    const QString shown = value();
    return shown.isEmpty() ? caption_ : caption_ + QStringLiteral(": ") + shown;
}

void ValueLabel::announce() {
    QAccessibleTextInsertEvent event(this, 0, value());
    notifyAccessibility(event);
}

void ValueLabel::copy() {
    const QString chosen = hasSelectedText() ? selectedText() : value();
    if (!chosen.isEmpty())
        QGuiApplication::clipboard()->setText(chosen);
}

void ValueLabel::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copyAction = menu->addAction(tr("&Copy"), this, &ValueLabel::copy);
    copyAction->setShortcut(QKeySequence::Copy); // shown as a hint; the label handles the key
    copyAction->setEnabled(!value().isEmpty());
    QAction* all =
        menu->addAction(tr("Select &All"), this, [this] { setSelection(0, int(text().size())); });
    all->setEnabled(!value().isEmpty());
    menu->popup(event->globalPos());
    event->accept();
}

} // namespace tenvari
