// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tenvari {

// A label that reports a left-button click, as the program's links do.
// Assistive technology sees a link (a plain text for a label that is not
// made one) with the standard "press" action, which clicks it; the label
// takes no keyboard focus and has no shortcut of its own.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

    // The pointing hand and underlined text of a link.
    void makeLink(bool underline = true);
    bool isLink() const { return link_; }

    // What a click does.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool link_ = false;
};

} // namespace tenvari
