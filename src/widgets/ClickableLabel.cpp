// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ClickableLabel.h"

#include <QMouseEvent>

namespace tenvari {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::makeLink(bool underline) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace tenvari
