// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ClickableLabel.h"

#include "widgets/Accessibility.h"

#include <QMouseEvent>

namespace tenvari {

// The text is set only once the label is a ClickableLabel: setting it
// announces the label to assistive technology, which then builds the
// label's accessible interface from the class it has at that moment.
ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    installAccessibility();
    setText(text);
}

void ClickableLabel::makeLink(bool underline) {
    link_ = true;
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void ClickableLabel::click() {
    emit clicked();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

} // namespace tenvari
